// The console window that Windows makes for a program started on its own (from Explorer,
// say) closes the moment the program ends, taking its last lines with it. At the end of
// such a run the program asks for Enter and waits, talking to the console directly.

#include <windows.h>

#include <cstdio>
#include <iterator>

#include "platform/console_io.h"
#include "platform/interruption.h"

namespace floppysplit {

namespace {

constexpr wchar_t kQuestion[] = L" Press Enter to close this window.\r\n";

bool endsLine(const wchar_t* keys, DWORD count) {
  for (DWORD i = 0; i < count; ++i) {
    if (keys[i] == L'\r' || keys[i] == L'\n') return true;
  }
  return false;
}

}  // namespace

void osHoldConsoleWindow() {
  // The run's own lines come first; both streams are fully buffered on this system.
  std::fflush(stdout);
  std::fflush(stderr);
  // Whoever interrupted the run is not to be kept waiting.
  if (osInterrupted()) return;
  // One process on the console: this one, so the window is this program's own. A command
  // prompt that started the program is a second one and keeps the window; with no console
  // at all the call fails.
  DWORD processes[2];
  if (GetConsoleProcessList(processes, static_cast<DWORD>(std::size(processes))) != 1) return;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(input, &mode) == FALSE || GetConsoleMode(output, &mode) == FALSE) return;
  // Keys typed while the run was busy must not answer the question.
  FlushConsoleInputBuffer(input);
  DWORD written = 0;
  WriteConsoleW(output, kQuestion, static_cast<DWORD>(std::size(kQuestion) - 1), &written, nullptr);
  // Read straight from the console, not through the C library's standard input, which
  // keeps reporting the end of input once it has seen one. A line longer than the buffer
  // arrives in pieces; a read of nothing is the end of input.
  wchar_t keys[64];
  DWORD got = 0;
  while (ReadConsoleW(input, keys, static_cast<DWORD>(std::size(keys)), &got, nullptr) != FALSE &&
         got > 0 && !endsLine(keys, got)) {
  }
}

}  // namespace floppysplit
