#pragma once
// What the POSIX files behind the platform seam share (file_system_posix.cc,
// medium_read_posix.cc, console_io_posix.cc, interruption_posix.cc); nothing outside them
// includes it.

#include <cerrno>
#include <csignal>

#include "platform/file_system.h"

namespace floppysplit {

// The code of the call that just failed; a failure that left no code still counts as one.
inline Status lastError() { return errno == 0 ? EIO : errno; }

inline int descriptor(OsFile file) { return static_cast<int>(file.handle); }

// The signals that interrupt a run (interruption.h).
inline constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace floppysplit
