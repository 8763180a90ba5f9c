#include "dialogue/console.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "dialogue/console_input.h"
#include "support/console_capture.h"

namespace floppysplit {

namespace {

std::string listLine(std::vector<Item> items) { return listLineText(items); }

TEST(ListLine, NumbersAreSetOffAndTextsRunTogether) {
  EXPECT_EQ(listLine({"Will fit on", int32_t{3}, " 1.44 MB 3.5\" floppies --"}),
            " Will fit on  3  1.44 MB 3.5\" floppies --");
  EXPECT_EQ(listLine({"Length:", int32_t{3000000}, " bytes"}), " Length:  3000000  bytes");
  EXPECT_EQ(listLine({"File ", "big.bin", " does not exist in this folder."}),
            " File big.bin does not exist in this folder.");
  EXPECT_EQ(listLine({int32_t{-1}}), "  -1");
  EXPECT_EQ(listLine({int32_t{0}}), "   0");
  EXPECT_EQ(listLine({int64_t{9000000000}, int64_t{-9000000000}}), "   9000000000 -9000000000");
  EXPECT_EQ(listLine({}), " ");
  EXPECT_EQ(listLine({"Break big.bin into", int32_t{3}, "files?"}),
            " Break big.bin into  3 files?");
}

TEST(ConsoleOutput, EveryLineEndsWithCarriageReturnAndLineFeed) {
  ConsoleCapture console("");
  writeListLine({"a"});
  writeFormatted("('x'//'y')");
  EXPECT_EQ(console.output(), " a\r\nx\r\n\r\ny\r\n");
}

TEST(ConsoleOutput, FormattedIntoAFieldFillsItWithBlanks) {
  TextField field(10);
  field.store("xxxxxxxxxx");
  writeFormattedToField(field, "(a,i1.1)", {"fragmen", int32_t{4}});
  EXPECT_EQ(field.all(), "fragmen4  ");
}

TEST(AnswerLine, KeepsLeadingBlanksAndCutsToTheField) {
  ConsoleCapture console("   big.bin   \r\n" + std::string(90, 'x') + "\nlast\n\n");
  TextField field(80);
  ASSERT_EQ(readAnswerLine(field), kOk);
  EXPECT_EQ(field.all(), "   big.bin" + std::string(70, ' '));
  ASSERT_EQ(readAnswerLine(field), kOk);
  EXPECT_EQ(field.all(), std::string(80, 'x'));
  ASSERT_EQ(readAnswerLine(field), kOk);
  EXPECT_EQ(field.trimmed(), "last");
  ASSERT_EQ(readAnswerLine(field), kOk);
  EXPECT_EQ(field.trimmed(), "");
  field.store("kept");
  EXPECT_EQ(readAnswerLine(field), kEndOfFile);
  EXPECT_EQ(field.trimmed(), "kept");
}

TEST(AnswerLine, UnfinishedLastLineIsEndOfInput) {
  ConsoleCapture console("partial");
  TextField field(80);
  EXPECT_EQ(readAnswerLine(field), kEndOfFile);
  EXPECT_EQ(field.trimmed(), "");
}

TEST(ListValueRead, TextAndIntegerTargets) {
  ConsoleCapture console("yes please\n'yes please'\n\nn\n,\n12 34\n12k\n1.5\n+7\n");
  TextField field(80);
  ASSERT_EQ(readListValue(field, OnFailure::returnStatus), kOk);
  EXPECT_EQ(field.trimmed(), "yes");
  ASSERT_EQ(readListValue(field, OnFailure::returnStatus), kOk);
  EXPECT_EQ(field.trimmed(), "yes please");
  ASSERT_EQ(readListValue(field, OnFailure::returnStatus), kOk);
  EXPECT_EQ(field.trimmed(), "n");
  ASSERT_EQ(readListValue(field, OnFailure::returnStatus), kOk);
  EXPECT_EQ(field.trimmed(), "n");  // a lone comma keeps the field
  int64_t value = 0;
  ASSERT_EQ(readListValue(value, OnFailure::returnStatus), kOk);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(readListValue(value, OnFailure::returnStatus), kIllegalNumericCharacter);
  EXPECT_EQ(readListValue(value, OnFailure::returnStatus), kIllegalNumericCharacter);
  EXPECT_EQ(value, 12);
  ASSERT_EQ(readListValue(value, OnFailure::returnStatus), kOk);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(readListValue(value, OnFailure::returnStatus), kEndOfFile);
  EXPECT_EQ(value, 7);
}

TEST(TabExpansion, FollowsTabsize) {
  EXPECT_EQ(cleanInputLine("a\tb", 8), "a       b");
  EXPECT_EQ(cleanInputLine("\t\tx", 4), "        x");
  EXPECT_EQ(cleanInputLine("a\r\tb\r", 8), "a       b");
  EXPECT_EQ(cleanInputLine("a\tb", 0), "a\tb");

  const char* saved = std::getenv("TABSIZE");
  const std::string restore = saved != nullptr ? saved : "";
  for (const auto& [value, width] : std::vector<std::pair<const char*, int>>{
           {"4", 4}, {"0", 0}, {"", 8}, {"x", 8}, {"-3", 8}, {"4 ", 8}, {"99999999999", 1024}}) {
    ::setenv("TABSIZE", value, 1);
    EXPECT_EQ(tabWidthFromEnvironment(), width) << '"' << value << '"';
  }
  ::unsetenv("TABSIZE");
  EXPECT_EQ(tabWidthFromEnvironment(), 8);
  if (saved != nullptr) ::setenv("TABSIZE", restore.c_str(), 1);
}

TEST(TabExpansion, AppliesToConsoleAnswers) {
  ::setenv("TABSIZE", "4", 1);
  ConsoleCapture console("\tab\n");
  TextField field(80);
  ASSERT_EQ(readAnswerLine(field), kOk);
  EXPECT_EQ(field.trimmed(), "    ab");
  ::unsetenv("TABSIZE");
}

}  // namespace

}  // namespace floppysplit
