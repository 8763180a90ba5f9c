#include "join/set_script.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "script/recombination_script.h"

namespace floppysplit {

namespace {

// A set that travelled may show its names in other letters where the file system tells
// them apart (RECOMB.CMD, FRAGMEN1): a name that is not there stands for the one entry
// that differs from it in letter case alone. None, or two or more, leave it as it is.
std::string presentName(const std::string& name, const std::vector<std::string>& sameIgnoringCase) {
  return sameIgnoringCase.size() == 1 ? sameIgnoringCase.front() : name;
}

// The script's fragments by the names they have in `folder`, found in one pass over it and
// only where some are not there under their own.
void findFragmentsIgnoringCase(const std::string& folder, RecombinationPlan& plan) {
  std::vector<std::string> absent;
  std::vector<size_t> where;
  for (size_t i = 0; i < plan.fragments.size(); ++i) {
    std::string name(plan.fragmentName(i));
    if (osEntryKind(osNameInFolder(folder, name)) != OsEntryKind::none) continue;
    absent.push_back(std::move(name));
    where.push_back(i);
  }
  if (absent.empty()) return;
  const std::vector<std::vector<std::string>> found = osNamesIgnoringCase(folder, absent);
  for (size_t k = 0; k < absent.size(); ++k) {
    const std::string name = presentName(absent[k], found[k]);
    // Letter case alone leaves the name as long as it was.
    if (name.size() == absent[k].size()) std::ranges::copy(name, plan.fragments[where[k]].begin());
  }
}

}  // namespace

SetScript readSetScript(const std::string& folder) {
  const std::string own(kScriptName);
  std::string script = osNameInFolder(folder, own);
  OsEntryKind kind = osEntryKind(script);
  if (kind == OsEntryKind::none) {
    script = osNameInFolder(folder, presentName(own, osNamesIgnoringCase(folder, own)));
    kind = osEntryKind(script);
  }
  if (kind == OsEntryKind::none) {
    const std::string where = folder == "." ? "this folder" : "'" + folder + "'";
    return {.plan = {}, .refusal = "no Recomb.cmd in " + where, .status = kOk};
  }
  const std::string notOurs = "Recomb.cmd is not a recombination script of this program";
  if (kind != OsEntryKind::regularFile) return {.plan = {}, .refusal = notOurs, .status = kOk};
  ScriptReading reading = readRecombinationScriptFile(script);
  if (reading.status != kOk) return {.plan = {}, .refusal = {}, .status = reading.status};
  if (!reading.plan) {
    const std::string line = "line " + std::to_string(reading.refusedLine);
    const std::string why =
        reading.refusedLineTooLong
            ? line + " is longer than " + std::to_string(kLongestScriptLine) + " bytes"
            : line + " is not one it writes";
    return {.plan = {}, .refusal = notOurs + " (" + why + ").", .status = kOk};
  }
  findFragmentsIgnoringCase(folder, *reading.plan);
  return {.plan = std::move(reading.plan), .refusal = {}, .status = kOk};
}

}  // namespace floppysplit
