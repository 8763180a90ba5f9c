#pragma once
// The only two ways the process ends: the orderly end (which an interruption takes at once)
// and the error report. Both close every connected file first, writing out what is still
// buffered, so that nothing already produced is lost. Last of all, a console window made for
// the program alone waits for Enter before it closes (osHoldConsoleWindow), unless the user
// interrupted the run; the exit status stays the run's own.

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

// Hands the end of an interrupted run what the job under way undoes: it runs after every
// file is closed and the threads are stopped, and may delete files and print its line.
void undoAtInterruption(void (*undo)());

// Orderly end: closes everything, prints nothing, exits with `status`.
[[noreturn]] void endRun(ExitStatus status);

// As endRun, without the wait for Enter: for an end the user asked for.
[[noreturn]] void endRunAtOnce(ExitStatus status);

// The main thread's check for an interruption (osInterrupted), at every step that may take
// long: when one has come, closes everything, has the job undo its work (undoAtInterruption)
// and ends the run with ExitStatus::interrupted (endRunAtOnce). Returns otherwise. The error
// report makes this check first, since an interruption cuts a console read short.
void stopIfInterrupted();

// Error report: closes everything, writes "? " + heading, "? " + text and (unless `unit` is
// kNoUnit) "? " + statement + "(UNIT=" + unit + ",..." to standard error, exits with
// ExitStatus::errorReport.
[[noreturn]] void reportAndExit(Status error, Statement statement, Unit unit);

}  // namespace floppysplit
