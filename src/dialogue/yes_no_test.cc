#include "dialogue/yes_no.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/console_capture.h"

namespace floppysplit {

namespace {

TEST(YesNoQuestion, ShowsTheQuestionUpToItsTerminator) {
  EXPECT_EQ(questionPrompt("Agree?"), "Agree (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("OK?"), "OK (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("Try again?"), "Try again (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("Split up this file?"), "Split up this file (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("Use 1.44 MB size of 3.5\" floppys?"),
            "Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("   Agree?"), "Agree (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("50% done"), "50 (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("?odd"), " (Y for yes, N for no)?");
  EXPECT_EQ(questionPrompt("no terminator"), " (Y for yes, N for no)?");
}

struct Answer {
  const char* typed;
  bool yes;
  int askings;
};

// Test names show the typed text, a blank as '_' and each line end as '.'.
void PrintTo(const Answer& answer, std::ostream* out) {
  for (const char* c = answer.typed; *c != '\0'; ++c) {
    *out << (*c == ' ' ? '_' : *c == '\n' ? '.' : *c);
  }
}

class YesNoAnswers : public testing::TestWithParam<Answer> {};

TEST_P(YesNoAnswers, DecideOnTheFirstCharacter) {
  const Answer& answer = GetParam();
  ConsoleCapture console(answer.typed);
  EXPECT_EQ(askYesNo("OK?"), answer.yes);
  std::string expected;
  for (int i = 0; i < answer.askings; ++i) expected += " OK (Y for yes, N for no)?\r\n";
  EXPECT_EQ(console.output(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, YesNoAnswers,
    testing::Values(Answer{"y\n", true, 1}, Answer{"Y\n", true, 1}, Answer{"yes\n", true, 1},
                    Answer{"Yes please\n", true, 1}, Answer{"   y\n", true, 1},
                    Answer{"y,n\n", true, 1}, Answer{"n\n", false, 1}, Answer{"N\n", false, 1},
                    Answer{"No thanks\n", false, 1}, Answer{"ny\n", false, 1},
                    Answer{"x\ny\n", true, 2}, Answer{",\n/\nmaybe\n1\nn\n", false, 5},
                    Answer{"\n\ny\n", true, 1}, Answer{"'  n'\n", false, 1},
                    Answer{"'  y'\nn\n", false, 2}, Answer{"x\n,\nY\n", true, 3}));

}  // namespace

}  // namespace floppysplit
