#include "dialogue/list_value.h"

#include <gtest/gtest.h>

#include <deque>

namespace floppysplit {

namespace {

// Reads one value from the given lines; `rest` receives the lines not consumed.
ListToken read(std::deque<std::string> lines, ListTarget target = ListTarget::text,
               size_t* linesUsed = nullptr) {
  const size_t total = lines.size();
  const LineSupplier supplier = [&lines]() -> std::optional<std::string> {
    if (lines.empty()) return std::nullopt;
    std::string line = lines.front();
    lines.pop_front();
    return line;
  };
  ListToken token = readListToken(supplier, target);
  if (linesUsed != nullptr) *linesUsed = total - lines.size();
  return token;
}

using Kind = ListToken::Kind;

TEST(ListValue, TextItemsEndAtSeparators) {
  EXPECT_EQ(read({"yes please"}).text, "yes");
  EXPECT_EQ(read({"y,n"}).text, "y");
  EXPECT_EQ(read({"  abc/def"}).text, "abc");
  EXPECT_EQ(read({"\tx\ty"}).text, "x");
}

TEST(ListValue, QuotedTextsKeepBlanksAndDoubledMarks) {
  EXPECT_EQ(read({"'yes please' rest"}).text, "yes please");
  EXPECT_EQ(read({"'it''s'"}).text, "it's");
  EXPECT_EQ(read({"\"a \"\"b\"\"\""}).text, "a \"b\"");
  size_t used = 0;
  EXPECT_EQ(read({"'first", "second'", "third"}, ListTarget::text, &used).text, "firstsecond");
  EXPECT_EQ(used, 2u);
  EXPECT_EQ(read({"'never closed"}).kind, Kind::endOfInput);
}

TEST(ListValue, EmptyLinesAreSkippedAndEndOfInputReported) {
  size_t used = 0;
  EXPECT_EQ(read({"", "   ", "n"}, ListTarget::text, &used).text, "n");
  EXPECT_EQ(used, 3u);
  EXPECT_EQ(read({"", ""}).kind, Kind::endOfInput);
}

TEST(ListValue, CommaSlashAndEmptyRepeatKeepTheTarget) {
  EXPECT_EQ(read({","}).kind, Kind::keep);
  EXPECT_EQ(read({"  /"}).kind, Kind::keep);
  EXPECT_EQ(read({"3*"}).kind, Kind::keep);
  EXPECT_EQ(read({"3* x"}).kind, Kind::keep);
  EXPECT_EQ(read({"3*yes"}).text, "yes");
  EXPECT_EQ(read({"2*'a b'"}).text, "a b");
  EXPECT_EQ(read({"2*7"}, ListTarget::integer).text, "7");
}

TEST(ListValue, IntegerTargetsNeverTakeQuotes) {
  EXPECT_EQ(read({"'12'"}, ListTarget::integer).text, "'12'");
  EXPECT_EQ(read({"12 34"}, ListTarget::integer).text, "12");
  EXPECT_EQ(read({"700 KB"}, ListTarget::integer).text, "700");
}

TEST(ListValue, IntegersAreSignAndDigitsOnly) {
  int64_t value = 99;
  EXPECT_EQ(parseListInteger("+7", &value), kOk);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(parseListInteger("-5", &value), kOk);
  EXPECT_EQ(value, -5);
  EXPECT_EQ(parseListInteger("9223372036854775807", &value), kOk);
  EXPECT_EQ(value, INT64_MAX);
  EXPECT_EQ(parseListInteger("-9223372036854775808", &value), kOk);
  EXPECT_EQ(value, INT64_MIN);
  for (const char* bad : {"12k", "1.5", "", "+", "-", "1e3", "9223372036854775808", " 1"}) {
    value = 42;
    EXPECT_EQ(parseListInteger(bad, &value), kIllegalNumericCharacter) << bad;
    EXPECT_EQ(value, 42) << bad;
  }
}

}  // namespace

}  // namespace floppysplit
