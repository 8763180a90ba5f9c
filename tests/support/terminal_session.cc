#include "support/terminal_session.h"

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// Where the terminal control sequence that starts at `start` (an ESC) ends: CSI sequences
// run to a final byte from '@' to '~', OSC sequences to BEL or ESC backslash, and other
// escapes take one byte more.
size_t controlSequenceEnd(std::string_view bytes, size_t start) {
  size_t i = start + 1;
  if (i >= bytes.size()) return i;
  const char kind = bytes[i];
  if (kind == '[') {
    while (i + 1 < bytes.size() && !(bytes[i + 1] >= '@' && bytes[i + 1] <= '~')) ++i;
    return i + 2;
  }
  if (kind == ']') {
    while (i + 1 < bytes.size() && bytes[i + 1] != '\a' && bytes[i + 1] != '\x1b') ++i;
    ++i;
    if (i < bytes.size() && bytes[i] == '\x1b') ++i;
    return i + 1;
  }
  return i + 1;
}

// `bytes` without terminal control sequences, blanks and line ends.
std::string plainText(std::string_view bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size();) {
    const char c = bytes[i];
    if (c == '\x1b') {
      i = controlSequenceEnd(bytes, i);
      continue;
    }
    if (c != ' ' && c != '\r' && c != '\n' && c != '\a') text += c;
    ++i;
  }
  return text;
}

// The cells of the terminal with the cursor on them, fed one byte at a time.
class Screen {
 public:
  void show(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == '\r') {
      column_ = 0;
    } else if (c == '\n') {
      ++row_;
      column_ = std::min(column_, kColumns - 1);
    } else if ((c & 0xc0) == 0x80) {
      // The rest of a UTF-8 sequence belongs to the character before it.
      if (column_ > 0 && column_ <= cells(row_).size()) cells(row_)[column_ - 1] += byte;
    } else if (c >= 0x20 && c != 0x7f) {
      if (column_ == kColumns) {
        ++row_;
        column_ = 0;
      }
      std::vector<std::string>& row = cells(row_);
      if (row.size() <= column_) row.resize(column_ + 1, " ");
      row[column_++] = std::string(1, byte);
    }
  }

  // The rows joined with line feeds, without trailing blanks and empty rows at the end.
  std::string text() const {
    std::string text;
    for (const auto& row : rows_) {
      std::string line;
      for (const std::string& cell : row) line += cell;
      line.erase(line.find_last_not_of(' ') + 1);
      text += line + "\n";
    }
    text.erase(text.find_last_not_of('\n') + 1);
    return text;
  }

 private:
  static constexpr auto kColumns = static_cast<size_t>(kTerminalColumns);

  std::vector<std::string>& cells(size_t row) {
    if (rows_.size() <= row) rows_.resize(row + 1);
    return rows_[row];
  }

  // Each cell holds the bytes of one character; a row as many cells as were written to.
  std::vector<std::vector<std::string>> rows_;
  size_t row_ = 0;
  // kColumns once the last column is written: the next character starts the next row.
  size_t column_ = 0;
};

}  // namespace

std::string screenTextOf(std::string_view shown) {
  Screen screen;
  for (size_t i = 0; i < shown.size();) {
    if (shown[i] == '\x1b') {
      i = controlSequenceEnd(shown, i);
    } else {
      screen.show(shown[i++]);
    }
  }
  return screen.text();
}

TerminalSession::TerminalSession(const fs::path& folder, std::vector<std::string> command,
                                 const Environment& environment) {
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  winsize size{};
  size.ws_row = kTerminalRows;
  size.ws_col = kTerminalColumns;
  child_ = ::forkpty(&terminal_, nullptr, nullptr, &size);
  if (child_ == 0) {
    if (::chdir(folder.c_str()) != 0) _exit(121);
    for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
    ::execvp(argv[0], argv.data());
    _exit(122);
  }
  if (child_ < 0) throw std::runtime_error("cannot start a command on a pseudo-terminal");
}

TerminalSession::~TerminalSession() {
  if (terminal_ >= 0) ::close(terminal_);
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
}

bool TerminalSession::pump(std::chrono::milliseconds timeout) {
  if (terminal_ < 0) return false;
  pollfd fd{terminal_, POLLIN, 0};
  const int ready = ::poll(&fd, 1, static_cast<int>(timeout.count()));
  if (ready < 0 && errno != EINTR) throw std::runtime_error("poll failed");
  if (ready <= 0) return true;
  char buffer[4096];
  const ssize_t n = ::read(terminal_, buffer, sizeof buffer);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
  // Once every process has closed the terminal, reading it fails with EIO.
  if (n <= 0) {
    ::close(terminal_);
    terminal_ = -1;
    return false;
  }
  shown_.append(buffer, static_cast<size_t>(n));
  return true;
}

bool TerminalSession::typeLine(std::string_view line, Typing typing,
                               std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  termios modes{};
  while (typing == Typing::onceOutOfLineMode && ::tcgetattr(terminal_, &modes) == 0 &&
         (modes.c_lflag & ICANON) != 0) {
    if (std::chrono::steady_clock::now() >= deadline || !pump(std::chrono::milliseconds(20))) {
      return false;
    }
  }
  if (terminal_ < 0 || ::tcgetattr(terminal_, &modes) != 0) return false;
  // Enter sends a carriage return, which line editing takes as the end of the line only
  // when it turns carriage returns into line feeds; without that a line feed ends it.
  std::string keys(line);
  keys += typing == Typing::inLineMode && (modes.c_iflag & ICRNL) == 0 ? '\n' : '\r';
  for (size_t done = 0; done < keys.size() && terminal_ >= 0;) {
    const ssize_t n = ::write(terminal_, keys.data() + done, keys.size() - done);
    if (n < 0 && errno != EINTR) throw std::runtime_error("cannot type on the terminal");
    if (n > 0) done += static_cast<size_t>(n);
  }
  return true;
}

bool TerminalSession::waitForScreen(std::string_view text, std::chrono::milliseconds timeout) {
  const std::string wanted = plainText(text);
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    const std::string plain = plainText(shown_);
    const size_t found = plain.find(wanted, searchFrom_);
    if (found != std::string::npos) {
      searchFrom_ = found + wanted.size();
      return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !pump(left)) return false;
  }
}

std::string TerminalSession::screen() const { return plainText(shown_); }

std::string TerminalSession::screenText() const { return screenTextOf(shown_); }

int TerminalSession::finish(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  // The terminal is read all along, so that the command never waits to write; its end,
  // not the terminal's, is awaited, since a helper it started may keep the terminal open.
  pid_t ended = 0;
  while ((ended = ::waitpid(child_, &status, WNOHANG)) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) ::kill(child_, SIGKILL);
    if (!pump(std::chrono::milliseconds(100))) ::usleep(100000);
  }
  child_ = -1;
  // What the command wrote just before it ended may still wait in the terminal.
  size_t before = 0;
  do {
    before = shown_.size();
  } while (pump(std::chrono::milliseconds(0)) && shown_.size() != before);
  if (ended < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace floppysplit
