#include "platform/medium_read.h"

#include <gtest/gtest.h>

namespace floppysplit {

namespace {

// Reads past the cache take whole blocks from a buffer that starts on one; wine may read
// through the cache whatever the flags say, so only these functions can show the rounding
// that Windows requires.
TEST(MediumRead, RoundsToWholeBlocksAndSharesTheBufferAmongSmallFiles) {
  const std::pair<int64_t, int64_t> roundedUp[] = {
      {0, 0}, {1, 4096}, {4096, 4096}, {4097, 8192}, {1457152, 1458176}, {1458176, 1458176}};
  for (const auto& [bytes, blocks] : roundedUp) EXPECT_EQ(wholeMediumBlocks(bytes), blocks);
  EXPECT_EQ(mediumBlocksWithin(100), 4096);
  EXPECT_EQ(mediumBlocksWithin(21845), 20480);

  // A read that stops inside a block, or gives nothing, ends the file; one that gives whole
  // blocks short of the length asked goes on after them.
  EXPECT_FALSE(mediumReadReachedEnd(65536, 65536));
  EXPECT_FALSE(mediumReadReachedEnd(8192, 65536));
  EXPECT_TRUE(mediumReadReachedEnd(1000, 65536));
  EXPECT_TRUE(mediumReadReachedEnd(0, 65536));

  struct Case {
    int64_t largestFile;
    bool readsAhead;
    MediumReadPlan plan;
  };
  const Case cases[] = {
      {1024, false, {4, 16384}},    {16384, false, {4, 16384}}, {16385, false, {3, 20480}},
      {30000, false, {2, 32768}},   {40000, false, {2, 32768}}, {0, false, {4, 16384}},
      {1457152, false, {2, 32768}}, {1024, true, {4, 16384}},   {1457152, true, {4, 16384}},
  };
  for (const Case& c : cases) {
    const MediumReadPlan plan = planMediumReads(65536, c.largestFile, 4, c.readsAhead);
    EXPECT_EQ(plan.readers, c.plan.readers) << c.largestFile << " " << c.readsAhead;
    EXPECT_EQ(plan.sliceBytes, c.plan.sliceBytes) << c.largestFile << " " << c.readsAhead;
  }
}

}  // namespace

}  // namespace floppysplit
