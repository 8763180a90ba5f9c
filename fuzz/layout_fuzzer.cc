// Fuzzes the layout interpreter of formatted lines.
//
// Two modes, chosen by the input. Either a layout text is taken as it stands, with items of
// any kind: nothing may crash, and no line end may appear that neither the layout nor an
// item held. Or a layout is built code by code, with blanks strewn among its characters,
// and every field it writes is then found in the output and checked: exact width, value,
// digits, decimals, and the lines that the slashes make.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/layout.h"
#include "fuzz_check.h"

namespace floppysplit {

namespace {

// The widest field the interpreter writes; larger widths are taken as this.
constexpr int kMaxWidth = 4096;

double someReal(FuzzedDataProvider& bytes) {
  switch (bytes.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return std::numeric_limits<double>::infinity();
    case 1:
      return std::numeric_limits<double>::quiet_NaN();
    case 2:
      return std::numeric_limits<double>::denorm_min();
    case 3:
      return -std::numeric_limits<double>::max();
    case 4:
      return static_cast<double>(bytes.ConsumeIntegral<int32_t>()) / 1024.0;
    default:
      return bytes.ConsumeFloatingPoint<double>();
  }
}

// Items live in `texts` so that the text items' views stay valid.
std::vector<Item> someItems(FuzzedDataProvider& bytes, std::vector<std::string>& texts) {
  std::vector<Item> items;
  const size_t count = bytes.ConsumeIntegralInRange<size_t>(0, 12);
  texts.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    switch (bytes.ConsumeIntegralInRange(0, 3)) {
      case 0:
        texts.push_back(bytes.ConsumeRandomLengthString(64));
        items.emplace_back(texts.back());
        break;
      case 1:
        items.emplace_back(bytes.ConsumeIntegral<int32_t>());
        break;
      case 2:
        items.emplace_back(bytes.ConsumeIntegral<int64_t>());
        break;
      default:
        items.emplace_back(someReal(bytes));
        break;
    }
  }
  return items;
}

bool holdsLineEnd(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

void checkRawLayout(FuzzedDataProvider& bytes) {
  const std::string layout = bytes.ConsumeRandomLengthString(512);
  std::vector<std::string> texts;
  const std::vector<Item> items = someItems(bytes, texts);
  const std::vector<std::string> lines = formatLines(layout, items);

  bool lineEndsGiven = holdsLineEnd(layout);
  size_t itemBytes = 0;
  for (const std::string& text : texts) {
    lineEndsGiven = lineEndsGiven || holdsLineEnd(text);
    itemBytes += text.size();
  }
  size_t slashes = 0;
  for (const char c : layout) slashes += c == '/' ? 1 : 0;
  FUZZ_CHECK(!lines.empty() && lines.size() <= slashes + 1);
  size_t total = 0;
  for (const std::string& line : lines) {
    FUZZ_CHECK(lineEndsGiven || !holdsLineEnd(line));
    total += line.size();
  }
  // Each field is at most kMaxWidth wide, or a whole text item, or a real written in full
  // (at most 309 digits before the point and kMaxWidth after it).
  FUZZ_CHECK(total <= layout.size() + itemBytes + items.size() * (kMaxWidth + 400));
}

// One code of a built layout, and what it must write.
struct Field {
  char code;         // 'a', 'i', 'f', or 0 for a quoted text
  int width = 0;     // W as written into the layout
  int detail = -1;   // M or D, when written
  std::string text;  // the quoted text's own characters
  size_t item = 0;   // which item it takes
};

std::string strewBlanks(FuzzedDataProvider& bytes, std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (bytes.ConsumeIntegralInRange(0, 7) == 0) out += bytes.ConsumeBool() ? ' ' : '\t';
    out += c;
  }
  return out;
}

std::string quote(std::string_view text, char mark) {
  std::string out(1, mark);
  for (const char c : text) {
    out += c;
    if (c == mark) out += mark;
  }
  out += mark;
  return out;
}

int someWidth(FuzzedDataProvider& bytes) {
  return bytes.ConsumeIntegralInRange(0, 15) == 0 ? bytes.ConsumeIntegralInRange(0, 6000)
                                                  : bytes.ConsumeIntegralInRange(0, 40);
}

// Checks one field of `width` columns written for `item` by `field`.
void checkField(const Field& field, std::string_view shown, const Item& item) {
  const auto width = static_cast<size_t>(std::min(field.width, kMaxWidth));
  FUZZ_CHECK(shown.size() == width);
  if (width == 0) return;
  if (shown.find_first_not_of('*') == std::string_view::npos) {
    // Stars only when the value does not fit.
    if (field.code == 'i' && item.kind() == Item::Kind::integer) {
      const int64_t value = item.integer();
      const uint64_t magnitude =
          value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
      size_t digits = magnitude == 0 && field.detail == 0 ? 0 : std::to_string(magnitude).size();
      if (field.detail >= 0) digits = std::max(digits, static_cast<size_t>(field.detail));
      FUZZ_CHECK(digits + (value < 0 ? 1 : 0) > width);
    }
    return;
  }
  const std::string_view value = shown.substr(std::min(shown.find_first_not_of(' '), width));
  switch (field.code) {
    case 'a': {
      FUZZ_CHECK(item.kind() == Item::Kind::text);
      const std::string_view text = item.text();
      if (text.size() >= width) {
        FUZZ_CHECK(shown == text.substr(0, width));
      } else {
        FUZZ_CHECK(shown.substr(width - text.size()) == text);
        FUZZ_CHECK(shown.substr(0, width - text.size()).find_first_not_of(' ') ==
                   std::string_view::npos);
      }
      break;
    }
    case 'i': {
      FUZZ_CHECK(item.kind() == Item::Kind::integer);
      const bool negative = item.integer() < 0;
      const std::string_view digits = value.substr(negative ? 1 : 0);
      if (negative) FUZZ_CHECK(!value.empty() && value[0] == '-');
      FUZZ_CHECK(digits.find_first_not_of("0123456789") == std::string_view::npos);
      if (field.detail >= 0) {
        FUZZ_CHECK(digits.size() >= static_cast<size_t>(std::min(field.detail, kMaxWidth)));
      }
      if (!digits.empty()) {
        FUZZ_CHECK(std::strtoll(std::string(value).c_str(), nullptr, 10) == item.integer());
      } else {
        FUZZ_CHECK(item.integer() == 0 && field.detail == 0);  // i W.0 writes zero as blanks
      }
      break;
    }
    case 'f': {
      FUZZ_CHECK(item.kind() == Item::Kind::real);
      const double real = item.real();
      if (!std::isfinite(real)) break;
      const size_t point = value.find('.');
      const auto decimals = static_cast<size_t>(std::min(std::max(field.detail, 0), kMaxWidth));
      if (decimals == 0) {
        FUZZ_CHECK(point == std::string_view::npos);
      } else {
        FUZZ_CHECK(point != std::string_view::npos && point > 0);
        FUZZ_CHECK(value.size() - point - 1 == decimals);
      }
      FUZZ_CHECK(value.find_first_not_of("-0123456789.") == std::string_view::npos);
      // Rounded to the last shown decimal: within half a unit of it.
      const double shownValue = std::strtod(std::string(value).c_str(), nullptr);
      const double unit = std::pow(10.0, -static_cast<double>(decimals));
      FUZZ_CHECK(std::fabs(shownValue - real) <= unit / 2 + std::fabs(real) * 1e-15 + 1e-300);
      break;
    }
  }
}

void checkBuiltLayout(FuzzedDataProvider& bytes) {
  std::vector<Field> fields;
  std::vector<bool> slashBefore;  // whether the separator before field i is a slash
  std::vector<std::string> texts;
  std::vector<Item> items;
  std::string layout = "(";
  const size_t codeCount = bytes.ConsumeIntegralInRange<size_t>(0, 10);
  texts.reserve(codeCount);
  for (size_t i = 0; i < codeCount; ++i) {
    const bool slash = i > 0 && bytes.ConsumeIntegralInRange(0, 5) == 0;
    if (i > 0) layout += slash ? "/" : ",";
    slashBefore.push_back(slash);
    Field field;
    switch (bytes.ConsumeIntegralInRange(0, 3)) {
      case 0:
        field.code = 0;
        field.text = bytes.ConsumeRandomLengthString(20);
        layout += quote(field.text, bytes.ConsumeBool() ? '\'' : '"');
        fields.push_back(field);
        continue;
      case 1:
        field.code = 'a';
        field.width = someWidth(bytes);
        layout += strewBlanks(bytes, "a" + std::to_string(field.width));
        break;
      case 2:
        field.code = 'i';
        field.width = someWidth(bytes);
        if (bytes.ConsumeBool()) field.detail = bytes.ConsumeIntegralInRange(0, 30);
        layout += strewBlanks(
            bytes, "i" + std::to_string(field.width) +
                       (field.detail >= 0 ? "." + std::to_string(field.detail) : std::string()));
        break;
      default:
        field.code = 'f';
        field.width = someWidth(bytes);
        field.detail = someWidth(bytes) % (bytes.ConsumeBool() ? 8 : 3000);
        layout += strewBlanks(
            bytes, "f" + std::to_string(field.width) + "." + std::to_string(field.detail));
        break;
    }
    // Mostly the kind the code asks for; now and then another, which shows as stars.
    const bool matching = bytes.ConsumeIntegralInRange(0, 9) != 0;
    const char kind = matching ? field.code : "aif"[bytes.ConsumeIntegralInRange(0, 2)];
    field.item = items.size();
    if (kind == 'a') {
      texts.push_back(bytes.ConsumeRandomLengthString(30));
      items.emplace_back(texts.back());
    } else if (kind == 'i') {
      items.emplace_back(bytes.ConsumeIntegral<int64_t>());
    } else {
      items.emplace_back(someReal(bytes));
    }
    fields.push_back(field);
  }
  layout += ")";
  // Fewer items than data codes, at times: output stops at the first code without one.
  const size_t given =
      bytes.ConsumeBool() ? items.size() : bytes.ConsumeIntegralInRange<size_t>(0, items.size());
  const std::vector<std::string> lines =
      formatLines(layout, std::span<const Item>(items).first(given));

  // Walk the layout again and find each field where it must stand.
  size_t line = 0;
  size_t column = 0;
  for (size_t i = 0; i < fields.size(); ++i) {
    const Field& field = fields[i];
    if (slashBefore[i]) {
      FUZZ_CHECK(line < lines.size() && lines[line].size() == column);
      ++line;
      column = 0;
    }
    if (field.code != 0 && field.item >= given) break;
    FUZZ_CHECK(line < lines.size());
    if (field.code == 0) {
      FUZZ_CHECK(lines[line].compare(column, field.text.size(), field.text) == 0);
      column += field.text.size();
      continue;
    }
    const Item& item = items[field.item];
    const bool matching = (field.code == 'a' && item.kind() == Item::Kind::text) ||
                          (field.code == 'i' && item.kind() == Item::Kind::integer) ||
                          (field.code == 'f' && item.kind() == Item::Kind::real);
    const auto width = static_cast<size_t>(std::min(field.width, kMaxWidth));
    FUZZ_CHECK(column + width <= lines[line].size());
    const std::string_view shown = std::string_view(lines[line]).substr(column, width);
    if (matching) {
      checkField(field, shown, item);
    } else {
      FUZZ_CHECK(shown == std::string(width, '*'));
    }
    column += width;
  }
  // After the last field written, the line ends: nothing more was made.
  FUZZ_CHECK(lines.size() == line + 1 && lines[line].size() == column);
}

int checkOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider bytes(data, size);
  if (bytes.ConsumeBool()) {
    checkBuiltLayout(bytes);
  } else {
    checkRawLayout(bytes);
  }
  return 0;
}

}  // namespace

}  // namespace floppysplit

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return floppysplit::checkOneInput(data, size);
}
