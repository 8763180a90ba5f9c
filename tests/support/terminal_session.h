#pragma once
// Runs a command on a pseudo-terminal, as a user at a terminal runs it: the test types
// lines and waits for the screen to show a text before it types the next one.
//
// What the screen shows is compared loosely while the command runs: a console may draw its
// text with cursor movements and other control sequences, so these, blanks and line ends
// are left out of both the screen and the text looked for. A command that writes plain
// lines, carriage returns included, can also be held to its whole screen (screenText).

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/program_runner.h"

namespace floppysplit {

// The terminal's size.
inline constexpr int kTerminalColumns = 80;
inline constexpr int kTerminalRows = 25;

// How typed keys reach the command.
enum class Typing {
  // The command reads keys itself once it takes the terminal out of line mode, as a
  // console does: typing waits for that.
  onceOutOfLineMode,
  // The terminal's line editing hands the command the line at Enter, as for a program that
  // reads its standard input and leaves the terminal as it is: typed at once.
  inLineMode,
};

// The screen that the bytes `shown` leave on the terminal, as text: its rows joined with
// "\n", each without its trailing blanks, and without empty rows at the end. Printable
// characters (a UTF-8 sequence is one) overwrite the cell under the cursor; carriage
// return goes to the first column, line feed one row down, and a character past the last
// column starts the next row. Rows that scroll off the top are kept, so the screen holds
// the whole run. Control sequences and other control characters move nothing.
std::string screenTextOf(std::string_view shown);

class TerminalSession {
 public:
  // Starts `command` in `folder` on a new 80 x 25 terminal, with `environment` added.
  TerminalSession(const std::filesystem::path& folder, std::vector<std::string> command,
                  const Environment& environment);
  // Kills a command that is still running and waits for it.
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Types `line` (bytes as the terminal sends them) and the Enter key. With
  // Typing::onceOutOfLineMode it waits until the command reads keys itself: a console takes
  // the terminal out of line mode for that, not always before its first output, and keys
  // typed earlier would go through the terminal's line editing, which turns Enter into a
  // line feed. False when the command has ended, or has not left line mode within
  // `timeout`.
  bool typeLine(std::string_view line, Typing typing = Typing::onceOutOfLineMode,
                std::chrono::milliseconds timeout = std::chrono::seconds(60));

  // Waits until the screen shows `text` after what the previous wait found. False when the
  // command ends or `timeout` passes first.
  bool waitForScreen(std::string_view text,
                     std::chrono::milliseconds timeout = std::chrono::seconds(60));

  // The screen so far, without control sequences, blanks and line ends: for messages.
  std::string screen() const;

  // The screen so far, row by row (screenTextOf).
  std::string screenText() const;

  // Waits for the command to end (killing it after `timeout`); its exit status. All that
  // the command wrote is on the screen then.
  int finish(std::chrono::milliseconds timeout = std::chrono::seconds(60));

 private:
  // Reads what the terminal has shown, waiting at most `timeout`; false once the command
  // has closed the terminal.
  bool pump(std::chrono::milliseconds timeout);

  pid_t child_ = -1;
  int terminal_ = -1;
  std::string shown_;
  size_t searchFrom_ = 0;
};

}  // namespace floppysplit
