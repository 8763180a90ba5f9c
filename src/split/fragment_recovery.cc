#include "split/fragment_recovery.h"

#include <string>
#include <vector>

#include "dialogue/console.h"
#include "files/record_file.h"
#include "files/written_files.h"
#include "recovery/recovery_files.h"
#include "recovery/recovery_set.h"
#include "run/run_flow.h"
#include "runtime/termination.h"
#include "split/fragment_check.h"
#include "split/fragment_copy.h"
#include "split/split_interruption.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

[[noreturn]] void stopWithLine(std::string_view line) {
  writeListLine({std::string(line)});
  stopRun(StopReason::failed);
}

std::string trimmedFragmentName(int32_t n) {
  return std::string(TextField::withoutTrailingBlanks(splitJob.fragmentName(n)));
}

void stopOnRecoveryFault(const RecoveryFault& fault, const WrittenFileName& nameOf) {
  switch (fault.step) {
    case RecoveryStep::none:
      return;
    case RecoveryStep::handOver:
      stopOnWrittenFileFault(fault.handOver, splitJob.recoveryUnit, nameOf, nameOf);
      return;
    case RecoveryStep::write:
      writeListLine({"###Error", fault.status, " writing " + fault.name});
      break;
    case RecoveryStep::readFragment:
      writeListLine({"###Error", fault.status, " reading back " + fault.name});
      break;
  }
  stopRun(StopReason::failed);
}

}  // namespace

void settleRecoveryCount(int32_t count) {
  const SplitJob& job = splitJob;
  if (job.fragmentCount > kMostRecoverySlices) {
    stopWithLine("Too many fragments for recovery files (at most 32768).");
  }
  if (count > job.fragmentCount) stopWithLine("More recovery files than fragments.");
  splitJob.recoveryCount = count;
}

void refuseInputAmongRecoveryFiles() {
  const SplitJob& job = splitJob;
  if (job.recoveryCount == 0) return;
  for (const std::string& name : recoveryFileNames(job.recoveryCount)) {
    if (unitHoldsFile(job.inputUnit, name)) stopBecauseItWouldOverwriteTheInput(name);
  }
}

void writeFragmentRecovery() {
  SplitJob& job = splitJob;
  if (job.recoveryCount == 0) return;
  std::vector<RecoverySource> sources;
  sources.reserve(static_cast<size_t>(job.fragmentCount));
  for (int32_t n = 1; n <= job.fragmentCount; ++n) {
    sources.push_back(
        {trimmedFragmentName(n), job.sourceDigests.digests()[static_cast<size_t>(n) - 1]});
  }
  RecoverySet set;
  const Status status = describeRecoverySet(job.fragmentSize, std::move(sources), &set);
  if (status != kOk) reportAndExit(status, Statement::write, job.recoveryUnit);

  const std::vector<std::string> names = recoveryFileNames(job.recoveryCount);
  const WrittenFileName nameOf = [&names](int32_t n) { return names[static_cast<size_t>(n) - 1]; };
  beginWrittenFiles(static_cast<int32_t>(names.size()), OwnDigestsWanted::no);
  noteRecoveryBegun();
  stopOnRecoveryFault(writeRecoveryFiles(set, job.recoveryCount, {}), nameOf);
  std::string digest;
  stopOnWrittenFileFault(finishDataHash(&digest, {}), job.recoveryUnit, nameOf, nameOf);
  stopOnWrittenFileFault(flushWrittenFiles(nameOf, {}), job.recoveryUnit, nameOf, nameOf);
  stopOnWrittenFileFault(checkWrittenFilesOnMedium(nameOf, {}), job.recoveryUnit, nameOf, nameOf);
}

}  // namespace floppysplit
