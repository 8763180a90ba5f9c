#pragma once
// Flushes the file system under a set while the set is still being written, on a thread of
// its own, each time kFlushAheadBytes more have been handed over: the medium takes the set
// as it comes, and the flush at the end, which the run waits for, has only the last part
// left. Part of written_files.cc's work; nothing outside src/files uses it.
//
// A flush of a whole file system reports a failure to write out only once, to the first
// flush through the folder's handle after it: the first failure of these flushes is kept
// for the flush at the end.

#include <cstdint>

#include "platform/file_system.h"
#include "runtime/status.h"

namespace floppysplit {

inline constexpr int64_t kFlushAheadBytes = int64_t{128} << 20;

// Starts a set in `*folder`, which must stay open until the set ends or is abandoned.
// Without a folder the set stays idle: nothing is flushed ahead, and it ends with kOk.
void startFlushAhead(const OsFile* folder);

// Notes `bytes` more handed over, and asks for a flush where that makes kFlushAheadBytes
// since the last one asked for. A flush asked for while one is underway follows it.
void flushAheadHandedOver(int64_t bytes);

// Waits for the flushes asked for, and returns the first failure of the set's flushes (kOk
// where there was none).
Status endFlushAhead();

// Ends the set without waiting: a flush cannot be cut short, and one underway ends on its
// own, or with the process.
void abandonFlushAhead();

}  // namespace floppysplit
