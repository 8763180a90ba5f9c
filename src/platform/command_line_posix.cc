#include "platform/command_line.h"

namespace floppysplit {

std::vector<std::optional<std::string>> osArguments(int argc, char** argv) {
  std::vector<std::optional<std::string>> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

bool osTakesSlashHelp() { return false; }

}  // namespace floppysplit
