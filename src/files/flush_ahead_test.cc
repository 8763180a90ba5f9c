#include "files/flush_ahead.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace floppysplit {
namespace {

// A flush is asked for each time another kFlushAheadBytes have been handed over, and the
// first failure is kept for the end of the set. A handle that is no folder makes every
// flush fail, so that the end tells whether one ran. A set without a folder flushes nothing.
TEST(FlushAhead, FlushesEachStretchHandedOverAndKeepsTheFirstFailure) {
  constexpr int64_t kFloppy = 1457152;
  const OsFile notAFolder{};
  struct Case {
    const char* what;
    const OsFile* folder;
    std::vector<int64_t> handedOver;
    bool flushed;
  };
  const Case cases[] = {
      {"one byte short of a stretch",
       &notAFolder,
       {kFlushAheadBytes - kFloppy, kFloppy - 1},
       false},
      {"a stretch of floppy-size files", &notAFolder, {kFlushAheadBytes - kFloppy, kFloppy}, true},
      {"two stretches", &notAFolder, {kFlushAheadBytes, kFlushAheadBytes}, true},
      {"nothing", &notAFolder, {}, false},
      {"two stretches without a folder", nullptr, {kFlushAheadBytes, kFlushAheadBytes}, false},
  };
  for (const Case& c : cases) {
    startFlushAhead(c.folder);
    for (const int64_t bytes : c.handedOver) flushAheadHandedOver(bytes);
    EXPECT_EQ(endFlushAhead() != kOk, c.flushed) << c.what;
  }

  // A set abandoned while it may still be flushing leaves nothing to the next one.
  startFlushAhead(&notAFolder);
  flushAheadHandedOver(kFlushAheadBytes);
  abandonFlushAhead();
  startFlushAhead(&notAFolder);
  EXPECT_EQ(endFlushAhead(), kOk);
}

}  // namespace
}  // namespace floppysplit
