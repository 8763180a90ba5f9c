// The command line: a file named on it answers the first question for the file's name;
// --help and --version answer without the dialogue; anything else is a usage error.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

constexpr TypedSplit kSplit{
    .length = 3000, .kilobytes = 1, .lengthInKilobytes = "2.9", .floppies = 1, .fragments = 3};

const std::string kLongName = std::string(96, 'n') + ".bin";

// The usual console for `name`, with `shownLines` where the typed name would stand.
std::string transcriptWith(const std::string& name, const std::string& shownLines) {
  std::string transcript = transcriptUpToOk(name, kSplit);
  const std::string prompt = " File name for splitting?\r\n";
  transcript.insert(transcript.find(prompt) + prompt.size(), shownLines);
  return transcript;
}

std::string usageError(const std::string& what) {
  return "floppysplit: " + what + "\nTry 'floppysplit --help' for more information.\n";
}

struct Invocation {
  const char* label;
  std::vector<std::string> arguments;
  // The file of 3000 bytes in the folder, if any.
  std::string file;
  std::string input;
  std::string out;
  std::string err;
  int exitCode;
};

void PrintTo(const Invocation& invocation, std::ostream* out) { *out << invocation.label; }

class CommandLine : public testing::TestWithParam<Invocation> {};

TEST_P(CommandLine, AnswersAsTheUsualConventionsSay) {
  const Invocation& call = GetParam();
  ScratchFolder folder;
  if (!call.file.empty()) folder.write(call.file, patternBytes(kSplit.length, 5));
  std::vector<std::string> command = programCommand();
  command.insert(command.end(), call.arguments.begin(), call.arguments.end());
  RunResult run = runCommand(folder.path(), command, call.input);
  // Outside the dialogue the Windows build ends its lines with CR LF, as text mode does.
  if (testingWindowsBuild() && !call.out.ends_with(completionText())) {
    std::erase(run.out, '\r');
    std::erase(run.err, '\r');
  }
  EXPECT_EQ(run.out, call.out);
  EXPECT_EQ(run.err, call.err);
  EXPECT_EQ(run.exitCode, call.exitCode);
  std::set<std::string> files;
  if (!call.file.empty()) files.insert(call.file);
  if (call.out.ends_with(completionText())) {
    files.insert({"Recomb.cmd", "fragmen1", "fragmen2", "fragmen3"});
  }
  std::string listing;
  for (const std::string& file : files) listing += file + "\n";
  EXPECT_EQ(folder.listing(), listing);
}

const std::string kAnswersAfterName = "y\ny\nn\n1\ny\n";

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(
        Invocation{"FileFound",
                   {"big.bin"},
                   "big.bin",
                   kAnswersAfterName,
                   transcriptWith("big.bin", "big.bin\r\n") + completionText(),
                   "",
                   0},
        Invocation{"FileWithBlanksAndComma",
                   {"a b, c.bin"},
                   "a b, c.bin",
                   kAnswersAfterName,
                   transcriptWith("a b, c.bin", "a b, c.bin\r\n") + completionText(),
                   "",
                   0},
        // Longer than a typed answer holds.
        Invocation{"LongFile",
                   {kLongName},
                   kLongName,
                   kAnswersAfterName,
                   transcriptWith(kLongName, kLongName + "\r\n") + completionText(),
                   "",
                   0},
        Invocation{"FileNotFoundThenTyped",
                   {"nofile.bin"},
                   "big.bin",
                   "y\nbig.bin\n" + kAnswersAfterName.substr(2),
                   transcriptWith("big.bin",
                                  "nofile.bin\r\n"
                                  " File nofile.bin does not exist in this folder.\r\n"
                                  " File name for splitting?\r\n") +
                       completionText(),
                   "",
                   0},
        Invocation{"DashFileAfterDoubleDash",
                   {"--", "-name.bin"},
                   "-name.bin",
                   kAnswersAfterName,
                   transcriptWith("-name.bin", "-name.bin\r\n") + completionText(),
                   "",
                   0},
        Invocation{
            "Version", {"--version"}, "", "", "floppysplit " FLOPPYSPLIT_VERSION "\n", "", 0},
        Invocation{"UnknownOption",
                   {"--verbose"},
                   "",
                   "y\n",
                   "",
                   usageError("unknown option '--verbose'"),
                   2},
        Invocation{"TwoFiles",
                   {"a.bin", "big.bin"},
                   "big.bin",
                   "y\n",
                   "",
                   usageError("more than one file named; one file is split at a time"),
                   2}),
    [](const testing::TestParamInfo<Invocation>& param) { return param.param.label; });

TEST(CommandLineHelp, DescribesEveryOptionAndStartsNothing) {
  std::vector<std::string> asks = {"--help", "-h"};
  if (testingWindowsBuild()) asks.emplace_back("/?");
  for (const std::string& ask : asks) {
    SCOPED_TRACE(ask);
    ScratchFolder folder;
    std::vector<std::string> command = programCommand();
    // A file named beside it starts no dialogue either.
    command.emplace_back("big.bin");
    command.push_back(ask);
    RunResult run = runCommand(folder.path(), command, "y\n");
    std::erase(run.out, '\r');
    EXPECT_TRUE(run.out.starts_with("Usage: floppysplit [FILE]\n")) << run.out;
    for (const char* option : {"--help", "--version", "--"}) {
      EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(folder.listing(), "");
  }
}

}  // namespace

}  // namespace floppysplit
