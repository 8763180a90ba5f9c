#pragma once
// The Recomb.cmd of a set, read as the description of the set that both --join and --check
// follow: a regular file, never reached through a link, that is line for line a script this
// program writes or wrote. The script and the fragments are found in any letter case.

#include <optional>
#include <string>

#include "platform/os_status.h"
#include "script/recombination_script_reader.h"

namespace floppysplit {

struct SetScript {
  // The set the script describes; nothing when one of the two below says why.
  std::optional<RecombinationPlan> plan;
  // What there is instead of a script of this program, for a line on standard error.
  std::string refusal;
  // The status of a failed read of the script.
  Status status = kOk;
};

// The script of the set in `folder` ("." for the current one). The plan's fragment names are
// those in the folder, without it; its scriptFile is the script as reached from here.
SetScript readSetScript(const std::string& folder);

}  // namespace floppysplit
