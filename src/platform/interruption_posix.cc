// Interruptions on POSIX: one handler for SIGINT, SIGTERM and SIGHUP, which notes the
// interruption and, where the program asked for it, deletes the armed name and ends the
// process itself.

#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

#include "platform/exit_status.h"
#include "platform/interruption.h"
#include "platform/posix_private.h"

namespace floppysplit {

namespace {

// The name an interruption deletes. The handler may run at any moment and on any thread, so
// it takes no lock and allocates nothing: a new name is written into the slot that is not
// armed, and only then is that slot armed.
constexpr int kNoSlot = -1;
char gInterruptNames[2][PATH_MAX];
std::atomic<int> gArmedSlot{kNoSlot};
static_assert(std::atomic<int>::is_always_lock_free);

std::atomic<bool> gInterrupted{false};
std::atomic<bool> gEndAtOnce{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void onInterrupt(int /*signo*/) {
  gInterrupted.store(true);
  if (!gEndAtOnce.load()) return;
  const int slot = gArmedSlot.load();
  if (slot != kNoSlot) ::unlink(gInterruptNames[slot]);
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
  const int armed = gArmedSlot.load();
  const int slot = armed == 0 ? 1 : 0;
  // A name the system would refuse as too long is no file this program made, and a name
  // cut short could be another file; a NUL would cut it short too.
  if (name.find('\0') != std::string::npos || name.size() >= sizeof gInterruptNames[slot]) {
    gArmedSlot.store(kNoSlot);
    return;
  }
  std::memcpy(gInterruptNames[slot], name.c_str(), name.size() + 1);
  gArmedSlot.store(slot);
}

void osForgetOnInterrupt() { gArmedSlot.store(kNoSlot); }

}  // namespace floppysplit
