#pragma once
// What every platform operation hands back: 0 for success, otherwise the operating
// system's own error code, unchanged. The program's statuses (runtime/status.h) add their
// own numbers from 10000 up to it.
//
// Every number below zero that the program gives a meaning of its own is defined here, and
// nowhere else, so that no two of one kind share a number: three statuses, which no system
// code takes, and three unit numbers, which no file takes.

#include <cstdint>

namespace floppysplit {

using Status = int32_t;

inline constexpr Status kOk = 0;

// The end of a file, or of console input, came where more was wanted.
inline constexpr Status kEndOfFile = -1;
// osCopyRange: the system cannot copy between these two files by itself; nothing moved.
inline constexpr Status kOsCopyUnsupported = -2;
// A create or a rename found its name taken already, and changed nothing.
inline constexpr Status kOsNameTaken = -3;

// The number a file is connected under, as the error report's third line shows it. Files
// use their own positive numbers; these stand for the rest.
using Unit = int32_t;

// The console.
inline constexpr Unit kConsoleUnit = -1;
// A text field in memory.
inline constexpr Unit kInternalUnit = -2;
// No file at all: the error report leaves its unit line out.
inline constexpr Unit kNoUnit = -3;

}  // namespace floppysplit
