#include "dialogue/layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace floppysplit {

namespace {

std::vector<std::string> format(std::string_view layout, std::vector<Item> items) {
  return formatLines(layout, items);
}

using Lines = std::vector<std::string>;

TEST(Layout, FileLengthLineAlignsIntegerAndKilobytes) {
  EXPECT_EQ(format("(a,i13,a,f10.1,a)",
                   {"File length is ", int32_t{3000000}, " bytes or ", 2929.6875, " kilobytes."}),
            Lines{"File length is       3000000 bytes or     2929.7 kilobytes."});
}

TEST(Layout, RealsRoundHalfUpOnTheirExactDecimalExpansion) {
  EXPECT_EQ(formatReal(0.25, 5, 1), "  0.3");
  EXPECT_EQ(formatReal(0.5, 3, 1), "0.5");
  EXPECT_EQ(formatReal(0.05, 4, 1), " 0.1");   // the double is a little above 0.05
  EXPECT_EQ(formatReal(0.15, 4, 1), " 0.1");   // the double is a little below 0.15
  EXPECT_EQ(formatReal(9.96, 5, 1), " 10.0");  // carry into a new digit
  EXPECT_EQ(formatReal(-2.5, 5, 0), "   -3");
  EXPECT_EQ(formatReal(-0.01, 5, 1), "  0.0");
  EXPECT_EQ(formatReal(12345.0, 6, 1), "******");
}

TEST(Layout, RealsWithMoreDecimalsThanTheirExpansionGetZeros) {
  // A double's exact expansion ends within 1074 places; further decimals are zeros.
  EXPECT_EQ(formatReal(0.5, 2002, 2000), "0.5" + std::string(1999, '0'));
  EXPECT_EQ(formatReal(-1.25, 1107, 1104), "-1.25" + std::string(1102, '0'));
}

TEST(Layout, IntegersRightAlignedPaddedOrStarred) {
  EXPECT_EQ(format("(i5)", {int64_t{123456}}), Lines{"*****"});
  EXPECT_EQ(format("(i3.3)", {int32_t{7}}), Lines{"007"});
  EXPECT_EQ(format("(i2.2)", {int32_t{12}}), Lines{"12"});
  EXPECT_EQ(format("(i4)", {int32_t{-12}}), Lines{" -12"});
  EXPECT_EQ(format("(i20)", {INT64_MIN}), Lines{"-9223372036854775808"});
}

TEST(Layout, TextsCutOrRightAligned) {
  EXPECT_EQ(format("(a8)", {"fragmen1  "}), Lines{"fragmen1"});
  EXPECT_EQ(format("(a8)", {"abcdef"}), Lines{"  abcdef"});
  EXPECT_EQ(format("(a)", {"  kept  "}), Lines{"  kept  "});
}

TEST(Layout, BlanksInsideCodesCarryNoMeaning) {
  EXPECT_EQ(format("(a,i    3.    3)", {"fragm", int32_t{5}}), Lines{"fragm005"});
  EXPECT_EQ(format(" ( a , i\t1 . 1 ) ", {"fragmen", int32_t{5}}), Lines{"fragmen5"});
}

TEST(Layout, SlashesAndTextsAfterTheLastItem) {
  EXPECT_EQ(format("('one'/'two'//'four')", {}), (Lines{"one", "two", "", "four"}));
  EXPECT_EQ(format("('x'/)", {}), (Lines{"x", ""}));
  // Output stops at the first data code without an item, after the texts before it.
  EXPECT_EQ(format("(a,' and ',a,' end')", {"first"}), Lines{"first and "});
  EXPECT_EQ(format("('it''s',\"say \"\"hi\"\"\")", {}), Lines{"it'ssay \"hi\""});
}

}  // namespace

}  // namespace floppysplit
