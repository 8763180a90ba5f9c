// The console on Windows: its streams go through the C runtime, set up here to pass bytes
// through unchanged and a line at a time; the console itself answers for its width.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>

#include "platform/console_io.h"

namespace floppysplit {

namespace {

// The console streams' buffer: a line longer than this reaches the console in pieces.
constexpr size_t kConsoleBuffer = 1 << 16;

}  // namespace

Status osConsoleError() {
  // The console streams go through the C runtime, which turns the system's code into
  // errno and keeps the code itself in _doserrno. The caller clears errno before the
  // write, so a failure the runtime found on its own, with no system call, leaves errno
  // set and _doserrno at 0.
  if (errno != 0 && _doserrno != 0) return static_cast<Status>(_doserrno);
  return ERROR_WRITE_FAULT;
}

bool osStandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

int32_t osTerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) == FALSE) return 0;
  // Lines wrap at the width of the screen buffer.
  return info.dwSize.X;
}

void osPrepareProcess() {
  // The console streams pass bytes through unchanged: each line already ends with CR LF,
  // which text mode would turn into CR CR LF, and a Ctrl-Z in the input is just a byte.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Each line reaches the console in one write (the console layer flushes after every
  // line). The runtime leaves a console stream unbuffered and would hand it over a byte at
  // a time, and a console in code page 65001 shows the bytes of one character written
  // apart as broken characters.
  std::setvbuf(stdout, nullptr, _IOFBF, kConsoleBuffer);
  std::setvbuf(stderr, nullptr, _IOFBF, kConsoleBuffer);
  // A name on an empty floppy or a missing drive must come back as an error code, not as
  // a dialog box that waits for someone to press a button.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

}  // namespace floppysplit
