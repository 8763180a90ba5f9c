#pragma once
// The statuses the process ends with, which the usage text promises a script that runs the
// program. The interruption's status is set from inside a signal or console handler, so
// this floor holds them all.

namespace floppysplit {

enum class ExitStatus {
  // The split is complete or the user answered no; the join succeeded.
  success = 0,
  // A stage stopped at a fault its last line names; the join failed.
  failure = 1,
  // Nothing was done: a usage error, or no script of this program for the join to follow.
  refused = 2,
  // An interruption ended the run; what it was writing is deleted.
  interrupted = 130,
  // The error report ended the run: 255 where a status has eight bits.
  errorReport = -1,
};

constexpr int exitCode(ExitStatus status) { return static_cast<int>(status); }

}  // namespace floppysplit
