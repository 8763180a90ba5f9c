// The console input ends at each question of the dialogue in turn. Every question but the
// name prompt ends the run at once with the report for reading past the end (exit status
// 255 as the host shows -1); the name prompt first shows what it holds and asks "Try
// again?", which then meets the end. No file is written and the input stays as it was.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

const std::string kReadPastEndReport =
    "? QUILLAN Runtime Error:\n? Attempt to read past end of file\n? READ(UNIT=*,...\n";

// The split these runs would make, with what the console shows for it.
constexpr TypedSplit kSplit{
    .length = 3000, .kilobytes = 1, .lengthInKilobytes = "2.9", .floppies = 1, .fragments = 3};
constexpr int64_t kInputLength = kSplit.length;
constexpr int64_t kKilobytes = kSplit.kilobytes;

// The usual console up to and including `line`.
std::string consoleThrough(std::string_view line) {
  const std::string all = transcriptUpToOk("big.bin", kSplit);
  const std::string wanted = std::string(line) + "\r\n";
  return all.substr(0, all.find(wanted) + wanted.size());
}

const std::string kTryAgain = consoleLines({" Try again (Y for yes, N for no)?"});

struct EndOfInputCase {
  const char* name;
  std::string input;
  std::string out;
};

const EndOfInputCase kCases[] = {
    {"Agree", "", disclaimerAndConsent()},
    {"NamePromptShowsTheBlankFieldThenTryAgain", "y\n",
     consoleThrough(" File name for splitting?") +
         consoleLines({" Problem with your input:", " "}) + kTryAgain},
    {"NamePromptAfterADeclinedFileShowsTheOldName", "y\nbig.bin\nn\n",
     consoleThrough(" Split up this file (Y for yes, N for no)?") +
         consoleLines({" File name for splitting?", " Problem with your input:", " big.bin"}) +
         kTryAgain},
    {"NameWithoutLineFeedIsTheEndOfInput", "y\nbig.bin",
     consoleThrough(" File name for splitting?") +
         consoleLines({" Problem with your input:", " "}) + kTryAgain},
    {"SplitUpThisFile", "y\nbig.bin\n",
     consoleThrough(" Split up this file (Y for yes, N for no)?")},
    {"FloppyQuestion", "y\nbig.bin\ny\n",
     consoleThrough(" Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?")},
    {"SizePromptEndsAtOnce", "y\nbig.bin\ny\nn\n",
     consoleThrough(" Input file length for pieces in kilobytes (1K = 1024 bytes):")},
    {"SizePromptAfterABadSize", "y\nbig.bin\ny\nn\n12k\n",
     consoleThrough(" Input file length for pieces in kilobytes (1K = 1024 bytes):") +
         consoleLines({" Error with your input:  0  please try again",
                       " Input file length for pieces in kilobytes (1K = 1024 bytes):"})},
    {"OkQuestion", answersUpToOk("big.bin", kKilobytes), transcriptUpToOk("big.bin", kSplit)},
    {"OkQuestionAfterAnUnclearAnswer", answersUpToOk("big.bin", kKilobytes) + "maybe\n",
     transcriptUpToOk("big.bin", kSplit) + consoleLines({" OK (Y for yes, N for no)?"})},
};

// Test names show the case's name, not its bytes.
void PrintTo(const EndOfInputCase& c, std::ostream* out) { *out << c.name; }

class EndOfInput : public ::testing::TestWithParam<EndOfInputCase> {};

TEST_P(EndOfInput, EndsWithTheReadReportAndWritesNothing) {
  ScratchFolder folder;
  const std::string input = patternBytes(kInputLength, 31);
  folder.write("big.bin", input);

  const RunResult run = runProgram(folder.path(), GetParam().input);

  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_EQ(run.err, kReadPastEndReport);
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(folder.listing(), "big.bin\n");
  EXPECT_EQ(folder.read("big.bin"), input);
}

INSTANTIATE_TEST_SUITE_P(AtEveryQuestion, EndOfInput, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace

}  // namespace floppysplit
