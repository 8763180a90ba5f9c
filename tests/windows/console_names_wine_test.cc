// Names beyond ASCII typed at a console as a user types them: the Windows build runs in
// wine's console on a pseudo-terminal whose user types UTF-8, and the console hands the
// program the name in its own code page (437 unless `chcp` changes it). The console draws
// its text with control sequences of its own, so these tests check the files written.
// Started on its own, the program has the console to itself, as in a window opened for it
// alone, and asks for Enter before it ends; started from wine's cmd it does not.
//
// These tests need FLOPPYSPLIT_COMMAND to name the Windows build under wine (see
// scripts/test-windows.sh); without it they are skipped, and say so.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"
#include "support/terminal_session.h"
#include "support/windows_build_test.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

// A terminal whose user types UTF-8, as under any UTF-8 locale.
const Environment kUtf8Terminal = {{"LC_ALL", "C.UTF-8"}};

constexpr std::string_view kCloseQuestion = " Press Enter to close this window.";

using Step = std::pair<std::string_view, std::string_view>;

class ConsoleNames : public WindowsBuildTest {
 protected:
  // Answers the whole dialogue on `terminal` for `name`, in pieces of 1 KB, each answer
  // once its question is on the screen.
  static void answerDialogue(TerminalSession& terminal, std::string_view name) {
    const Step steps[] = {
        {"Agree (Y for yes, N for no)?", "y"},
        {"File name for splitting?", name},
        {"Split up this file (Y for yes, N for no)?", "y"},
        {"floppys (Y for yes, N for no)?", "n"},
        {"(1K = 1024 bytes):", "1"},
        {"OK (Y for yes, N for no)?", "y"},
    };
    for (const auto& [question, answer] : steps) {
      ASSERT_TRUE(terminal.waitForScreen(question))
          << "no \"" << question << "\" on the screen: " << terminal.screen();
      ASSERT_TRUE(terminal.typeLine(answer)) << terminal.screen();
      // The console shows the name in the letters typed.
      if (answer == name) {
        ASSERT_TRUE(terminal.waitForScreen("File to be split up: " + std::string(name)))
            << terminal.screen();
      }
    }
    ASSERT_TRUE(terminal.waitForScreen("Normal exit.")) << terminal.screen();
  }

  // Answers the question that keeps a console window of the program's own open.
  static void closeWindow(TerminalSession& terminal) {
    ASSERT_TRUE(terminal.waitForScreen(kCloseQuestion)) << terminal.screen();
    // Time for a window that took a typed-ahead line as the answer to close.
    terminal.waitForScreen("\x01", std::chrono::seconds(1));
    ASSERT_TRUE(terminal.typeLine("")) << terminal.screen();
  }

  // The folder holds `name` with `bytes`, three fragments that join to `bytes`, and a
  // Recomb.cmd that names the file as `scriptName`.
  void expectSplit(const std::string& name, const std::string& bytes,
                   const std::string& scriptName) {
    std::string listing;
    for (const std::string& file :
         std::set<std::string>{"Recomb.cmd", name, "fragmen1", "fragmen2", "fragmen3"}) {
      listing += file + "\n";
    }
    EXPECT_EQ(folder_.listing(), listing);
    EXPECT_TRUE(joinFiles(folder_.path(), {"fragmen1", "fragmen2", "fragmen3"}) == bytes)
        << "the fragments do not join to the input";
    EXPECT_TRUE(contains(folder_.read("Recomb.cmd"), "\"" + scriptName + "\""))
        << folder_.read("Recomb.cmd");
  }
};

TEST_F(ConsoleNames, TypedInTheDefaultCodePageAreFoundSplitAndJoinedBack) {
  const std::string bytes = patternBytes(3000, 11);
  folder_.write("caf\u00e9.bin", bytes);
  TerminalSession terminal(folder_.path(), programCommand(), kUtf8Terminal);
  answerDialogue(terminal, "caf\u00e9.bin");
  if (HasFatalFailure()) return;
  closeWindow(terminal);
  if (HasFatalFailure()) return;
  EXPECT_EQ(terminal.finish(), 0);
  // The script holds the name as the console handed it over: é is 82 in code page 437.
  expectSplit("caf\u00e9.bin", bytes, "caf\x82.bin");

  fs::remove(folder_ / "caf\u00e9.bin");
  const ScratchFolder systemRoot;
  const RunResult joined = runCommand(
      folder_.path(),
      commandProcessorWithCertutil(
          systemRoot.path(), sha256sumOf(folder_.path(), {"fragmen1", "fragmen2", "fragmen3"}),
          "Recomb.cmd"),
      "");
  EXPECT_TRUE(contains(joined.out, "Recombination succeeded.")) << joined.out << joined.err;
  EXPECT_EQ(folder_.listing(), "caf\u00e9.bin\n");
  EXPECT_TRUE(folder_.read("caf\u00e9.bin") == bytes) << "the joined file differs from the input";
}

TEST_F(ConsoleNames, TypedInAConsoleSwitchedToUtf8AreFoundAndSplit) {
  const std::string bytes = patternBytes(2500, 12);
  const std::string name = "\u8cc7\u6599.bin";
  folder_.write(name, bytes);
  std::vector<std::string> command = windowsEmulatorCommand();
  command.emplace_back("cmd");
  TerminalSession terminal(folder_.path(), command, kUtf8Terminal);
  ASSERT_TRUE(terminal.waitForScreen(">")) << terminal.screen();
  ASSERT_TRUE(terminal.typeLine("chcp 65001")) << terminal.screen();
  // The echo of the command, then the prompt that follows its answer.
  ASSERT_TRUE(terminal.waitForScreen("chcp 65001")) << terminal.screen();
  ASSERT_TRUE(terminal.waitForScreen(">")) << terminal.screen();
  // The program by its path on wine's drive Z:, the root of the host's file system.
  std::string program = "Z:" + programCommand().back();
  std::replace(program.begin(), program.end(), '/', '\\');
  ASSERT_TRUE(terminal.typeLine(program)) << terminal.screen();
  answerDialogue(terminal, name);
  if (HasFatalFailure()) return;
  // The command prompt again, and no question before it: the window is cmd's.
  ASSERT_TRUE(terminal.waitForScreen(">")) << terminal.screen();
  EXPECT_FALSE(contains(terminal.screen(), "PressEnter")) << terminal.screen();
  ASSERT_TRUE(terminal.typeLine("exit")) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 0) << terminal.screen();
  expectSplit(name, bytes, name);
}

// A name on the command line arrives in UTF-16 and is taken in the code page typed names
// arrive in (437 without a console); a name that code page cannot hold is refused.
TEST_F(ConsoleNames, NamedOnTheCommandLineAreTakenInTheConsolesCodePage) {
  const std::string bytes = patternBytes(3000, 13);
  folder_.write("caf\u00e9.bin", bytes);
  std::vector<std::string> command = programCommand();
  command.emplace_back("caf\u00e9.bin");
  const RunResult run = runCommand(folder_.path(), command, "y\ny\nn\n1\ny\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(contains(run.out, " File name for splitting?\r\ncaf\x82.bin\r\n")) << run.out;
  expectSplit("caf\u00e9.bin", bytes, "caf\x82.bin");

  command.back() = "\u8cc7\u6599.bin";
  const RunResult refused = runCommand(folder_.path(), command, "y\n");
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(refused.err.starts_with("floppysplit: a name holds characters")) << refused.err;
}

// Ctrl+C typed at the console of the program's own while it writes the fragments: the
// console's control handler notes it, and the split deletes what it wrote, says so and ends
// with 130 at once, asking for no Enter.
TEST_F(ConsoleNames, CtrlCWhileSplittingDeletesTheFragmentsAndAsksForNoEnter) {
  folder_.write("big.bin", patternBytes(int64_t{150} << 20, 14));
  std::vector<std::string> command = programCommand();
  command.insert(command.end(), {"--yes", "big.bin"});
  TerminalSession terminal(folder_.path(), command, kUtf8Terminal);
  ASSERT_TRUE(terminal.waitForScreen("OK (Y for yes, N for no)?")) << terminal.screen();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!fs::exists(folder_ / "fragm002") && std::chrono::steady_clock::now() < deadline) {
    terminal.waitForScreen("\x01", std::chrono::milliseconds(1));
  }
  // Wine's console leaves the terminal's line editing on until the program reads: the
  // terminal takes Ctrl+C, and wine hands it to the console's control handlers.
  ASSERT_TRUE(terminal.typeLine("\x03", Typing::inLineMode)) << terminal.screen();
  ASSERT_TRUE(terminal.waitForScreen("Split interrupted: the fragments it wrote are deleted."))
      << terminal.screen();
  EXPECT_EQ(terminal.finish(), 130) << terminal.screen();
  EXPECT_FALSE(contains(terminal.screen(), "PressEnter")) << terminal.screen();
  EXPECT_EQ(folder_.listing(), "big.bin\n");
}

// A run that ends before the split, started on its own: the question follows its last
// lines, and the exit status is the run's.
struct EarlyEnd {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string_view> lastLines;
  int exitStatus;
};

void PrintTo(const EarlyEnd& end, std::ostream* out) { *out << end.name; }

class ConsoleWindow : public ConsoleNames, public testing::WithParamInterface<EarlyEnd> {};

TEST_P(ConsoleWindow, OfItsOwnWaitsForEnterAfterTheLastLines) {
  const EarlyEnd& end = GetParam();
  fs::create_directory(folder_ / "folder");
  TerminalSession terminal(folder_.path(), programCommand(), kUtf8Terminal);
  for (const auto& [question, answer] : end.steps) {
    ASSERT_TRUE(terminal.waitForScreen(question)) << terminal.screen();
    ASSERT_TRUE(terminal.typeLine(answer)) << terminal.screen();
  }
  for (const std::string_view line : end.lastLines) {
    ASSERT_TRUE(terminal.waitForScreen(line)) << terminal.screen();
  }
  closeWindow(terminal);
  if (HasFatalFailure()) return;
  EXPECT_EQ(terminal.finish(), end.exitStatus) << terminal.screen();
  EXPECT_EQ(folder_.listing(), "folder\n");
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ConsoleWindow,
    testing::Values(
        EarlyEnd{"Declined", {{"Agree (Y for yes, N for no)?", "n"}}, {}, 0},
        // The extra Enter is typed ahead: the window still waits for one.
        EarlyEnd{
            "DeclinedWithAnExtraEnter", {{"Agree (Y for yes, N for no)?", "n"}, {"", ""}}, {}, 0},
        EarlyEnd{"ErrorReport",
                 {{"Agree (Y for yes, N for no)?", "y"}, {"File name for splitting?", "folder"}},
                 {"? System Error:", "? Access denied.", "? OPEN(UNIT=10,..."},
                 255}));

}  // namespace

}  // namespace floppysplit
