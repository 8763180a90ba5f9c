// Fuzzes the free-form value reader and the integer parser.
//
// Input: the first byte chooses the target (even: a text field, odd: an integer); the rest
// is console input, a line ending at each line feed; text after the last line feed is an
// unfinished line and counts as end of input, as on the console.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/list_value.h"
#include "fuzz_check.h"

namespace floppysplit {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The canonical decimal form of a signed digit string: no '+', no leading zeros, no "-0".
std::string canonical(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const size_t firstNonZero = text.find_first_not_of('0');
  if (firstNonZero == std::string_view::npos) return "0";
  return (negative ? "-" : "") + std::string(text.substr(firstNonZero));
}

// Whether `text` is an optional sign and at least one digit, and nothing else.
bool isSignedDigits(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (const char c : text) {
    if (!isDigit(c)) return false;
  }
  return true;
}

// Whether a canonical signed digit string lies within the 8-byte range.
bool fitsEightBytes(const std::string& digits) {
  const bool negative = digits[0] == '-';
  const std::string_view magnitude = std::string_view(digits).substr(negative ? 1 : 0);
  const std::string_view limit = negative ? "9223372036854775808" : "9223372036854775807";
  if (magnitude.size() != limit.size()) return magnitude.size() < limit.size();
  return magnitude <= limit;
}

void checkInteger(std::string_view text) {
  constexpr int64_t kUntouched = 0x5a5a5a5a5a5a5a5a;
  int64_t value = kUntouched;
  const Status status = parseListInteger(text, &value);
  FUZZ_CHECK(status == kOk || status == kIllegalNumericCharacter);
  const bool valid = isSignedDigits(text) && fitsEightBytes(canonical(text));
  FUZZ_CHECK((status == kOk) == valid);
  if (status == kOk) {
    FUZZ_CHECK(std::to_string(value) == canonical(text));
  } else {
    FUZZ_CHECK(value == kUntouched);
  }
}

int checkOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const ListTarget target = (data[0] & 1) != 0 ? ListTarget::integer : ListTarget::text;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = input.find('\n', start)) != std::string_view::npos;
       start = end + 1) {
    lines.emplace_back(input.substr(start, end - start));
  }
  size_t used = 0;
  bool exhausted = false;
  const LineSupplier supplier = [&]() -> std::optional<std::string> {
    FUZZ_CHECK(!exhausted);  // nothing is read after the end of input
    if (used == lines.size()) {
      exhausted = true;
      return std::nullopt;
    }
    return lines[used++];
  };
  const ListToken token = readListToken(supplier, target);

  FUZZ_CHECK((token.kind == ListToken::Kind::endOfInput) == exhausted);
  FUZZ_CHECK(token.kind == ListToken::Kind::value || token.text.empty());
  if (token.kind == ListToken::Kind::endOfInput) return 0;

  // Blank lines are passed over; the item starts on the first line that holds something.
  size_t first = 0;
  while (first < used && lines[first].find_first_not_of(" \t") == std::string::npos) ++first;
  FUZZ_CHECK(first < used);
  const std::string& line = lines[first];
  size_t start = line.find_first_not_of(" \t");
  size_t digitsEnd = start;
  while (digitsEnd < line.size() && isDigit(line[digitsEnd])) ++digitsEnd;
  const bool repeated = digitsEnd > start && digitsEnd < line.size() && line[digitsEnd] == '*';
  if (repeated) start = digitsEnd + 1;
  const bool emptyRepeat = repeated && (start == line.size() || isSeparator(line[start]));
  const bool keeps = emptyRepeat || (!repeated && (line[start] == '/' || line[start] == ','));
  FUZZ_CHECK((token.kind == ListToken::Kind::keep) == keeps);

  const bool quoted =
      !keeps && target == ListTarget::text && (line[start] == '\'' || line[start] == '"');
  if (token.kind == ListToken::Kind::keep || quoted) {
    // A quoted text may go on over further lines, but never holds more than they do.
    size_t available = 0;
    for (size_t i = first; i < used; ++i) available += lines[i].size();
    FUZZ_CHECK(token.text.size() <= available);
  } else {
    // An item without quotes is the run of characters up to the next separator.
    FUZZ_CHECK(used == first + 1);
    FUZZ_CHECK(!token.text.empty());
    FUZZ_CHECK(line.compare(start, token.text.size(), token.text) == 0);
    const size_t after = start + token.text.size();
    FUZZ_CHECK(after == line.size() || isSeparator(line[after]));
    for (const char c : token.text) FUZZ_CHECK(!isSeparator(c));
  }
  if (token.kind == ListToken::Kind::value) checkInteger(token.text);
  checkInteger(input);
  return 0;
}

}  // namespace

}  // namespace floppysplit

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return floppysplit::checkOneInput(data, size);
}
