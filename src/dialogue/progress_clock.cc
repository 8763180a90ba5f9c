#include "dialogue/progress_clock.h"

#include <chrono>

namespace floppysplit {

int64_t progressClockMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace floppysplit
