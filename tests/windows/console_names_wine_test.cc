// Names beyond ASCII typed at a console as a user types them: the Windows build runs in
// wine's console on a pseudo-terminal whose user types UTF-8, and the console hands the
// program the name in its own code page (437 unless `chcp` changes it). The console draws
// its text with control sequences of its own, so these tests check the files written.
//
// These tests need FLOPPYSPLIT_COMMAND to name the Windows build under wine (see
// scripts/test-windows.sh); without it they are skipped, and say so.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
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

class ConsoleNames : public WindowsBuildTest {
 protected:
  // Answers the whole dialogue on `terminal` for `name`, in pieces of 1 KB, each answer
  // once its question is on the screen.
  static void answerDialogue(TerminalSession& terminal, std::string_view name) {
    const std::pair<std::string_view, std::string_view> steps[] = {
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
  EXPECT_EQ(terminal.finish(), 0);
  // The script holds the name as the console handed it over: é is 82 in code page 437.
  expectSplit("caf\u00e9.bin", bytes, "caf\x82.bin");

  fs::remove(folder_ / "caf\u00e9.bin");
  const RunResult joined = runCommand(folder_.path(), commandProcessorCommand("Recomb.cmd"), "");
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
  ASSERT_TRUE(terminal.typeLine("exit")) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 0) << terminal.screen();
  expectSplit(name, bytes, name);
}

}  // namespace

}  // namespace floppysplit
