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
  bool joinAsked = false;
  for (const std::optional<std::string>& argument : arguments) {
    if (!argument) return usageError("a name holds characters the console's code page lacks");
    const std::string& text = *argument;
    if (!optionsEnded && text == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (text == "--help" || text == "-h" || (slashHelp && text == "/?"))) {
      line.request = Request::help;
    } else if (!optionsEnded && text == "--version") {
      line.request = Request::version;
    } else if (!optionsEnded && text == "--join") {
      joinAsked = true;
    } else if (!optionsEnded && text.starts_with('-')) {
      return usageError("unknown option '" + text + "'");
    } else if (line.file) {
      return usageError("more than one file named; one file is split at a time");
    } else {
      line.file = text;
    }
  }
  // Help or the version wins over anything beside it: neither starts any work.
  if (line.request != Request::dialogue) {
    line.file.reset();
  } else if (joinAsked) {
    if (line.file)
      return usageError("--join takes no file; it joins the set in the current folder");
    line.request = Request::join;
  }
  return line;
}

std::string_view usageText() {
  return "Usage: floppysplit [FILE]\n"
         "       floppysplit --join\n"
         "       floppysplit --help | --version\n"
         "\n"
         "Cuts FILE into numbered fragments of a chosen size, by default a 1.44 MB floppy,\n"
         "in the current folder, and writes Recomb.cmd beside them, a script that joins\n"
         "them back on Windows. The dialogue asks for everything else, and for the file's\n"
         "name when none is given. Exit status 0 when the split is complete or you answer\n"
         "N, 1 when it stops at a fault it names, 255 after an error report.\n"
         "\n"
         "--join does what Recomb.cmd does, on any system: in the current folder it checks\n"
         "every fragment, joins them, reads the join back from the medium and compares it\n"
         "with the SHA-256 the script holds, then renames it and deletes the fragments and\n"
         "Recomb.cmd. It prints the lines the script prints, and writes over or deletes\n"
         "nothing it did not make; exit status 1 when the join fails, 2 when there is no\n"
         "script of this program, 130 when it is interrupted.\n"
         "\n"
         "  FILE         the file to split, taken whole (up to the system's path limit);\n"
         "               a name that starts with '-' follows '--'\n"
         "  --join       join the fragment set in the current folder\n"
         "  -h, --help   show this text and exit; on Windows /? too\n"
         "  --version    show the version and exit\n";
}

}  // namespace floppysplit
