#include "split/fragment_check.h"

#include <string>

#include "dialogue/console.h"
#include "dialogue/progress_line.h"
#include "run/run_flow.h"
#include "runtime/termination.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

std::string trimmedFragmentName(int32_t n) {
  return std::string(TextField::withoutTrailingBlanks(splitJob.fragmentName(n)));
}

// How the write-failure line names fragment `n`: a full fragment without its trailing
// blanks, the final fragment with them, as while they are written.
std::string writtenFragmentName(int32_t n) {
  const SplitJob& job = splitJob;
  if (job.hasFinalFragment && n == job.fragmentCount) {
    return std::string(job.fragmentName(n));
  }
  return trimmedFragmentName(n);
}

void showCheckProgress(ProgressStep step) {
  const SplitJob& job = splitJob;
  const WrittenFilesProgress done = writtenFilesProgress();
  showProgress({step == ProgressStep::checking ? done.checking : job.fragmentCount,
                job.fragmentCount, step == ProgressStep::checking ? done.checked : 0,
                job.writtenLength, step});
}

}  // namespace

void stopOnWrittenFileFault(const WrittenFileFault& fault, Unit unit,
                            const WrittenFileName& writingName,
                            const WrittenFileName& checkedName) {
  switch (fault.step) {
    case WrittenFileStep::none:
      return;
    case WrittenFileStep::readBack:
      reportAndExit(fault.status == kEndOfFile ? kReadPastEndOfFile : fault.status, Statement::read,
                    unit);
    case WrittenFileStep::flush:
      writeListLine({"###Error", fault.status, " writing " + writingName(fault.file)});
      break;
    case WrittenFileStep::readFromMedium:
      writeListLine({"###Error", fault.status, " reading back " + checkedName(fault.file)});
      break;
    case WrittenFileStep::otherBytesOnMedium:
      writeListLine(
          {"###Error reading back " + checkedName(fault.file) + ": not the bytes written"});
      break;
  }
  stopRun(StopReason::failed);
}

void stopOnFragmentFault(const WrittenFileFault& fault) {
  stopOnWrittenFileFault(fault, splitJob.fragmentUnit, writtenFragmentName, trimmedFragmentName);
}

void checkFragmentsOnMedium() {
  stopOnFragmentFault(
      flushWrittenFiles(trimmedFragmentName, [] { showCheckProgress(ProgressStep::flushing); }));
  stopOnFragmentFault(checkWrittenFilesOnMedium(trimmedFragmentName,
                                                [] { showCheckProgress(ProgressStep::checking); }));
}

}  // namespace floppysplit
