// The progress line as a person at a terminal sees it: the program runs on a pseudo-
// terminal with a clock that moves fast, so that a short split shows the line, and the
// final screen must be the transcript with the typed answers, the line erased.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "support/mounted_disk.h"
#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/terminal_session.h"

namespace floppysplit {

namespace {

TEST(ProgressOnATerminal, AppearsWhileFragmentsAreWrittenAndLeavesTheTranscript) {
  const std::pair<std::string_view, std::string_view> steps[] = {
      {" Agree (Y for yes, N for no)?", "y"},
      {" File name for splitting?", "big.bin"},
      {" Split up this file (Y for yes, N for no)?", "y"},
      {" Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?", "n"},
      {" Input file length for pieces in kilobytes (1K = 1024 bytes):", "1"},
      {" OK (Y for yes, N for no)?", "y"},
  };
  std::string answers;
  for (const auto& step : steps) answers += std::string(step.second) + "\n";
  const std::string input = patternBytes(300000, 8);
  ScratchFolder piped;
  piped.write("big.bin", input);
  const RunResult transcript = runCommand(piped.path(), {FLOPPYSPLIT_FAST_CLOCK_BINARY}, answers);
  ASSERT_EQ(transcript.exitCode, 0) << transcript.out;
  ASSERT_EQ(transcript.err, "");

  // The transcript's lines with each answer after its question, as the terminal echoes it.
  std::string expected;
  std::istringstream lines(transcript.out);
  size_t step = 0;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    expected += line + "\n";
    if (step < std::size(steps) && line == steps[step].first) {
      expected += std::string(steps[step++].second) + "\n";
    }
  }
  ASSERT_EQ(step, std::size(steps)) << transcript.out;
  expected.pop_back();

  ScratchFolder folder;
  folder.write("big.bin", input);
  TerminalSession terminal(folder.path(), {FLOPPYSPLIT_FAST_CLOCK_BINARY}, {});
  for (const auto& [question, answer] : steps) {
    ASSERT_TRUE(terminal.waitForScreen(question)) << terminal.screen();
    ASSERT_TRUE(terminal.typeLine(answer, Typing::inLineMode)) << terminal.screen();
  }
  EXPECT_TRUE(terminal.waitForScreen("Writing fragment")) << terminal.screen();
  EXPECT_TRUE(terminal.waitForScreen("Normal exit.")) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 0);
  EXPECT_EQ(terminal.screenText(), expected);
  EXPECT_EQ(folder.read("Recomb.cmd"), piped.read("Recomb.cmd"));
}

// --join shows the same kind of line while it joins and reads the join back, and the screen
// ends with its own lines alone.
TEST(ProgressOnATerminal, AppearsWhileASetIsJoinedAndLeavesItsLines) {
  ScratchFolder folder;
  const std::string input = patternBytes(6000000, 9);
  folder.write("big.bin", input);
  const RunResult split =
      runCommand(folder.path(), {FLOPPYSPLIT_FAST_CLOCK_BINARY}, "y\nbig.bin\ny\ny\ny\n");
  ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
  std::filesystem::remove(folder / "big.bin");

  TerminalSession terminal(folder.path(), {FLOPPYSPLIT_FAST_CLOCK_BINARY, "--join"}, {});
  EXPECT_TRUE(terminal.waitForScreen("Joining fragment")) << terminal.screen();
  EXPECT_TRUE(terminal.waitForScreen("Recombination succeeded.")) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 0);
  EXPECT_EQ(terminal.screenText(), "Recombination succeeded.");
  EXPECT_TRUE(folder.read("big.bin") == input) << "the join differs from the input";
}

// A disk that fills up while the progress line shows: the line is erased, and the error
// report starts at column 0 on a line of its own, right under the last answer.
TEST(ProgressOnATerminal, IsErasedBeforeTheErrorReportOfAFailedSplit) {
  ScratchFolder home;
  MountedDisk disk(home / "disk", DiskKind::tmpfs, int64_t{1} << 20);
  MOUNT_OR_SKIP(disk);
  home.write("big.bin", patternBytes(3000000, 10));
  TerminalSession terminal(disk.path(), {FLOPPYSPLIT_FAST_CLOCK_BINARY}, {});
  // Each answer once its question shows, so that the terminal echoes it after it.
  const std::pair<std::string_view, std::string_view> steps[] = {
      {"Agree", "y"},   {"splitting?", "../big.bin"}, {"this file", "y"},
      {"floppys", "n"}, {"kilobytes (1K", "1"},       {"OK (Y", "y"}};
  for (const auto& [question, answer] : steps) {
    ASSERT_TRUE(terminal.waitForScreen(question)) << terminal.screen();
    ASSERT_TRUE(terminal.typeLine(answer, Typing::inLineMode)) << terminal.screen();
  }
  EXPECT_TRUE(terminal.waitForScreen("Writing fragment")) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 1);
  const std::string screen = terminal.screenText();
  const std::string report = "\ny\n ###Error  " + std::to_string(ENOSPC) + "  writing frag";
  const size_t at = screen.rfind(report);
  ASSERT_NE(at, std::string::npos) << screen;
  EXPECT_EQ(screen.find('\n', at + report.size()), std::string::npos) << screen;
  EXPECT_EQ(screen.find("Writing fragment"), std::string::npos) << screen;
}

}  // namespace

}  // namespace floppysplit
