// Interruptions on Windows: one console control handler for Ctrl+C, Ctrl+Break and a closed
// console window. The system runs it on a thread of its own, beside the program's.

#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "platform/exit_status.h"
#include "platform/interruption.h"
#include "platform/win32_private.h"

namespace floppysplit {

namespace {

// The names an interruption deletes, each ended by a NUL, the list by an empty name. The
// handler runs on a thread of its own, at any moment, so it takes no lock and allocates
// nothing: a new list is written into the slot that is not armed, and only then is that
// slot armed.
constexpr int kNoSlot = -1;
std::vector<wchar_t> gInterruptNames[2];
std::atomic<int> gArmedSlot{kNoSlot};
static_assert(std::atomic<int>::is_always_lock_free);

// The longest name the system takes.
constexpr size_t kLongestName = 32767;

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
    if (slot != kNoSlot) {
      for (const wchar_t* name = gInterruptNames[slot].data(); *name != L'\0';) {
        DeleteFileW(name);
        while (*name != L'\0') ++name;
        ++name;
      }
    }
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
  osDeleteOnInterrupt(std::vector<std::string>{name});
}

void osDeleteOnInterrupt(const std::vector<std::string>& names) {
  const int slot = gArmedSlot.load() == 0 ? 1 : 0;
  std::vector<wchar_t>& list = gInterruptNames[slot];
  list.clear();
  for (const std::string& name : names) {
    std::wstring wide;
    if (name.empty() || !wideName(name, &wide) || wide.size() > kLongestName) continue;
    list.insert(list.end(), wide.begin(), wide.end());
    list.push_back(L'\0');
  }
  if (list.empty()) {
    gArmedSlot.store(kNoSlot);
    return;
  }
  list.push_back(L'\0');
  gArmedSlot.store(slot);
}

void osForgetOnInterrupt() { gArmedSlot.store(kNoSlot); }

}  // namespace floppysplit
