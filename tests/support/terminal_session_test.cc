// The screen that terminal tests compare against, and typing at a command that leaves the
// terminal in line mode.

#include "support/terminal_session.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

TEST(TerminalSession, ScreenTextIsWhatTheBytesLeaveOnTheTerminal) {
  EXPECT_EQ(screenTextOf("one\r\n\r\n\r\ntwo\r\n\r\n"), "one\n\n\ntwo");
  EXPECT_EQ(screenTextOf("copying 9\rcopying 10\rdone\r\n"), "doneing 10");
  EXPECT_EQ(screenTextOf("Name?\r\n12%\r100%\r     \rNormal exit.\r\n"), "Name?\nNormal exit.");
  EXPECT_EQ(screenTextOf("ab\ncd"), "ab\n  cd");
  const std::string fullRow(kTerminalColumns, 'x');
  EXPECT_EQ(screenTextOf(fullRow + "yz"), fullRow + "\nyz");
  EXPECT_EQ(screenTextOf(fullRow + "\r\nyz\n!"), fullRow + "\nyz\n  !");
  EXPECT_EQ(screenTextOf("\x1b[2J\x1b[1;1Hred \x1b[31mtext\x1b[0m\x1b]0;title\a\a\t\r\n"),
            "red text");
  EXPECT_EQ(screenTextOf("caf\xc3\xa9!\rcafe\r\n\xc3\xa9"), "cafe!\n\xc3\xa9");
}

TEST(TerminalSession, TypesInLineModeAndShowsAllTheCommandWrote) {
  ScratchFolder folder;
  TerminalSession terminal(
      folder.path(),
      {"/bin/sh", "-c",
       R"(printf 'Name?\n'; read name; printf '1%%\r100%%\r    \rgot %s\n' "$name")"},
      {});
  ASSERT_TRUE(terminal.waitForScreen("Name?")) << terminal.screen();
  ASSERT_TRUE(terminal.typeLine("big file", Typing::inLineMode)) << terminal.screen();
  EXPECT_EQ(terminal.finish(), 0);
  EXPECT_EQ(terminal.screenText(), "Name?\nbig file\ngot big file");
}

}  // namespace

}  // namespace floppysplit
