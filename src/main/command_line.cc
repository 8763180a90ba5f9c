#include "main/command_line.h"

namespace floppysplit {

namespace {

CommandLine usageError(std::string error) {
  return {.request = Request::usageError, .file = std::nullopt, .error = std::move(error)};
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::optional<std::string>> arguments,
                             bool slashHelp) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::optional<std::string>& argument : arguments) {
    if (!argument) return usageError("a name holds characters the console's code page lacks");
    const std::string& text = *argument;
    if (!optionsEnded && text == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (text == "--help" || text == "-h" || (slashHelp && text == "/?"))) {
      line.request = Request::help;
    } else if (!optionsEnded && text == "--version") {
      line.request = Request::version;
    } else if (!optionsEnded && text.starts_with('-')) {
      return usageError("unknown option '" + text + "'");
    } else if (line.file) {
      return usageError("more than one file named; one file is split at a time");
    } else {
      line.file = text;
    }
  }
  // Help or the version wins over a file named beside it: neither starts a dialogue.
  if (line.request != Request::dialogue) line.file.reset();
  return line;
}

std::string_view usageText() {
  return "Usage: floppysplit [FILE]\n"
         "       floppysplit --help | --version\n"
         "\n"
         "Cuts FILE into numbered fragments of a chosen size, by default a 1.44 MB floppy,\n"
         "in the current folder, and writes Recomb.cmd beside them, a script that joins\n"
         "them back on Windows. The dialogue asks for everything else, and for the file's\n"
         "name when none is given.\n"
         "\n"
         "  FILE         the file to split, taken whole (up to the system's path limit);\n"
         "               a name that starts with '-' follows '--'\n"
         "  -h, --help   show this text and exit; on Windows /? too\n"
         "  --version    show the version and exit\n";
}

}  // namespace floppysplit
