#pragma once
// What the command line asks for: the dialogue (with the file to split, if one is named,
// the answers --yes and --size give, and the folder --into writes to), the join of a
// fragment set (in the current folder or a folder named, kept or not) or its check, the
// usage text or the version. Anything else is a usage error, a folder for --into, --join or
// --check that is not there included: the one thing the parse asks the file system.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "run/run_flow.h"

namespace floppysplit {

enum class Request { dialogue, join, check, help, version, usageError };

struct CommandLine {
  Request request = Request::dialogue;
  // The file named on the command line, taken whole, and the answers given beside it.
  GivenAnswers answers;
  // The folder of the set a join or a check reads, "." for the current one.
  std::string setFolder = ".";
  // Whether a join keeps the set: --keep, or a folder named for it.
  bool keepSet = false;
  // What is wrong, for a usage error.
  std::string error;
};

// `arguments` are those after the program's name; an empty one stands for an argument that
// the console's code page cannot hold. `slashHelp` lets "/?" ask for help.
CommandLine parseCommandLine(std::span<const std::optional<std::string>> arguments, bool slashHelp);

// The text --help writes.
std::string_view usageText();

}  // namespace floppysplit
