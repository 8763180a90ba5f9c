#include "dialogue/console_input.h"

#include <cstdlib>

#include "platform/interruption.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

constexpr int kDefaultTabWidth = 8;
constexpr int kMaxTabWidth = 1024;

std::FILE* gIn = nullptr;
std::FILE* gOut = nullptr;

}  // namespace

int tabWidthFromEnvironment() {
  const char* value = std::getenv("TABSIZE");
  if (value == nullptr || *value == '\0') return kDefaultTabWidth;
  int width = 0;
  for (const char* c = value; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return kDefaultTabWidth;
    width = width * 10 + (*c - '0');
    if (width > kMaxTabWidth) width = kMaxTabWidth;
  }
  return width;
}

std::string cleanInputLine(std::string_view raw, int tabWidth) {
  std::string line;
  line.reserve(raw.size());
  for (const char c : raw) {
    if (c == '\r') continue;
    if (c == '\t' && tabWidth > 0) {
      const size_t blanks =
          static_cast<size_t>(tabWidth) - line.size() % static_cast<size_t>(tabWidth);
      line.append(blanks, ' ');
    } else {
      line += c;
    }
  }
  return line;
}

std::optional<std::string> readConsoleLine() {
  stopIfInterrupted();
  std::string raw;
  while (true) {
    const int c = std::getc(consoleIn());
    if (c == EOF) {
      // An interruption cuts a read short: that is no end of input, and ends the run.
      if (osReadEndedByInterruption()) stopIfInterrupted();
      return std::nullopt;
    }
    if (c == '\n') break;
    raw += static_cast<char>(c);
  }
  return cleanInputLine(raw, tabWidthFromEnvironment());
}

void setConsoleStreams(std::FILE* in, std::FILE* out) {
  gIn = in;
  gOut = out;
}

std::FILE* consoleIn() { return gIn != nullptr ? gIn : stdin; }
std::FILE* consoleOut() { return gOut != nullptr ? gOut : stdout; }

}  // namespace floppysplit
