#include "split/fragment_plan.h"

#include <optional>
#include <string>
#include <string_view>

#include "dialogue/console.h"
#include "dialogue/yes_no.h"
#include "files/record_file.h"
#include "run/run_flow.h"
#include "runtime/termination.h"
#include "split/fragment_copy.h"
#include "split/fragment_names.h"
#include "split/fragment_recovery.h"
#include "split/output_folder.h"
#include "split/split_job.h"
#include "split/wrapping.h"

namespace floppysplit {

namespace {

constexpr int64_t kKilobyte = 1024;
constexpr int64_t kFloppyKilobytes = 1423;
constexpr int64_t kFloppyBytes = kFloppyKilobytes * kKilobyte;

void openInput(SplitJob& job) {
  const Status status = openRecordFile(job.inputUnit, job.inputName.all(), ExistenceRule::mustExist,
                                       kRecordLength, Action::read, OnFailure::returnStatus);
  if (status != kOk) {
    writeListLine({"Error opening file ", job.inputName.trimmed()});
    stopRun(StopReason::failed);
  }
}

void showLengthAndFloppies(const SplitJob& job) {
  writeFormatted(
      "(a,i13,a,f10.1,a)",
      {"File length is ", job.inputLength, " bytes or ",
       static_cast<double>(job.inputLength) / static_cast<double>(kKilobyte), " kilobytes."});
  // Whole records only: the partial last record does not count towards a floppy.
  const int64_t floppies = (job.fullRecordBytes + kFloppyBytes - 1) / kFloppyBytes;
  writeListLine({"Will fit on", low32(floppies), " 1.44 MB 3.5\" floppies --"});
}

constexpr std::string_view kSizeQuestion =
    "Input file length for pieces in kilobytes (1K = 1024 bytes):";

// Leaves the chosen size in job.fragmentKilobytes.
void chooseFragmentKilobytes(SplitJob& job, const GivenAnswers& answers) {
  std::optional<bool> givenFloppy;
  if (answers.size) {
    givenFloppy = false;
  } else if (answers.yes) {
    givenFloppy = true;
  }
  if (askYesNo("Use 1.44 MB size of 3.5\" floppys?", givenFloppy)) {
    job.fragmentKilobytes = kFloppyKilobytes;
    return;
  }
  if (answers.size) {
    writeListLine({kSizeQuestion});
    writeConsoleLine(answers.size->shown);
    job.fragmentKilobytes = answers.size->kilobytes;
    return;
  }
  while (true) {
    writeListLine({kSizeQuestion});
    const Status status = readListValue(job.fragmentKilobytes, OnFailure::returnStatus);
    // At end of input every further read fails at once: end the run instead of looping.
    if (status == kEndOfFile) reportAndExit(kReadPastEndOfFile, Statement::read, kConsoleUnit);
    if (status == kOk && job.fragmentKilobytes > 0) return;
    writeListLine({"Error with your input:", job.fragmentKilobytes, " please try again"});
  }
}

void stopWithTooManyFragments(int32_t count) {
  writeListLine({"Too many fragments:", count});
  stopRun(StopReason::failed);
}

// Works out sizes and counts from the chosen size; stops the run when they cannot work.
void settleFragments(SplitJob& job) {
  job.fragmentSize = wrappingMultiply(job.fragmentKilobytes, kKilobyte);
  // A size that wrapped to zero or below, or that exceeds the whole records, fills no
  // fragment at all.
  const int64_t fullFragments = job.fragmentSize == 0 ? 0 : job.fullRecordBytes / job.fragmentSize;
  job.fullFragmentCount = low32(fullFragments);
  job.fragmentCount = job.fullFragmentCount;
  job.hasFinalFragment =
      job.inputLength > wrappingMultiply(job.fullFragmentCount, job.fragmentSize);
  const int32_t finalFragments = job.hasFinalFragment ? 1 : 0;

  if (fullFragments == 0) {
    writeListLine({"Fragment size is larger than the file itself."});
    stopRun(StopReason::failed);
  }
  if (fullFragments < 0 || fullFragments + finalFragments > INT32_MAX) {
    stopWithTooManyFragments(job.fragmentCount);
  }
  job.fragmentCount += finalFragments;
  if (fragmentDigitCount(job.fragmentCount) > kMaxNameDigits) {
    stopWithTooManyFragments(job.fragmentCount);
  }
}

}  // namespace

void splitInputFile(const GivenAnswers& answers) {
  SplitJob& job = splitJob;
  openInput(job);
  job.fullRecordCount = job.inputLength / kRecordLength;
  job.fullRecordBytes = job.fullRecordCount * kRecordLength;
  showLengthAndFloppies(job);
  chooseFragmentKilobytes(job, answers);
  settleFragments(job);

  writeListLine(
      {"Break " + std::string(job.inputName.trimmed()) + " into", job.fragmentCount, "files?"});
  if (answers.recoveryCount > 0) settleRecoveryCount(answers.recoveryCount);
  askOrStop("OK?", answers.yes ? std::optional(true) : std::nullopt);
  if (answers.outputFolder) enterOutputFolder(*answers.outputFolder);
  copyFragments();
}

}  // namespace floppysplit
