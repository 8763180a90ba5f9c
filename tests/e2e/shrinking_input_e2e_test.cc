// The input changes while the program waits at "OK?": it was opened and measured, and the
// user takes a while to answer. A shorter input must stop the run where the copying meets
// the end (or, inside the last partial record, finish with what is there), a longer one
// must still give exactly the bytes the user confirmed. Nothing written may hold a wrong
// byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// The splits made here, with what the console shows for them.
constexpr TypedSplit k5000BytesIn2K{
    .length = 5000, .kilobytes = 2, .lengthInKilobytes = "4.9", .floppies = 1, .fragments = 3};
constexpr TypedSplit k8192BytesIn4K{
    .length = 8192, .kilobytes = 4, .lengthInKilobytes = "8.0", .floppies = 1, .fragments = 2};
constexpr TypedSplit k10752BytesIn4K{
    .length = 10752, .kilobytes = 4, .lengthInKilobytes = "10.5", .floppies = 1, .fragments = 3};
constexpr TypedSplit k11000BytesIn4K{
    .length = 11000, .kilobytes = 4, .lengthInKilobytes = "10.7", .floppies = 1, .fragments = 3};

const std::vector<std::string> kThreeFragments = {"fragmen1", "fragmen2", "fragmen3"};

class ChangingInput : public ::testing::Test {
 protected:
  // Splits big.bin (`input`, `split.length` bytes) as `split` says, and when "OK?" is asked
  // makes the file `changed` before answering yes.
  RunResult splitAndChange(const std::string& input, const TypedSplit& split,
                           const std::string& changed) {
    EXPECT_EQ(input.size(), static_cast<size_t>(split.length));
    folder_.write("big.bin", input);
    ProgramSession session(folder_.path());
    session.writeInput(answersUpToOk("big.bin", split.kilobytes));
    const bool asked = session.waitForOutput(" OK (Y for yes, N for no)?\r\n");
    EXPECT_TRUE(asked) << session.output();
    transcript_ = transcriptUpToOk("big.bin", split);
    if (changed.size() < input.size()) {
      fs::resize_file(folder_ / "big.bin", changed.size());
    } else {
      folder_.write("big.bin", changed);
    }
    session.writeInput("y\n");
    return session.finish();
  }

  ScratchFolder folder_;
  std::string transcript_;
};

TEST_F(ChangingInput, ShorterInsideAFullFragmentStopsAtTheMissingRecord) {
  // 5000 bytes in pieces of 2 KiB: records 5 to 8 go to fragmen2; record 6 is no longer
  // whole.
  const std::string input = patternBytes(5000, 21);
  const RunResult run = splitAndChange(input, k5000BytesIn2K, input.substr(0, 3000));

  EXPECT_EQ(run.out, transcript_ + consoleLines({" ###EOF seen at record number  6"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "big.bin\nfragmen1\nfragmen2\n");
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, 2048));
  EXPECT_EQ(folder_.read("fragmen2"), input.substr(2048, 512));
  EXPECT_EQ(folder_.read("big.bin"), input.substr(0, 3000));
}

TEST_F(ChangingInput, ShorterInTheLastFullFragmentWithoutAFinalOne) {
  // 8192 bytes in pieces of 4 KiB: two full fragments and no final one.
  const std::string input = patternBytes(8192, 22);
  const RunResult run = splitAndChange(input, k8192BytesIn4K, input.substr(0, 6000));

  EXPECT_EQ(run.out, transcript_ + consoleLines({" ###EOF seen at record number  12"}));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "big.bin\nfragmen1\nfragmen2\n");
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, 4096));
  EXPECT_EQ(folder_.read("fragmen2"), input.substr(4096, 1536));
  EXPECT_EQ(folder_.read("big.bin"), input.substr(0, 6000));
}

TEST_F(ChangingInput, ShorterInsideTheFinalFragmentsWholeRecordsStopsLikeAFullFragment) {
  // 11000 bytes in pieces of 4 KiB: the final fragment takes records 17 to 21 and a tail of
  // 248 bytes; record 19 is no longer whole.
  const std::string input = patternBytes(11000, 23);
  const RunResult run = splitAndChange(input, k11000BytesIn4K, input.substr(0, 9500));

  EXPECT_EQ(run.out, transcript_ + consoleLines({" ###EOF seen at record number  19"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "big.bin\nfragmen1\nfragmen2\nfragmen3\n");
  EXPECT_EQ(joinFiles(folder_.path(), kThreeFragments), input.substr(0, 9216));
  EXPECT_EQ(folder_.read("big.bin"), input.substr(0, 9500));
}

TEST_F(ChangingInput, ShorterInsideTheTailReportsItAndFinishesWithWhatIsThere) {
  // The whole records end at 10752; 48 of the 248 tail bytes are left.
  const std::string input = patternBytes(11000, 24);
  const std::string shorter = input.substr(0, 10800);
  const RunResult run = splitAndChange(input, k11000BytesIn4K, shorter);

  EXPECT_EQ(run.out, transcript_ +
                         consoleLines({" EOF at record   10801 , byte   49", "   11000  10752",
                                       " Index check (i, est. length):  49  248"}) +
                         completionText());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(fragmentsDeletedByScript(folder_.read("Recomb.cmd")), kThreeFragments);
  // The script checks the join against what was written, not the length first seen.
  EXPECT_NE(folder_.read("Recomb.cmd").find("if not \"%%~zF\"==\"10800\" goto nocopy\r\n"),
            std::string::npos);
  EXPECT_EQ(scriptSha256(folder_.read("Recomb.cmd")), sha256sumOf(folder_.path(), kThreeFragments));
  EXPECT_EQ(joinFiles(folder_.path(), kThreeFragments), shorter);
  EXPECT_EQ(folder_.read("big.bin"), shorter);
}

TEST_F(ChangingInput, LongerStillGivesExactlyTheConfirmedBytes) {
  const std::string input = patternBytes(11000, 25);
  const std::string longer = input + patternBytes(3000, 26);
  const RunResult run = splitAndChange(input, k11000BytesIn4K, longer);

  EXPECT_EQ(run.out, transcript_ + completionText());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(fragmentsDeletedByScript(folder_.read("Recomb.cmd")), kThreeFragments);
  EXPECT_NE(folder_.read("Recomb.cmd").find("if not \"%%~zF\"==\"11000\" goto nocopy\r\n"),
            std::string::npos);
  EXPECT_EQ(scriptSha256(folder_.read("Recomb.cmd")), sha256sumOf(folder_.path(), kThreeFragments));
  EXPECT_EQ(folder_.read("fragmen3").size(), 11000u - 8192u);
  EXPECT_EQ(joinFiles(folder_.path(), kThreeFragments), input);
  EXPECT_EQ(folder_.read("big.bin"), longer);
}

TEST_F(ChangingInput, LongerByLessThanARecordWhenTheLengthIsAWholeNumberOfRecords) {
  // 10752 bytes are 21 whole records and no tail: the final fragment must end there.
  const std::string input = patternBytes(10752, 27);
  const std::string longer = input + patternBytes(100, 28);
  const RunResult run = splitAndChange(input, k10752BytesIn4K, longer);

  EXPECT_EQ(run.out, transcript_ + completionText());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(joinFiles(folder_.path(), kThreeFragments), input);
  EXPECT_EQ(folder_.read("big.bin"), longer);
}

TEST_F(ChangingInput, DeletedBeforeItIsConfirmedEndsWithTheOpenError) {
  folder_.write("big.bin", patternBytes(3000, 31));
  ProgramSession session(folder_.path());
  session.writeInput("y\nbig.bin\n");
  const std::string question = " Split up this file (Y for yes, N for no)?\r\n";
  ASSERT_TRUE(session.waitForOutput(question)) << session.output();
  fs::remove(folder_ / "big.bin");
  session.writeInput("y\n");
  const RunResult run = session.finish();
  EXPECT_TRUE(run.out.ends_with(question + " Error opening file big.bin\r\n")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "");
}

TEST_F(ChangingInput, ReplacedByAnotherFileOfTheSameNameStillGivesTheConfirmedBytes) {
  // The tail is taken from the file that was opened, not from whatever the name names now.
  const std::string input = patternBytes(11000, 29);
  const std::string other = patternBytes(11000, 30);
  folder_.write("big.bin", input);
  ProgramSession session(folder_.path());
  session.writeInput(answersUpToOk("big.bin", 4));
  ASSERT_TRUE(session.waitForOutput(" OK (Y for yes, N for no)?\r\n")) << session.output();
  fs::rename(folder_ / "big.bin", folder_ / "old.bin");
  folder_.write("big.bin", other);
  session.writeInput("y\n");
  const RunResult run = session.finish();

  EXPECT_EQ(run.out, transcriptUpToOk("big.bin", k11000BytesIn4K) + completionText());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(joinFiles(folder_.path(), kThreeFragments), input);
  EXPECT_EQ(folder_.read("old.bin"), input);
  EXPECT_EQ(folder_.read("big.bin"), other);
}

}  // namespace

}  // namespace floppysplit
