#include "split/output_folder.h"

#include <string>
#include <string_view>
#include <vector>

#include "dialogue/console.h"
#include "files/folder_lock.h"
#include "platform/file_system.h"
#include "recovery/recovery_files.h"
#include "run/run_flow.h"
#include "script/recombination_script.h"
#include "script/recombination_script_reader.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

[[noreturn]] void stopWithLine(std::string_view line) {
  writeListLine({std::string(line)});
  stopRun(StopReason::failed);
}

// Whether the script in `name` joins this run's input: the same name, the same length.
// One that cannot be read, or is no script of this program, is somebody else's file.
bool isThisFilesScript(const std::string& name) {
  const SplitJob& job = splitJob;
  const ScriptReading reading = readRecombinationScriptFile(name);
  return reading.plan && reading.plan->joinedName == joinNameOfTypedName(job.inputName.trimmed()) &&
         reading.plan->joinedLength == job.inputLength;
}

// Whether the recovery index in `name` is this file's own, from an earlier split of it into
// fragments of the same sizes: beside it, a script of this file.
bool isThisFilesRecoveryIndex(const std::string& name, bool scriptPresent) {
  const SplitJob& job = splitJob;
  std::vector<std::string_view> names;
  std::vector<int64_t> lengths;
  for (int32_t n = 1; n <= job.fragmentCount; ++n) {
    names.push_back(TextField::withoutTrailingBlanks(job.fragmentName(n)));
    lengths.push_back(n <= job.fullFragmentCount
                          ? job.fragmentSize
                          : job.inputLength - int64_t{job.fullFragmentCount} * job.fragmentSize);
  }
  return scriptPresent && indexFileDescribesFragments(name, job.fragmentSize, names, lengths);
}

}  // namespace

void enterOutputFolder(const std::string& folder) {
  const Status status = osEnterFolder(folder);
  if (status == kOk) return;
  writeListLine({"Error", status, "entering folder " + folder});
  stopRun(StopReason::failed);
}

void claimOutputFolder() {
  if (!holdFolder(".")) stopWithLine(kFolderInUse);
  bool scriptPresent = false;
  for (const std::string& name : osNamesIgnoringCase(".", std::string(kScriptName))) {
    // A folder or a link of that name is no set's script; the script's own open fails on it.
    if (osEntryKind(name) != OsEntryKind::regularFile) continue;
    if (!isThisFilesScript(name)) {
      stopWithLine("Recomb.cmd of another set is in this folder: move it first.");
    }
    scriptPresent = true;
  }
  for (const std::string& name : osNamesIgnoringCase(".", std::string(kRecoveryIndexName))) {
    if (osEntryKind(name) != OsEntryKind::regularFile) continue;
    if (!isThisFilesRecoveryIndex(name, scriptPresent)) {
      stopWithLine("Recomb.par2 of another set is in this folder: move it first.");
    }
  }
}

}  // namespace floppysplit
