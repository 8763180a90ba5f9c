// The consent dialogue and the run's end, driven through the real program.

#include <gtest/gtest.h>

#include "support/program_runner.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

const std::string kEndOfInputReport =
    "? QUILLAN Runtime Error:\n? Attempt to read past end of file\n? READ(UNIT=*,...\n";

TEST(ConsentDialogue, NoEndsTheRunSilentlyAndWritesNothing) {
  ScratchFolder folder;
  const RunResult run = runProgram(folder.path(), "n\n");
  EXPECT_EQ(run.out, disclaimerAndConsent());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.listing(), "");
}

TEST(ConsentDialogue, UnclearAnswerAsksAgainWithoutTheDisclaimer) {
  ScratchFolder folder;
  const RunResult run = runProgram(folder.path(), "maybe\n\n,\n/\n  No thanks\n");
  EXPECT_EQ(run.out, disclaimerAndConsent() + consoleLines({" Agree (Y for yes, N for no)?",
                                                            " Agree (Y for yes, N for no)?",
                                                            " Agree (Y for yes, N for no)?"}));
  EXPECT_EQ(run.exitCode, 0);
}

TEST(ConsentDialogue, EndOfInputEndsWithTheReadReport) {
  ScratchFolder folder;
  const RunResult run = runProgram(folder.path(), "");
  EXPECT_EQ(run.out, disclaimerAndConsent());
  EXPECT_EQ(run.err, kEndOfInputReport);
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(folder.listing(), "");
}

TEST(ConsentDialogue, LastLineWithoutLineFeedCountsAsEndOfInput) {
  ScratchFolder folder;
  const RunResult run = runProgram(folder.path(), "n");
  EXPECT_EQ(run.err, kEndOfInputReport);
  EXPECT_EQ(run.exitCode, 255);
}

}  // namespace

}  // namespace floppysplit
