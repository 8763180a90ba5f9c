#pragma once
// The only two ways the process ends. Both close every connected file first, writing out
// what is still buffered, so that nothing already produced is lost. Last of all, a console
// window made for the program alone waits for Enter before it closes (osHoldConsoleWindow);
// the exit status stays the run's own.

#include <cstdint>

#include "platform/exit_status.h"
#include "runtime/status.h"

namespace floppysplit {

// The kind of statement whose failure is reported.
enum class Statement { open, close, inquire, read, write };

// Hands the end of the run the function that closes every connected file, writing out
// what is still buffered. The file layer sets it when it connects a file; both ways of
// ending call it first, then write out standard output.
void closeAtEndOfRun(void (*closeFiles)());

// Hands the end of the run a function to call before anything else, so that a line drawn
// for a person at the terminal is gone before the report or the exit.
void eraseAtEndOfRun(void (*erase)());

// Orderly end: closes everything, prints nothing, exits with `status`.
[[noreturn]] void endRun(ExitStatus status);

// Error report: closes everything, writes "? " + heading, "? " + text and (unless `unit` is
// kNoUnit) "? " + statement + "(UNIT=" + unit + ",..." to standard error, exits with
// ExitStatus::errorReport.
[[noreturn]] void reportAndExit(Status error, Statement statement, Unit unit);

}  // namespace floppysplit
