// The console on POSIX: the standard streams as the shell set them up, and the terminal
// standard error shows on, asked for its width.

#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>

#include "platform/console_io.h"
#include "platform/posix_private.h"

namespace floppysplit {

Status osConsoleError() { return lastError(); }

bool osStandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

int32_t osTerminalColumns() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

void osPrepareProcess() {
  // A write past a file size limit, or into a closed pipe, must fail with a status
  // (EFBIG, EPIPE) instead of killing the process with fragments half written.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
}

// A terminal window belongs to the shell or the user that opened it, not to the program.
void osHoldConsoleWindow() {}

}  // namespace floppysplit
