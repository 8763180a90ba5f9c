#include "split/split_interruption.h"

#include <string>
#include <string_view>

#include "dialogue/console.h"
#include "platform/file_system.h"
#include "recovery/recovery_files.h"
#include "runtime/termination.h"
#include "script/recombination_script.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

constexpr std::string_view kSplitInterrupted =
    "Split interrupted: the fragments it wrote are deleted.";

// Runs once the run's files are closed. A file that cannot be deleted stays: nothing more
// can be done for it as the run ends.
void undoInterruptedSplit() {
  const SplitJob& job = splitJob;
  if (job.openedFragments == 0) return;
  for (int32_t n = 1; n <= job.openedFragments; ++n) {
    if (n == job.openedFragments && !job.openedFragmentChanged) continue;
    osDelete(std::string(TextField::withoutTrailingBlanks(job.fragmentName(n))));
  }
  if (job.recoveryBegun) {
    for (const std::string& name : recoveryFileNames(job.recoveryCount)) osDelete(name);
  }
  if (job.scriptBegun) osDelete(std::string(kScriptName));
  writeConsoleLine(kSplitInterrupted);
}

}  // namespace

void undoSplitOnInterruption() { undoAtInterruption(undoInterruptedSplit); }

void noteFragmentOpened(int32_t index, bool created) {
  splitJob.openedFragments = index;
  splitJob.openedFragmentChanged = created;
}

void noteFragmentWrittenInto() { splitJob.openedFragmentChanged = true; }

void noteRecoveryBegun() { splitJob.recoveryBegun = true; }

void noteScriptBegun() { splitJob.scriptBegun = true; }

}  // namespace floppysplit
