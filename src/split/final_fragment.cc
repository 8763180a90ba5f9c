#include "split/final_fragment.h"

#include <string>

#include "dialogue/console.h"
#include "files/record_file.h"
#include "run/run_flow.h"
#include "split/split_job.h"
#include "split/wrapping.h"

namespace floppysplit {

namespace {

// Switches both files to one-byte records on the connections they already have. Reopening
// the input by name could take the tail from another file, if the input was renamed and
// replaced while the dialogue waited.
void switchToByteRecords() {
  const SplitJob& job = splitJob;
  changeRecordLength(job.inputUnit, 1, OnFailure::report);
  changeRecordLength(job.fragmentUnit, 1, OnFailure::report);
}

// Copies the input's tail one byte at a time, from after input byte `inputBase` to after
// final-fragment byte `fragmentBase`; returns how many bytes it copied, fewer than the tail
// holds only when the input ends early.
int32_t copyTailBytes(int64_t inputBase, int64_t fragmentBase) {
  SplitJob& job = splitJob;
  const int32_t tailLength = low32(job.inputLength - job.fullRecordBytes);
  job.recordBuffer.fill(std::byte{0});
  int32_t copied = 0;
  for (int32_t m = 1; m <= tailLength; ++m) {
    std::byte* byte = &job.recordBuffer[static_cast<size_t>(m) - 1];
    Status status = readRecord(job.inputUnit, inputBase + m, byte, OnFailure::returnStatus);
    if (status == kEndOfFile) {
      // The input is shorter than when it was chosen: report it and keep what was copied.
      writeListLine({"EOF at record ", inputBase + m, ", byte ", m});
      writeListLine({job.inputLength, job.fullRecordBytes});
      writeListLine({"Index check (i, est. length):", m, tailLength});
      break;
    }
    if (status != kOk) {
      writeListLine({"Error", status,
                     "reading through " + std::string(job.inputName.trimmed()) + " at record",
                     inputBase + m});
      stopRun(StopReason::failed);
    }
    status = writeRecord(job.fragmentUnit, fragmentBase + m, byte, OnFailure::returnStatus);
    if (status != kOk) {
      writeListLine(
          {"Error", status, " in writing last record at byte", m, "record:", fragmentBase + m});
      stopRun(StopReason::failed);
    }
    copied = m;
  }
  return copied;
}

// Cuts the final fragment right after its last byte, at `length`, whatever an older file held.
void cutFinalFragment(std::string_view fragmentName, int64_t length) {
  const Status status = cutFile(splitJob.fragmentUnit, length, OnFailure::returnStatus);
  if (status != kOk) {
    writeListLine({"###Error", status, " writing " + std::string(fragmentName)});
    stopRun(StopReason::failed);
  }
}

}  // namespace

void finishFinalFragment(int32_t fragmentIndex, int64_t endRecord, int32_t position) {
  SplitJob& job = splitJob;
  switchToByteRecords();
  const int64_t fragmentBase = int64_t{position - 1} * kRecordLength;
  const int32_t copied = copyTailBytes((endRecord - 1) * kRecordLength, fragmentBase);
  job.writtenLength += copied;
  cutFinalFragment(job.fragmentName(fragmentIndex), fragmentBase + copied);
  closeFile(job.inputUnit, OnFailure::report);
}

}  // namespace floppysplit
