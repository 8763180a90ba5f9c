// Interruptions on Windows: one console control handler for Ctrl+C, Ctrl+Break and a closed
// console window. The system runs it on a thread of its own, beside the program's.

#include <windows.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <string>

#include "platform/exit_status.h"
#include "platform/interruption.h"
#include "platform/win32_private.h"

namespace floppysplit {

namespace {

// The name an interruption deletes. The handler runs on a thread of its own, at any moment,
// so it takes no lock and allocates nothing: a new name is written into the slot that is not
// armed, and only then is that slot armed. A slot holds the longest name the system takes.
constexpr int kNoSlot = -1;
wchar_t gInterruptNames[2][32768];
std::atomic<int> gArmedSlot{kNoSlot};
static_assert(std::atomic<int>::is_always_lock_free);

std::atomic<bool> gInterrupted{false};
std::atomic<bool> gEndAtOnce{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Set by the handler once it has noted an interruption, for a console read to wait on.
HANDLE gNoted = nullptr;

constexpr DWORD kReadSettlesMilliseconds = 100;

BOOL WINAPI onConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  gInterrupted.store(true);
  SetEvent(gNoted);
  if (gEndAtOnce.load()) {
    const int slot = gArmedSlot.load();
    if (slot != kNoSlot) DeleteFileW(gInterruptNames[slot]);
    ExitProcess(static_cast<UINT>(exitCode(ExitStatus::interrupted)));
  }
  // The system ends the process as soon as the handler of a closed window returns, so this
  // one waits instead until the main thread has cleaned up and ended it, which the system
  // allows some seconds.
  if (event == CTRL_CLOSE_EVENT) Sleep(INFINITE);
  return TRUE;
}

}  // namespace

void osWatchInterrupts(OsInterruptAction action) {
  gEndAtOnce.store(action == OsInterruptAction::endAtOnce);
  static bool watching = false;
  if (watching) return;
  watching = true;
  gNoted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Ctrl+C that the process was started to ignore (SetConsoleCtrlHandler(NULL, TRUE), which
  // children inherit) stays ignored: the system calls no handler for it.
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

bool osInterrupted() { return gInterrupted.load(); }

bool osReadEndedByInterruption() {
  if (osInterrupted() || gNoted == nullptr) return osInterrupted();
  WaitForSingleObject(gNoted, kReadSettlesMilliseconds);
  return osInterrupted();
}

void osDeleteOnInterrupt(const std::string& name) {
  const int slot = gArmedSlot.load() == 0 ? 1 : 0;
  std::wstring wide;
  if (!wideName(name, &wide) || wide.size() >= std::size(gInterruptNames[slot])) {
    gArmedSlot.store(kNoSlot);
    return;
  }
  std::memcpy(gInterruptNames[slot], wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  gArmedSlot.store(slot);
}

void osForgetOnInterrupt() { gArmedSlot.store(kNoSlot); }

}  // namespace floppysplit
