#include "dialogue/layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace floppysplit {

namespace {

// Widths beyond this are clamped: no layout of the program comes near it, and a stray
// huge width must not turn into a huge allocation.
constexpr int kMaxWidth = 4096;

struct Code {
  enum class Kind { text, slash, a, i, f };
  Kind kind;
  std::string text;           // for Kind::text
  std::optional<int> width;   // W, when given
  std::optional<int> detail;  // M of iW.M, D of fW.D
};

class LayoutParser {
 public:
  explicit LayoutParser(std::string_view layout) : layout_(layout) {}

  std::vector<Code> parse() {
    std::vector<Code> codes;
    skipBlanks();
    if (peek() == '(') ++position_;
    while (true) {
      skipBlanks();
      if (atEnd() || peek() == ')') break;
      const char c = peek();
      if (c == '/') {
        ++position_;
        codes.push_back({Code::Kind::slash, {}, {}, {}});
      } else if (c == '\'' || c == '"') {
        codes.push_back({Code::Kind::text, quoted(c), {}, {}});
      } else if (c == 'a' || c == 'A') {
        ++position_;
        codes.push_back({Code::Kind::a, {}, number(), {}});
      } else if (c == 'i' || c == 'I' || c == 'f' || c == 'F') {
        ++position_;
        const auto kind = (c == 'i' || c == 'I') ? Code::Kind::i : Code::Kind::f;
        std::optional<int> width = number();
        std::optional<int> detail;
        skipBlanks();
        if (!atEnd() && peek() == '.') {
          ++position_;
          detail = number();
        }
        codes.push_back({kind, {}, width, detail});
      } else {
        ++position_;  // A comma between codes, or no layout code at all: passed over.
      }
    }
    return codes;
  }

 private:
  bool atEnd() const { return position_ >= layout_.size(); }
  char peek() const { return layout_[position_]; }

  void skipBlanks() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t')) ++position_;
  }

  // Digits, with blanks allowed among them; nothing when no digit follows.
  std::optional<int> number() {
    std::optional<int> value;
    while (true) {
      skipBlanks();
      if (atEnd() || peek() < '0' || peek() > '9') return value;
      value = std::min(kMaxWidth, value.value_or(0) * 10 + (peek() - '0'));
      ++position_;
    }
  }

  std::string quoted(char mark) {
    std::string text;
    ++position_;
    while (!atEnd()) {
      const char c = layout_[position_++];
      if (c != mark) {
        text += c;
      } else if (!atEnd() && peek() == mark) {
        text += mark;
        ++position_;
      } else {
        break;
      }
    }
    return text;
  }

  std::string_view layout_;
  size_t position_ = 0;
};

std::string stars(int width) { return std::string(static_cast<size_t>(width), '*'); }

std::string rightAligned(const std::string& text, std::optional<int> width) {
  if (!width) return text;
  const auto w = static_cast<size_t>(*width);
  if (text.size() > w) return stars(*width);
  return std::string(w - text.size(), ' ') + text;
}

std::string formatText(std::string_view text, std::optional<int> width) {
  if (!width) return std::string(text);
  const auto w = static_cast<size_t>(*width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

std::string formatInteger(int64_t value, std::optional<int> width, std::optional<int> minDigits) {
  // Magnitude in unsigned arithmetic, so that the most negative value is no special case.
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  if (minDigits) {
    if (*minDigits == 0 && magnitude == 0) digits.clear();
    if (digits.size() < static_cast<size_t>(*minDigits)) {
      digits.insert(0, static_cast<size_t>(*minDigits) - digits.size(), '0');
    }
  }
  if (value < 0) digits = "-" + digits;
  return rightAligned(digits, width);
}

std::string formatRealIn(double value, std::optional<int> width, int decimals) {
  if (!std::isfinite(value)) {
    const char* text = std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    return rightAligned(text, width);
  }
  // The exact decimal expansion of a double ends within 1074 places after the point, so
  // asking for 1100 places gives every digit exactly and the rounding below sees them all.
  static char buffer[1500];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                          std::chars_format::fixed, 1100);
  if (error != std::errc()) return stars(width.value_or(1));
  const std::string_view expansion(buffer, static_cast<size_t>(end - buffer));
  const size_t point = expansion.find('.');
  const size_t keptLength = point + 1 + static_cast<size_t>(decimals);
  // More decimals than the expansion holds: the digits after its end are all zeros.
  std::string kept(expansion.substr(0, keptLength));
  kept.resize(keptLength, '0');
  const char firstDropped = keptLength < expansion.size() ? expansion[keptLength] : '0';
  if (decimals == 0) kept.pop_back();  // no point when no decimals are shown
  if (firstDropped >= '5') {
    // Round half up on the decimal digits: carry from the last kept digit leftwards.
    size_t i = kept.size();
    while (i > 0) {
      --i;
      if (kept[i] == '.') continue;
      if (kept[i] != '9') {
        ++kept[i];
        break;
      }
      kept[i] = '0';
      if (i == 0) kept.insert(0, 1, '1');
    }
  }
  const bool nonZero = kept.find_first_of("123456789") != std::string::npos;
  if (value < 0 && nonZero) kept = "-" + kept;
  return rightAligned(kept, width);
}

// One data code applied to its item; an item of the wrong kind fills the field with stars.
std::string formatItem(const Code& code, const Item& item) {
  if (code.kind == Code::Kind::a && item.kind() == Item::Kind::text) {
    return formatText(item.text(), code.width);
  }
  if (code.kind == Code::Kind::i && item.kind() == Item::Kind::integer) {
    return formatInteger(item.integer(), code.width, code.detail);
  }
  if (code.kind == Code::Kind::f && item.kind() == Item::Kind::real) {
    return formatRealIn(item.real(), code.width, code.detail.value_or(0));
  }
  return stars(code.width.value_or(1));
}

}  // namespace

std::string formatReal(double value, int width, int decimals) {
  return formatRealIn(value, width, decimals);
}

std::vector<std::string> formatLines(std::string_view layout, std::span<const Item> items) {
  const std::vector<Code> codes = LayoutParser(layout).parse();
  std::vector<std::string> lines;
  std::string line;
  size_t next = 0;
  for (const Code& code : codes) {
    const bool isData = code.kind != Code::Kind::text && code.kind != Code::Kind::slash;
    if (isData && next == items.size()) break;
    switch (code.kind) {
      case Code::Kind::text:
        line += code.text;
        break;
      case Code::Kind::slash:
        lines.push_back(std::move(line));
        line.clear();
        break;
      default:
        line += formatItem(code, items[next++]);
        break;
    }
  }
  lines.push_back(std::move(line));
  return lines;
}

}  // namespace floppysplit
