#include "dialogue/list_value.h"

#include <limits>

namespace floppysplit {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a quoted text that starts at line[position] (the opening mark) and may go on over
// further lines, joined with nothing between them.
ListToken readQuoted(const LineSupplier& nextLine, std::string line, size_t position) {
  const char mark = line[position++];
  ListToken token{ListToken::Kind::value, {}};
  while (true) {
    while (position < line.size()) {
      const char c = line[position++];
      if (c != mark) {
        token.text += c;
      } else if (position < line.size() && line[position] == mark) {
        token.text += mark;
        ++position;
      } else {
        return token;
      }
    }
    std::optional<std::string> next = nextLine();
    if (!next) return {};
    line = std::move(*next);
    position = 0;
  }
}

}  // namespace

ListToken readListToken(const LineSupplier& nextLine, ListTarget target) {
  std::string line;
  size_t position = 0;
  while (true) {
    std::optional<std::string> next = nextLine();
    if (!next) return {};
    line = std::move(*next);
    position = line.find_first_not_of(" \t");
    if (position != std::string::npos) break;
  }
  if (line[position] == '/' || line[position] == ',') return {ListToken::Kind::keep, {}};

  size_t end = position;
  while (end < line.size() && isDigit(line[end])) ++end;
  if (end > position && end < line.size() && line[end] == '*') {
    position = end + 1;
    if (position == line.size() || isSeparator(line[position])) {
      return {ListToken::Kind::keep, {}};
    }
  }

  if (target == ListTarget::text && (line[position] == '\'' || line[position] == '"')) {
    return readQuoted(nextLine, std::move(line), position);
  }
  end = position;
  while (end < line.size() && !isSeparator(line[end])) ++end;
  return {ListToken::Kind::value, line.substr(position, end - position)};
}

Status parseListInteger(std::string_view text, int64_t* value) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return kIllegalNumericCharacter;
  // Accumulate the magnitude unsigned; the most negative value has one more than the most
  // positive.
  const uint64_t limit =
      static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  for (const char c : text) {
    if (!isDigit(c)) return kIllegalNumericCharacter;
    const auto digit = static_cast<uint64_t>(c - '0');
    if (magnitude > (limit - digit) / 10) return kIllegalNumericCharacter;
    magnitude = magnitude * 10 + digit;
  }
  *value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return kOk;
}

}  // namespace floppysplit
