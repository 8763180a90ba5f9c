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

TEST(ProgressLine, TextCountsTheThreePassesAndIsCutToTheWidth) {
  const Progress progress{12, 737, 17825792, 16777216, 1073741824};
  EXPECT_EQ(progressText(progress, 79), "Writing fragment 12 of 737: 17.0 MiB of 1.0 GiB (1%)");
  EXPECT_EQ(progressText(progress, 20), "Writing fragment 12 ");
  EXPECT_EQ(progressText({3, 3, 3000000, 0, 3000000}, 79),
            "Writing fragment 3 of 3: 2.9 MiB of 2.9 MiB (33%)");
  EXPECT_EQ(progressText({3, 3, 3000000, 3000000, 3000000, 0, ProgressStep::flushing}, 79, 12),
            "Flushing 3 fragments to the medium: 12 s (66%)");
  EXPECT_EQ(progressText({2, 3, 3000000, 3000000, 3000000, 1500000, ProgressStep::checking}, 79),
            "Checking fragment 2 of 3 on the medium: 1.4 MiB of 2.9 MiB (83%)");
  EXPECT_EQ(progressText({3, 3, 3000000, 3000000, 3000000, 3000000, ProgressStep::checking}, 79),
            "Checking fragment 3 of 3 on the medium: 2.9 MiB of 2.9 MiB (100%)");
}

TEST(ProgressLine, AppearsAfterASecondRedrawsFourTimesASecondAndErasesWhatItDrew) {
  int64_t now = 0;
  std::vector<std::string> written;
  ProgressLine line([&now] { return now; },
                    [&written](std::string_view text) { written.emplace_back(text); }, 79);
  const Progress longer{9, 10, 1048576, 0, 10485760};
  const Progress shorter{10, 10, 0, 0, 10485760};
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
