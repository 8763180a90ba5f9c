#pragma once
// The clock the progress line reads. The program links progress_clock.cc; a test program
// can link a clock of its own instead, one that moves fast, to see the line without
// waiting for it.

#include <cstdint>

namespace floppysplit {

// Milliseconds since some fixed point; never goes back.
int64_t progressClockMilliseconds();

}  // namespace floppysplit
