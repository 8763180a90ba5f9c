#include <cstdio>
#include <string>

#include "dialogue/progress_line.h"
#include "join/recombination_join.h"
#include "join/set_check.h"
#include "main/command_line.h"
#include "platform/command_line.h"
#include "platform/exit_status.h"
#include "platform/file_system.h"
#include "run/run_flow.h"
#include "script/script_messages.h"

namespace {

// Writes `text` to standard output; a failure, with a line on standard error, when it did
// not get there (a full disk or a closed pipe must not look like success).
floppysplit::ExitStatus writeOut(const std::string& text) {
  using floppysplit::ExitStatus;
  if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return ExitStatus::success;
  std::fputs("floppysplit: cannot write to standard output\n", stderr);
  return ExitStatus::failure;
}

// Writes how the join ended: what failed, on standard error, then the script's last line of
// a failure, and where fragments were rebuilt, that the set stays as rebuilt. The exit
// status to end with.
floppysplit::ExitStatus reportJoinEnd(const floppysplit::JoinEnd& end) {
  using namespace floppysplit;
  eraseProgress();
  if (end.status != kOk) {
    std::fputs(("floppysplit: " + end.file + ": " + osErrorText(end.status) + "\n").c_str(),
               stderr);
  } else if (!end.text.empty()) {
    std::fputs(("floppysplit: " + end.text + "\n").c_str(), stderr);
  }
  if (end.how == JoinEnd::How::refused) return ExitStatus::refused;
  if (end.how == JoinEnd::How::succeeded) return ExitStatus::success;
  std::string lines = std::string(kRecombinationFailed) + "\n";
  if (end.rebuiltSetKept) lines += std::string(kRebuiltSetIsKept) + "\n";
  std::fputs(lines.c_str(), stdout);
  std::fflush(stdout);
  return ExitStatus::failure;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace floppysplit;
  const CommandLine line = parseCommandLine(osArguments(argc, argv), osTakesSlashHelp());
  switch (line.request) {
    case Request::help:
      return exitCode(writeOut(std::string(usageText())));
    case Request::version:
      return exitCode(writeOut("floppysplit " FLOPPYSPLIT_VERSION "\n"));
    case Request::usageError:
      std::fputs(
          ("floppysplit: " + line.error + "\nTry 'floppysplit --help' for more information.\n")
              .c_str(),
          stderr);
      return exitCode(ExitStatus::refused);
    case Request::join:
      return exitCode(
          reportJoinEnd(joinFragmentSet({.setFolder = line.setFolder, .keepSet = line.keepSet})));
    case Request::check:
      return exitCode(checkFragmentSet(line.setFolder));
    case Request::dialogue:
      runFlow(line.answers);
  }
}
