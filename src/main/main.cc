#include <cstdio>
#include <string>

#include "join/recombination_join.h"
#include "main/command_line.h"
#include "platform/command_line.h"
#include "run/run_flow.h"

namespace {

// Writes `text` to standard output; 0 when it got there, else 1 with a line on standard
// error (a full disk or a closed pipe must not look like success).
int writeOut(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
  std::fputs("floppysplit: cannot write to standard output\n", stderr);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace floppysplit;
  const CommandLine line = parseCommandLine(osArguments(argc, argv), osTakesSlashHelp());
  switch (line.request) {
    case Request::help:
      return writeOut(std::string(usageText()));
    case Request::version:
      return writeOut("floppysplit " FLOPPYSPLIT_VERSION "\n");
    case Request::usageError:
      std::fputs(
          ("floppysplit: " + line.error + "\nTry 'floppysplit --help' for more information.\n")
              .c_str(),
          stderr);
      return 2;
    case Request::join:
      return joinFragmentSet();
    case Request::dialogue:
      runFlow(line.answers);
  }
}
