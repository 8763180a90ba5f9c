// A clock for the progress line that moves a tenth of a second every time it is read, so
// that a test sees the line appear and change on a short run. Linked into a test build of
// the program in place of progress_clock.cc.

#include "dialogue/progress_clock.h"

namespace floppysplit {

int64_t progressClockMilliseconds() {
  static int64_t now = 0;
  now += 100;
  return now;
}

}  // namespace floppysplit
