#include "runtime/termination.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/console_io.h"
#include "platform/file_system.h"
#include "platform/interruption.h"

namespace floppysplit {

namespace {

void (*gCloseFiles)() = nullptr;
void (*gErase)() = nullptr;
void (*gUndo)() = nullptr;

// Texts of the program's own error numbers that its operations can bring up.
const char* ownErrorText(Status error) {
  switch (error) {
    case kBufferAllocationFailed:
      return "Buffer allocation failed";
    case kReadPastEndOfFile:
      return "Attempt to read past end of file";
    case kBadFileSpecification:
      return "Bad file specification";
    case kIllegalNumericCharacter:
      return "Illegal character in numeric input";
    case kIllegalRecordNumber:
      return "Illegal direct access record number";
    case kUnitNotConnected:
      return "Cannot implicitly open for direct access -- record length unknown";
    default:
      return "Unknown runtime error";
  }
}

const char* statementName(Statement statement) {
  switch (statement) {
    case Statement::open:
      return "OPEN";
    case Statement::close:
      return "CLOSE";
    case Statement::inquire:
      return "INQUIRE";
    case Statement::read:
      return "READ";
    case Statement::write:
      return "WRITE";
  }
  return "?";
}

std::string unitText(Unit unit) {
  if (unit == kConsoleUnit) return "*";
  if (unit == kInternalUnit) return "INTERNAL";
  return std::to_string(unit);
}

void closeEverything() {
  if (gErase != nullptr) gErase();
  if (gCloseFiles != nullptr) gCloseFiles();
  std::fflush(stdout);
}

}  // namespace

void closeAtEndOfRun(void (*closeFiles)()) { gCloseFiles = closeFiles; }

void eraseAtEndOfRun(void (*erase)()) { gErase = erase; }

void undoAtInterruption(void (*undo)()) { gUndo = undo; }

void endRun(ExitStatus status) {
  closeEverything();
  osHoldConsoleWindow();
  std::exit(exitCode(status));
}

void endRunAtOnce(ExitStatus status) {
  closeEverything();
  std::exit(exitCode(status));
}

void stopIfInterrupted() {
  if (!osInterrupted()) return;
  // The undoing may fail and report; that report ends the run here too, undone no further.
  static bool undoing = false;
  if (!undoing) {
    undoing = true;
    closeEverything();
    if (gUndo != nullptr) gUndo();
  }
  endRunAtOnce(ExitStatus::interrupted);
}

void reportAndExit(Status error, Statement statement, Unit unit) {
  stopIfInterrupted();
  closeEverything();
  // A report that arrives while the end-of-run close itself fails must not recurse, so the
  // units are already closed (and freed) before any text is written.
  const bool own = error >= kFirstOwnError && error <= kLastOwnError;
  std::string report = own ? "? QUILLAN Runtime Error:\n" : "? System Error:\n";
  report += "? ";
  report += own ? std::string(ownErrorText(error)) : osErrorText(error);
  report += "\n";
  if (unit != kNoUnit) {
    report += "? ";
    report += statementName(statement);
    report += "(UNIT=" + unitText(unit) + ",...\n";
  }
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
  osHoldConsoleWindow();
  std::exit(exitCode(ExitStatus::errorReport));
}

}  // namespace floppysplit
