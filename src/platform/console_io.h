#pragma once
// What the program needs from the operating system for the console: the process set-up
// before the first line, the code of a console write that failed, the terminal standard
// error shows on, and the wait before a console window of the program's own closes. One
// implementation per platform sits behind this header (console_io_posix.cc;
// console_io_win32.cc and console_window_win32.cc).

#include <cstdint>

#include "platform/os_status.h"

namespace floppysplit {

// The operating system's code for the console stream write that just failed.
Status osConsoleError();

// True when standard error is a terminal (a console on Windows).
bool osStandardErrorIsTerminal();

// The width in columns of the terminal standard error shows on, or 0 when unknown.
int32_t osTerminalColumns();

// Process set-up before the first console or file operation: a failed write must come
// back as a status, and console streams must pass bytes through unchanged.
void osPrepareProcess();

// The last step of a run, after everything else is written: a console window that the
// system made for this program alone closes when the program ends, so there the program
// asks for Enter first and waits for a line (or the end of input), and the last lines stay
// readable. Nothing happens when other processes share the console (a command prompt or a
// shell that started the program), when standard input or output is not the console, after
// an interruption, or on a system whose terminals outlive the programs in them. Failures
// are ignored.
void osHoldConsoleWindow();

}  // namespace floppysplit
