#pragma once
// Runs a command on a pseudo-terminal, as a user at a terminal runs it: the test types
// lines and waits for the screen to show a text before it types the next one.
//
// What the screen shows is compared loosely: a console may draw its text with cursor
// movements and other control sequences, so these, blanks and line ends are left out of
// both the screen and the text looked for. Tests check the files a run writes, not the
// bytes of the screen.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/program_runner.h"

namespace floppysplit {

class TerminalSession {
 public:
  // Starts `command` in `folder` on a new 80 x 25 terminal, with `environment` added.
  TerminalSession(const std::filesystem::path& folder, std::vector<std::string> command,
                  const Environment& environment);
  // Kills a command that is still running and waits for it.
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Types `line` (bytes as the terminal sends them) and the Enter key, once the command
  // reads keys itself. A console takes the terminal out of line mode for that, not always
  // before its first output: keys typed earlier would go through the terminal's line
  // editing, which turns Enter into a line feed. False when the command has ended or has
  // not left line mode within `timeout`.
  bool typeLine(std::string_view line,
                std::chrono::milliseconds timeout = std::chrono::seconds(60));

  // Waits until the screen shows `text` after what the previous wait found. False when the
  // command ends or `timeout` passes first.
  bool waitForScreen(std::string_view text,
                     std::chrono::milliseconds timeout = std::chrono::seconds(60));

  // The screen so far, without control sequences, blanks and line ends: for messages.
  std::string screen() const;

  // Waits for the command to end (killing it after `timeout`); its exit status.
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
