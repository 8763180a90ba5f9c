#include "split/final_fragment.h"

#include <string>

#include "dialogue/console.h"
#include "files/record_file.h"
#include "run/run_flow.h"
#include "split/split_job.h"
#include "split/wrapping.h"

namespace floppysplit {

void finishFinalFragment(int32_t fragmentIndex, int64_t endRecord, int32_t position) {
  SplitJob& job = splitJob;
  const std::string_view fragmentName = job.fragmentName(fragmentIndex);

  // Both files switch to one-byte records on the connections they already have. Reopening
  // the input by name could take the tail from another file, if the input was renamed and
  // replaced while the dialogue waited.
  changeRecordLength(job.inputUnit, 1, OnFailure::report);
  changeRecordLength(job.fragmentUnit, 1, OnFailure::report);
  Status status = kOk;

  const int32_t tailLength = low32(job.inputLength - job.fullRecordBytes);
  const int64_t inputBase = (endRecord - 1) * kRecordLength;
  const int64_t fragmentBase = int64_t{position - 1} * kRecordLength;
  job.recordBuffer.fill(std::byte{0});
  int32_t copied = 0;
  for (int32_t m = 1; m <= tailLength; ++m) {
    std::byte* byte = &job.recordBuffer[static_cast<size_t>(m) - 1];
    status = readRecord(job.inputUnit, inputBase + m, byte, OnFailure::returnStatus);
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
  job.writtenLength += copied;
  // The final fragment ends right after its last byte, whatever an older file held.
  status = cutFile(job.fragmentUnit, fragmentBase + copied, OnFailure::returnStatus);
  if (status != kOk) {
    writeListLine({"###Error", status, " writing " + std::string(fragmentName)});
    stopRun(StopReason::failed);
  }
  closeFile(job.inputUnit, OnFailure::report);
}

}  // namespace floppysplit
