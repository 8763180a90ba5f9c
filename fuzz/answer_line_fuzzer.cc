// Fuzzes console input lines: carriage returns and tab expansion, the fixed-length text
// field, and the three console readers driven through a stream as the console.
//
// Input: byte 0 chooses TABSIZE, byte 1 and on choose the reader for each read in turn
// (one byte each, as many as the second byte says), and the rest is the console input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dialogue/console.h"
#include "dialogue/console_input.h"
#include "fuzz_check.h"
#include "runtime/text_field.h"

namespace floppysplit {

namespace {

constexpr size_t kFieldLength = 80;

// TABSIZE as a user may have set it, and the width it must give.
struct TabSetting {
  const char* value;  // nullptr: not set
  int width;
};
constexpr TabSetting kTabSettings[] = {
    {nullptr, 8}, {"0", 0}, {"1", 1},  {"4", 4},        {"8", 8},  {"3", 3},
    {"", 8},      {"x", 8}, {"-4", 8}, {"99999", 1024}, {"08", 8}, {"8 ", 8},
};

void checkCleanLine(std::string_view raw, int tabWidth) {
  const std::string line = cleanInputLine(raw, tabWidth);
  FUZZ_CHECK(line.find('\r') == std::string::npos);
  FUZZ_CHECK(line.find('\n') == std::string::npos || raw.find('\n') != std::string_view::npos);
  // Every other character comes over in order; a tab becomes the blanks up to the next
  // tab stop (1 to tabWidth of them) unless the width is 0.
  size_t column = 0;
  for (const char c : raw) {
    if (c == '\r') continue;
    if (c == '\t' && tabWidth > 0) {
      const size_t before = column;
      while (column < line.size() && line[column] == ' ' &&
             (column == before || column % static_cast<size_t>(tabWidth) != 0)) {
        ++column;
      }
      FUZZ_CHECK(column > before);
      FUZZ_CHECK(column - before <= static_cast<size_t>(tabWidth));
      FUZZ_CHECK(column % static_cast<size_t>(tabWidth) == 0);
      continue;
    }
    FUZZ_CHECK(column < line.size() && line[column] == c);
    ++column;
  }
  FUZZ_CHECK(column == line.size());
}

void checkField(std::string_view text, size_t length) {
  TextField field(length);
  field.store(text);
  FUZZ_CHECK(field.all().size() == length);
  const size_t kept = std::min(text.size(), length);
  FUZZ_CHECK(field.all().substr(0, kept) == text.substr(0, kept));
  FUZZ_CHECK(field.all().find_first_not_of(' ', kept) == std::string_view::npos);
  FUZZ_CHECK(field.trimmed().empty() || field.trimmed().back() != ' ');
  FUZZ_CHECK(field.stripped().empty() || field.stripped().front() != ' ');
  field.removeLeadingBlanks();
  FUZZ_CHECK(field.all().size() == length);
  FUZZ_CHECK(field.all().empty() || field.all()[0] != ' ' || field.trimmed().empty());
}

std::string fieldLineOf(std::string_view rawLine, int tabWidth) {
  TextField field(kFieldLength);
  field.store(cleanInputLine(rawLine, tabWidth));
  return std::string(field.all());
}

// Drives the console readers over `input` and checks what each read leaves behind.
void checkConsoleReads(std::string_view input, std::string_view readers, int tabWidth) {
  std::string bytes(input);
  std::FILE* in =
      bytes.empty() ? std::fopen("/dev/null", "r") : fmemopen(bytes.data(), bytes.size(), "r");
  static std::FILE* out = std::fopen("/dev/null", "w");
  FUZZ_CHECK(in != nullptr && out != nullptr);
  setConsoleStreams(in, out);

  TextField field(kFieldLength);
  int64_t number = 0;
  bool ended = false;
  for (const char reader : readers) {
    const long before = std::ftell(in);
    const std::string fieldBefore(field.all());
    const int64_t numberBefore = number;
    Status status = kOk;
    switch (static_cast<unsigned char>(reader) % 3) {
      case 0: {
        status = readAnswerLine(field);
        if (status == kOk) {
          // Exactly one line is used, and the field holds its first 80 characters.
          const size_t end = input.find('\n', static_cast<size_t>(before));
          FUZZ_CHECK(end != std::string_view::npos);
          FUZZ_CHECK(std::ftell(in) == static_cast<long>(end) + 1);
          const std::string_view rawLine =
              input.substr(static_cast<size_t>(before), end - static_cast<size_t>(before));
          FUZZ_CHECK(field.all() == fieldLineOf(rawLine, tabWidth));
        }
        break;
      }
      case 1:
        status = readListValue(field, OnFailure::returnStatus);
        FUZZ_CHECK(status == kOk || status == kEndOfFile);
        break;
      case 2:
        status = readListValue(number, OnFailure::returnStatus);
        FUZZ_CHECK(status == kOk || status == kEndOfFile || status == kIllegalNumericCharacter);
        if (status != kOk) FUZZ_CHECK(number == numberBefore);
        break;
    }
    FUZZ_CHECK(status == kOk || status == kEndOfFile || status == kIllegalNumericCharacter);
    FUZZ_CHECK(field.all().size() == kFieldLength);
    FUZZ_CHECK(field.all().find_first_of("\r\n") == std::string_view::npos);
    if (tabWidth > 0) FUZZ_CHECK(field.all().find('\t') == std::string_view::npos);
    if (status == kEndOfFile) {
      FUZZ_CHECK(field.all() == fieldBefore);
      ended = true;
    } else {
      // A read that succeeds ends right after a line feed: the rest of its line is gone.
      FUZZ_CHECK(!ended);
      const long after = std::ftell(in);
      FUZZ_CHECK(after > before && input[static_cast<size_t>(after) - 1] == '\n');
    }
  }
  setConsoleStreams(nullptr, nullptr);
  std::fclose(in);
}

int checkOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const TabSetting& tabs = kTabSettings[data[0] % std::size(kTabSettings)];
  if (tabs.value == nullptr) {
    unsetenv("TABSIZE");
  } else {
    setenv("TABSIZE", tabs.value, 1);
  }
  FUZZ_CHECK(tabWidthFromEnvironment() == tabs.width);

  const size_t readerCount = std::min<size_t>(data[1] % 16, size - 2);
  const std::string_view readers(reinterpret_cast<const char*>(data) + 2, readerCount);
  const std::string_view input(reinterpret_cast<const char*>(data) + 2 + readerCount,
                               size - 2 - readerCount);

  for (size_t start = 0; start <= input.size();) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view rawLine = input.substr(start, end - start);
    checkCleanLine(rawLine, tabs.width);
    checkField(cleanInputLine(rawLine, tabs.width), kFieldLength);
    checkField(rawLine, 10);
    start = end + 1;
  }
  checkConsoleReads(input, readers, tabs.width);
  return 0;
}

}  // namespace

}  // namespace floppysplit

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return floppysplit::checkOneInput(data, size);
}
