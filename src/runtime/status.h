#pragma once
// Status values handed back by every console and file operation.
//
//   0             success
//   below 0       the program's own few, all in platform/os_status.h (kEndOfFile and others)
//   10000..10075  this program's own error numbers (their texts are in termination.cc)
//   other > 0     the operating system's own error code, passed through unchanged

#include "platform/os_status.h"

namespace floppysplit {

inline constexpr Status kBufferAllocationFailed = 10004;
inline constexpr Status kReadPastEndOfFile = 10013;
inline constexpr Status kBadFileSpecification = 10014;
inline constexpr Status kIllegalNumericCharacter = 10016;
inline constexpr Status kIllegalRecordNumber = 10023;
inline constexpr Status kUnitNotConnected = 10031;

inline constexpr Status kFirstOwnError = 10000;
inline constexpr Status kLastOwnError = 10075;

// What an operation does when it fails: hand the status to its caller, or end the run
// with the error report.
enum class OnFailure { returnStatus, report };

}  // namespace floppysplit
