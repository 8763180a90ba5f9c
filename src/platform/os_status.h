#pragma once
// What every platform operation hands back: 0 for success, otherwise the operating
// system's own error code, unchanged. The program's statuses (runtime/status.h) add their
// own values to it.

#include <cstdint>

namespace floppysplit {

using Status = int32_t;

inline constexpr Status kOk = 0;

}  // namespace floppysplit
