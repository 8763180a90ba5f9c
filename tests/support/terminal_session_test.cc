// The screen that terminal tests compare against, and typing at a command that leaves the
// terminal in line mode.

#include "support/terminal_session.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

struct ScreenCase {
  const char* name;
  std::string shown;
  std::string screen;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }

const std::string kFullRow(kTerminalColumns, 'x');

class ScreenText : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenText, IsWhatTheBytesLeaveOnTheTerminal) {
  EXPECT_EQ(screenTextOf(GetParam().shown), GetParam().screen);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ScreenText,
    testing::Values(
        ScreenCase{"Lines", "one\r\ntwo\r\n", "one\ntwo"},
        ScreenCase{"EmptyRowsBetweenKept", "a\r\n\r\n\r\nb\r\n\r\n", "a\n\n\nb"},
        ScreenCase{"RedrawnLine", "copying 9\rcopying 10\rdone\r\n", "doneing 10"},
        ScreenCase{"ErasedLine", "Name?\r\nbig\r\n12%\r100%\r     \rNormal exit.\r\n",
                   "Name?\nbig\nNormal exit."},
        ScreenCase{"LineFeedKeepsTheColumn", "ab\ncd", "ab\n  cd"},
        ScreenCase{"WrapsAfterTheLastColumn", kFullRow + "yz", kFullRow + "\nyz"},
        ScreenCase{"FullRowThenLineEnd", kFullRow + "\r\nyz\n!", kFullRow + "\nyz\n  !"},
        ScreenCase{"ControlSequencesMoveNothing",
                   "\x1b[2J\x1b[1;1Hred \x1b[31mtext\x1b[0m\x1b]0;title\a\a\t\r\n", "red text"},
        ScreenCase{"Utf8CharacterIsOneCell", "caf\xc3\xa9!\rcafe\r\n\xc3\xa9", "cafe!\n\xc3\xa9"}));

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
