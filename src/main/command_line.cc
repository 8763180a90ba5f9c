#include "main/command_line.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "platform/file_system.h"

namespace floppysplit {

namespace {

constexpr size_t kMostSizeDigits = 19;
constexpr int32_t kMostRecoveryVolumes = 32768;

CommandLine usageError(std::string error) {
  return {.request = Request::usageError, .answers = {}, .error = std::move(error)};
}

// A size in kilobytes: 1 to 19 decimal digits, no sign or blank, from 1 to 2^63-1.
std::optional<GivenSize> parseSize(const std::string& text) {
  if (text.empty() || text.size() > kMostSizeDigits ||
      !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int64_t kilobytes = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), kilobytes);
  if (error != std::errc() || end != text.data() + text.size() || kilobytes < 1) {
    return std::nullopt;
  }
  return GivenSize{.shown = text, .kilobytes = kilobytes};
}

// A volume count: 1 to 5 decimal digits, no sign or blank, from 1 to kMostRecoveryVolumes.
std::optional<int32_t> parseRecoveryCount(const std::string& text) {
  if (text.empty() || text.size() > 5 ||
      !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int32_t count = std::stoi(text);
  if (count < 1 || count > kMostRecoveryVolumes) return std::nullopt;
  return count;
}

enum class Option {
  none,
  endOfOptions,
  help,
  version,
  join,
  check,
  keep,
  yes,
  size,
  recovery,
  into,
  unknown
};

// The option `text` names; `none` for a file.
Option optionNamed(const std::string& text, bool slashHelp) {
  if (text == "--") return Option::endOfOptions;
  if (text == "--help" || text == "-h" || (slashHelp && text == "/?")) return Option::help;
  if (text == "--version") return Option::version;
  if (text == "--join") return Option::join;
  if (text == "--check") return Option::check;
  if (text == "--keep") return Option::keep;
  if (text == "--yes") return Option::yes;
  if (text == "--size") return Option::size;
  if (text == "--recovery") return Option::recovery;
  if (text == "--into") return Option::into;
  return text.starts_with('-') ? Option::unknown : Option::none;
}

// The folder a join or a check reads the set from: the name given, which must be an
// existing folder, or the current folder. The usage error's text where it is no folder.
std::optional<std::string> takeSetFolder(std::string_view option, CommandLine* line) {
  if (!line->answers.file) return std::nullopt;
  const std::string folder = *line->answers.file;
  if (!osIsFolder(folder)) {
    return std::string(option) + " takes an existing folder; '" + folder + "' is not one";
  }
  line->setFolder = folder;
  line->answers.file.reset();
  return std::nullopt;
}

// The usage error's text where an answer or a setting of the split stands beside `run`
// (--join or --check), which asks nothing and writes nothing elsewhere.
std::optional<std::string> splitOptionBeside(const std::string& run, const GivenAnswers& answers) {
  if (answers.yes || answers.size) {
    return "--yes and --size answer the split's questions; " + run + " asks none";
  }
  if (answers.recoveryCount > 0) {
    return "--recovery writes recovery files beside a split; " + run + " writes none";
  }
  if (answers.outputFolder) {
    return "--into names the folder a split writes to; " + run + " works in the current folder";
  }
  return std::nullopt;
}

// What the whole command line asks for, once every argument is read.
CommandLine settled(CommandLine line, bool joinAsked, bool checkAsked, bool keepAsked) {
  // Help or the version wins over anything beside it: neither starts any work.
  if (line.request != Request::dialogue) {
    line.answers = {};
  } else if (checkAsked) {
    if (joinAsked) return usageError("--check and --join are two runs; give one of them");
    if (keepAsked) return usageError("--keep keeps the set after a join; --check deletes nothing");
    std::optional<std::string> error = splitOptionBeside("--check", line.answers);
    if (!error) error = takeSetFolder("--check", &line);
    if (error) return usageError(*error);
    line.request = Request::check;
  } else if (joinAsked) {
    // A set read from a folder named is kept, even where that is the current one.
    line.keepSet = keepAsked || line.answers.file.has_value();
    std::optional<std::string> error = splitOptionBeside("--join", line.answers);
    if (!error) error = takeSetFolder("--join", &line);
    if (error) return usageError(*error);
    line.request = Request::join;
  } else if (keepAsked) {
    return usageError("--keep keeps the set after a join; give it with --join");
  } else if (line.answers.outputFolder && !osIsFolder(*line.answers.outputFolder)) {
    return usageError("--into takes an existing folder; '" + *line.answers.outputFolder +
                      "' is not one");
  }
  return line;
}

using Argument = std::span<const std::optional<std::string>>::iterator;

// The argument after an option that takes it as its value, whatever it holds; `*argument`
// moves on to it. None at the end of the line, or for a name the code page lacks.
std::optional<std::string> optionValue(Argument* argument, Argument end) {
  ++*argument;
  if (*argument == end || !**argument) return std::nullopt;
  return ***argument;
}

// Takes --size's value into `answers`; the usage error's text where it cannot.
std::optional<std::string> takeSize(Argument* argument, Argument end, GivenAnswers* answers) {
  if (answers->size) return "--size given twice";
  const std::optional<std::string> value = optionValue(argument, end);
  if (value) answers->size = parseSize(*value);
  if (!answers->size) return "--size takes a size in kilobytes, from 1 to 9223372036854775807";
  return std::nullopt;
}

// Takes --recovery's value into `answers`; the usage error's text where it cannot.
std::optional<std::string> takeRecoveryCount(Argument* argument, Argument end,
                                             GivenAnswers* answers) {
  if (answers->recoveryCount > 0) return "--recovery given twice";
  const std::optional<std::string> value = optionValue(argument, end);
  const std::optional<int32_t> count = value ? parseRecoveryCount(*value) : std::nullopt;
  if (!count) return "--recovery takes a number of recovery files, from 1 to 32768";
  answers->recoveryCount = *count;
  return std::nullopt;
}

// Takes --into's value into `answers`; the usage error's text where it cannot. Whether it
// names a folder is asked once the whole line is read, when it is known to start a split.
std::optional<std::string> takeOutputFolder(Argument* argument, Argument end,
                                            GivenAnswers* answers) {
  if (answers->outputFolder) return "--into given twice";
  answers->outputFolder = optionValue(argument, end);
  if (!answers->outputFolder) return "--into takes an existing folder";
  return std::nullopt;
}

// Takes the value of `option`, one of those that take one, into `answers`.
std::optional<std::string> takeValue(Option option, Argument* argument, Argument end,
                                     GivenAnswers* answers) {
  if (option == Option::size) return takeSize(argument, end, answers);
  if (option == Option::recovery) return takeRecoveryCount(argument, end, answers);
  return takeOutputFolder(argument, end, answers);
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::optional<std::string>> arguments,
                             bool slashHelp) {
  CommandLine line;
  bool optionsEnded = false;
  bool joinAsked = false;
  bool checkAsked = false;
  bool keepAsked = false;
  for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
    if (!*argument) return usageError("a name holds characters the console's code page lacks");
    const std::string& text = **argument;
    const Option option = optionsEnded ? Option::none : optionNamed(text, slashHelp);
    switch (option) {
      case Option::endOfOptions:
        optionsEnded = true;
        break;
      case Option::help:
        line.request = Request::help;
        break;
      case Option::version:
        line.request = Request::version;
        break;
      case Option::join:
        joinAsked = true;
        break;
      case Option::check:
        checkAsked = true;
        break;
      case Option::keep:
        keepAsked = true;
        break;
      case Option::yes:
        line.answers.yes = true;
        break;
      case Option::size:
      case Option::recovery:
      case Option::into: {
        const std::optional<std::string> error =
            takeValue(option, &argument, arguments.end(), &line.answers);
        if (error) return usageError(*error);
        break;
      }
      case Option::unknown:
        return usageError("unknown option '" + text + "'");
      case Option::none:
        if (line.answers.file) {
          return usageError("more than one file named; one file is split at a time");
        }
        line.answers.file = text;
        break;
    }
  }
  return settled(std::move(line), joinAsked, checkAsked, keepAsked);
}

std::string_view usageText() {
  return "Usage: floppysplit [--yes] [--size KB] [FILE]\n"
         "       floppysplit --recovery N [--yes] [--size KB] [FILE]\n"
         "       floppysplit --into DIR [--recovery N] [--yes] [--size KB] [FILE]\n"
         "       floppysplit --join [--keep] [DIR]\n"
         "       floppysplit --check [DIR]\n"
         "       floppysplit --help | --version\n"
         "\n"
         "Cuts FILE into numbered fragments of a chosen size, by default a 1.44 MB floppy,\n"
         "in the current folder (or in DIR), and writes Recomb.cmd beside them, a script\n"
         "that joins them back on Windows. The dialogue asks for everything else, and for\n"
         "the file's name when none is given.\n"
         "\n"
         "--yes and --size answer questions beforehand, so that a script can run the split\n"
         "without typing; each answer is shown after its question as if typed, and what\n"
         "they leave open is read as usual. For an e-mail limit of 25 MB, which encoding\n"
         "grows by about a third, 'floppysplit --yes --size 18000 FILE' needs no input.\n"
         "\n"
         "--join does what Recomb.cmd does, on any system: in the current folder it checks\n"
         "every fragment, joins them, reads the join back from the medium and compares it\n"
         "with the SHA-256 the script holds, then renames it and deletes the fragments,\n"
         "the recovery files the script names and Recomb.cmd. Fragments that are missing,\n"
         "of the wrong length or damaged it first rebuilds from the recovery files, where\n"
         "they are there and suffice. It prints the lines the script prints, and writes\n"
         "over or deletes nothing it did not make. With --keep it deletes none of the set,\n"
         "and fragments it rebuilds are temporaries, deleted after the join. --join DIR\n"
         "joins the set in the folder DIR (a CD, a write-protected floppy) into the\n"
         "current folder, keeps the set as --keep does, and writes nothing in DIR.\n"
         "\n"
         "--check tells, before the original is deleted or where the set arrives, whether\n"
         "the set in the current folder (or in DIR) would join to the file that was split.\n"
         "It names each fragment that is missing, has the wrong length or is damaged, and\n"
         "whether the recovery files can rebuild them, and changes nothing.\n"
         "\n"
         "  FILE         the file to split, taken whole (up to the system's path limit),\n"
         "               looked up in the current folder; a name that starts with '-'\n"
         "               follows '--'\n"
         "  --yes        answer Y to Agree? and OK?, to Split up this file? for FILE, and,\n"
         "               without --size, to the floppy size; a FILE that does not exist\n"
         "               then ends the run with exit status 1\n"
         "  --size KB    answer N to the floppy size and take fragments of KB kilobytes\n"
         "               (1 to 9223372036854775807, 1K = 1024 bytes)\n"
         "  --recovery N also write N recovery files (1 to 32768, at most one per\n"
         "               fragment): Recomb.par2, its copy Recomb.index2.par2 and the\n"
         "               volumes Recomb.vol0+1.par2 and on, in the PAR 2.0 format, each as\n"
         "               large as a fragment (one per floppy you can afford to lose);\n"
         "               with them --join, or a PAR2 program ('par2 repair Recomb.par2'),\n"
         "               rebuilds up to N lost or damaged fragments; Recomb.cmd says so\n"
         "               and deletes them after a checked join\n"
         "  --into DIR   write the fragments, the recovery files and Recomb.cmd into the\n"
         "               existing folder DIR, where Recomb.cmd joins them, instead of the\n"
         "               current folder\n"
         "  --join       join the fragment set in the current folder, or in the existing\n"
         "               folder DIR, into the current folder\n"
         "  --keep       with --join: keep the fragments, the recovery files and\n"
         "               Recomb.cmd\n"
         "  --check      check the fragment set in the current folder, or in DIR\n"
         "  -h, --help   show this text and exit; on Windows /? too\n"
         "  --version    show the version and exit\n"
         "\n"
         "Exit status:\n"
         "  0    the split or the join is complete; you answered N; --check found the set\n"
         "       intact\n"
         "  1    the split stopped at a fault its last line names; the join failed;\n"
         "       --check found the set damaged\n"
         "  2    a usage error; --join or --check found no script of this program\n"
         "  130  the split or the join was interrupted: what it wrote is deleted\n"
         "  255  an error report on standard error, in three lines that start with '? '\n";
}

}  // namespace floppysplit
