// Interruptions on POSIX: one handler for SIGINT, SIGTERM and SIGHUP, which notes the
// interruption and, where the program asked for it, deletes the armed name and ends the
// process itself.

#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "platform/exit_status.h"
#include "platform/interruption.h"
#include "platform/posix_private.h"

namespace floppysplit {

namespace {

// The names an interruption deletes, each ended by a NUL, the list by an empty name. The
// handler may run at any moment and on any thread, so it takes no lock and allocates
// nothing: a new list is written into the slot that is not armed, and only then is that
// slot armed.
constexpr int kNoSlot = -1;
std::vector<char> gInterruptNames[2];
std::atomic<int> gArmedSlot{kNoSlot};
static_assert(std::atomic<int>::is_always_lock_free);

std::atomic<bool> gInterrupted{false};
std::atomic<bool> gEndAtOnce{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void onInterrupt(int /*signo*/) {
  gInterrupted.store(true);
  if (!gEndAtOnce.load()) return;
  const int slot = gArmedSlot.load();
  if (slot != kNoSlot) {
    for (const char* name = gInterruptNames[slot].data(); *name != '\0';) {
      ::unlink(name);
      while (*name != '\0') ++name;
      ++name;
    }
  }
  ::_exit(exitCode(ExitStatus::interrupted));
}

}  // namespace

void osWatchInterrupts(OsInterruptAction action) {
  gEndAtOnce.store(action == OsInterruptAction::endAtOnce);
  static bool watching = false;
  if (watching) return;
  watching = true;
  struct sigaction handler {};
  handler.sa_handler = onInterrupt;
  // No SA_RESTART: a read blocked on the console returns, and the main thread sees the flag.
  handler.sa_flags = 0;
  sigemptyset(&handler.sa_mask);
  for (const int signo : kInterruptSignals) sigaddset(&handler.sa_mask, signo);
  for (const int signo : kInterruptSignals) {
    struct sigaction previous {};
    if (::sigaction(signo, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    ::sigaction(signo, &handler, nullptr);
  }
}

bool osInterrupted() { return gInterrupted.load(); }

// The handler has run before the read it cut short returned (EINTR).
bool osReadEndedByInterruption() { return osInterrupted(); }

void osDeleteOnInterrupt(const std::string& name) {
  osDeleteOnInterrupt(std::vector<std::string>{name});
}

void osDeleteOnInterrupt(const std::vector<std::string>& names) {
  const int slot = gArmedSlot.load() == 0 ? 1 : 0;
  std::vector<char>& list = gInterruptNames[slot];
  list.clear();
  for (const std::string& name : names) {
    // A name the system would refuse as too long is no file this program made, and a name
    // cut short could be another file; a NUL would cut it short too.
    if (name.empty() || name.find('\0') != std::string::npos || name.size() >= PATH_MAX) continue;
    list.insert(list.end(), name.begin(), name.end());
    list.push_back('\0');
  }
  if (list.empty()) {
    gArmedSlot.store(kNoSlot);
    return;
  }
  list.push_back('\0');
  gArmedSlot.store(slot);
}

void osForgetOnInterrupt() { gArmedSlot.store(kNoSlot); }

}  // namespace floppysplit
