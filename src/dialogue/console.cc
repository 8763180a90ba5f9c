#include "dialogue/console.h"

#include <cerrno>
#include <cstdio>

#include "dialogue/console_input.h"
#include "dialogue/layout.h"
#include "dialogue/list_value.h"
#include "dialogue/progress_line.h"
#include "platform/console_io.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

void writeConsoleLines(std::span<const std::string> lines) {
  // A line the progress line would otherwise share its row with.
  eraseProgress();
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  std::FILE* out = consoleOut();
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    reportAndExit(osConsoleError(), Statement::write, kConsoleUnit);
  }
}

Status finishRead(Status status, OnFailure onFailure) {
  if (status != kOk && onFailure == OnFailure::report) {
    reportAndExit(status == kEndOfFile ? kReadPastEndOfFile : status, Statement::read,
                  kConsoleUnit);
  }
  return status;
}

ListToken readConsoleToken(ListTarget target) { return readListToken(readConsoleLine, target); }

}  // namespace

std::string listLineText(std::span<const Item> items) {
  std::string line = " ";
  bool afterNumber = false;
  for (const Item& item : items) {
    switch (item.kind()) {
      case Item::Kind::text:
        if (afterNumber) line += ' ';
        line += item.text();
        afterNumber = false;
        break;
      case Item::Kind::integer: {
        const int64_t value = item.integer();
        const uint64_t magnitude =
            value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        line += value < 0 ? " -" : "  ";
        line += std::to_string(magnitude);
        afterNumber = true;
        break;
      }
      case Item::Kind::real:
        // Not used in list lines; written like a number so nothing is lost.
        line += "  " + std::to_string(item.real());
        afterNumber = true;
        break;
    }
  }
  return line;
}

void writeListLine(std::initializer_list<Item> items) {
  const std::string line = listLineText(items);
  writeConsoleLines(std::span(&line, 1));
}

void writeConsoleLine(std::string_view text) {
  const std::string line(text);
  writeConsoleLines(std::span(&line, 1));
}

void writeFormatted(std::string_view layout, std::initializer_list<Item> items) {
  writeConsoleLines(formatLines(layout, items));
}

void writeFormattedToField(TextField& field, std::string_view layout,
                           std::initializer_list<Item> items) {
  field.store(formatLines(layout, items).front());
}

Status readAnswerLine(TextField& field) {
  std::optional<std::string> line = readConsoleLine();
  if (!line) return kEndOfFile;
  field.store(*line);
  return kOk;
}

Status readListValue(TextField& field, OnFailure onFailure) {
  const ListToken token = readConsoleToken(ListTarget::text);
  if (token.kind == ListToken::Kind::endOfInput) return finishRead(kEndOfFile, onFailure);
  if (token.kind == ListToken::Kind::value) field.store(token.text);
  return kOk;
}

Status readListValue(int64_t& value, OnFailure onFailure) {
  const ListToken token = readConsoleToken(ListTarget::integer);
  if (token.kind == ListToken::Kind::endOfInput) return finishRead(kEndOfFile, onFailure);
  if (token.kind == ListToken::Kind::keep) return kOk;
  return finishRead(parseListInteger(token.text, &value), onFailure);
}

}  // namespace floppysplit
