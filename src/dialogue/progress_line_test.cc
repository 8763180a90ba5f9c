#include "dialogue/progress_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace floppysplit {

namespace {

// A carriage return, `text`, then `blanks` blanks (and, with `back`, a carriage return).
std::string redraw(const std::string& text, size_t blanks = 0, bool back = false) {
  std::string line(1, '\r');
  line += text;
  line.append(blanks, ' ');
  if (back) line += '\r';
  return line;
}

TEST(ProgressLine, SizesAreInBinaryUnits) {
  const std::pair<int64_t, std::string> cases[] = {
      {0, "0 B"},           {1023, "1023 B"},     {1024, "1.0 KiB"},       {1536, "1.5 KiB"},
      {1048575, "1.0 MiB"}, {1457152, "1.4 MiB"}, {1073741824, "1.0 GiB"}, {9000000000, "8.4 GiB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(binarySize(bytes), text) << bytes;
}

TEST(ProgressLine, TextShowsEachStepsOwnShareAndIsCutToTheWidth) {
  const Progress progress{12, 737, 17825792, 1073741824};
  EXPECT_EQ(progressText(progress, 79), "Writing fragment 12 of 737: 17.0 MiB of 1.0 GiB (1%)");
  EXPECT_EQ(progressText(progress, 20), "Writing fragment 12 ");
  EXPECT_EQ(progressText({41, 42, 1024000000, 1073741824}, 79),
            "Writing fragment 41 of 42: 976.6 MiB of 1.0 GiB (95%)");
  EXPECT_EQ(progressText({3, 3, 3000000, 3000000}, 79),
            "Writing fragment 3 of 3: 2.9 MiB of 2.9 MiB (100%)");
  EXPECT_EQ(progressText({3, 3, 0, 0, ProgressStep::flushing}, 79, 12),
            "Flushing 3 fragments to the medium: 12 s");
  EXPECT_EQ(progressText({3, 42, 71722598, 1073741824, ProgressStep::checking}, 79),
            "Checking fragment 3 of 42 on the medium: 68.4 MiB of 1.0 GiB (6%)");
  // A file the medium gives back longer than it was written is read past the total.
  EXPECT_EQ(progressText({3, 3, 3145728, 3000000, ProgressStep::checking}, 79),
            "Checking fragment 3 of 3 on the medium: 3.0 MiB of 2.9 MiB (100%)");
  EXPECT_EQ(progressText({2, 3, 1457152, 3000000, ProgressStep::joining}, 79),
            "Joining fragment 2 of 3: 1.4 MiB of 2.9 MiB (48%)");
  EXPECT_EQ(progressText({0, 3, 3000000, 3000000, ProgressStep::checkingJoin}, 79),
            "Checking the join on the medium: 2.9 MiB of 2.9 MiB (100%)");
  EXPECT_EQ(progressText({3, 737, 2914304, 1073741824, ProgressStep::checkingSet}, 79),
            "Checking fragment 3 of 737: 2.8 MiB of 1.0 GiB (0%)");
  // Past 2^63 / 100 bytes the share still comes out right.
  EXPECT_EQ(progressText({1, 1, int64_t{1} << 61, int64_t{1} << 62}, 79),
            "Writing fragment 1 of 1: 2.0 EiB of 4.0 EiB (50%)");
}

TEST(ProgressLine, AppearsAfterASecondRedrawsFourTimesASecondAndErasesWhatItDrew) {
  int64_t now = 0;
  std::vector<std::string> written;
  ProgressLine line([&now] { return now; },
                    [&written](std::string_view text) { written.emplace_back(text); }, 79);
  const Progress longer{9, 10, 1048576, 10485760};
  const Progress shorter{10, 10, 0, 10485760};
  line.update(longer);
  line.start();
  for (now = 0; now < 1000; now += 100) line.update(longer);
  EXPECT_TRUE(written.empty());
  line.update(longer);
  now = 1249;
  line.update(shorter);
  ASSERT_EQ(written, std::vector<std::string>{redraw(progressText(longer, 79))});
  now = 1250;
  line.update(shorter);
  const size_t drawn = progressText(longer, 79).size();
  const std::string shorterText = progressText(shorter, 79);
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[1], redraw(shorterText, drawn - shorterText.size()));

  line.erase();
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[2], redraw("", drawn, true));
  // Nothing drawn, nothing to erase; and no more lines until the next start.
  line.erase();
  now = 5000;
  line.update(longer);
  EXPECT_EQ(written.size(), 3u);
}

}  // namespace

}  // namespace floppysplit
