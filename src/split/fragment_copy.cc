#include "split/fragment_copy.h"

#include <string>

#include "dialogue/console.h"
#include "dialogue/progress_line.h"
#include "files/record_file.h"
#include "files/written_files.h"
#include "run/run_flow.h"
#include "script/recombination_script.h"
#include "split/final_fragment.h"
#include "split/fragment_check.h"
#include "split/fragment_names.h"
#include "split/fragment_recovery.h"
#include "split/output_folder.h"
#include "split/split_interruption.h"
#include "split/split_job.h"
#include "split/wrapping.h"

namespace floppysplit {

namespace {

std::string trimmedInputName() { return std::string(splitJob.inputName.trimmed()); }

[[noreturn]] void stopWithWriteError(Status status, std::string_view shownName) {
  writeListLine({"###Error", status, " writing " + std::string(shownName)});
  stopRun(StopReason::failed);
}

[[noreturn]] void stopWithReadError(Status status, int64_t record) {
  writeListLine({"Error", status, "reading through " + trimmedInputName() + " at record", record});
  stopRun(StopReason::failed);
}

[[noreturn]] void stopWithEarlyEnd(int64_t record) {
  writeListLine({"###EOF seen at record number", record});
  stopRun(StopReason::failed);
}

// Opens fragment `index`; `shownName` is how failure lines name it.
void openFragment(int32_t index, std::string_view shownName) {
  const SplitJob& job = splitJob;
  const Status status =
      openRecordFile(job.fragmentUnit, job.fragmentName(index), ExistenceRule::openOrCreate,
                     kRecordLength, Action::write, OnFailure::returnStatus);
  if (status != kOk) stopWithWriteError(status, shownName);
  noteFragmentOpened(index, unitCreatedFile(job.fragmentUnit));
  // Splitting a file named like one of its own fragments would write over the input
  // before it is read, and the script's clean-up would later delete the only copy. A
  // fragment this open created is new, so it cannot be the input, which was open already.
  if (!unitCreatedFile(job.fragmentUnit) && unitsShareFile(job.inputUnit, job.fragmentUnit)) {
    stopBecauseItWouldOverwriteTheInput(TextField::withoutTrailingBlanks(job.fragmentName(index)));
  }
}

// Reads input record `record` into the buffer; stops the run unless it is wholly there.
void readInputRecord(int64_t record) {
  SplitJob& job = splitJob;
  const Status status =
      readRecord(job.inputUnit, record, job.recordBuffer.data(), OnFailure::returnStatus);
  if (status == kEndOfFile) stopWithEarlyEnd(record);
  if (status != kOk) stopWithReadError(status, record);
}

void writeFragmentRecord(int32_t position, std::string_view shownName) {
  const SplitJob& job = splitJob;
  const Status status =
      writeRecord(job.fragmentUnit, position, job.recordBuffer.data(), OnFailure::returnStatus);
  if (status != kOk) stopWithWriteError(status, shownName);
}

// Shows on the progress line, if there is one, that fragment `fragment` is being written
// and the input is copied up to record `nextRecord`.
void showCopyProgress(int32_t fragment, int64_t nextRecord) {
  const SplitJob& job = splitJob;
  showProgress({fragment, job.fragmentCount, (nextRecord - 1) * kRecordLength, job.inputLength});
}

// Hands the first `length` bytes of the open fragment, now complete, on to be read back and
// put on the medium.
void handOverFragment(int32_t fragment, int64_t nextRecord, int64_t length) {
  stopOnFragmentFault(handOverWrittenFile(splitJob.fragmentUnit, length,
                                          [=] { showCopyProgress(fragment, nextRecord); }));
}

// Copies input records from `*nextRecord` on into the open fragment, number `index`, as
// records `*position` to `lastPosition`, in order. Runs of records go many at a time; whatever such
// a run cannot copy exactly is taken up record by record, so an end of file or a failure shows at
// the same record, with the same line, as when every record is moved on its own.
void copyInputRecords(int32_t index, int64_t* nextRecord, int64_t* position, int64_t lastPosition,
                      std::string_view shownName) {
  const SplitJob& job = splitJob;
  while (*position <= lastPosition) {
    stopIfInterrupted();
    noteFragmentWrittenInto();
    showCopyProgress(index, *nextRecord);
    const int64_t copied = copyRecords(job.inputUnit, *nextRecord, job.fragmentUnit, *position,
                                       lastPosition - *position + 1);
    *nextRecord += copied;
    *position += copied;
    if (*position > lastPosition) return;
    // A run ends early at the most one call copies; the next run takes up from there.
    if (copied > 0) continue;
    readInputRecord((*nextRecord)++);
    writeFragmentRecord(static_cast<int32_t>((*position)++), shownName);
  }
}

// Writes full fragment `index` from input record `*nextRecord` on, and hands it over.
void writeFullFragment(int32_t index, int64_t* nextRecord) {
  const SplitJob& job = splitJob;
  const std::string_view shownName = TextField::withoutTrailingBlanks(job.fragmentName(index));
  stopIfInterrupted();
  // A fragment handed over that cannot be read back ends the run before the next begins.
  stopOnFragmentFault(writtenFilesFault());
  openFragment(index, shownName);
  int64_t position = 1;
  copyInputRecords(index, nextRecord, &position, job.fragmentSize / kRecordLength, shownName);
  // A longer file left from an earlier run must not keep stale bytes after the new ones.
  // One this open created holds just the records written, which fill the fragment.
  if (!unitCreatedFile(job.fragmentUnit)) {
    const Status status = cutFile(job.fragmentUnit, job.fragmentSize, OnFailure::returnStatus);
    if (status != kOk) stopWithWriteError(status, shownName);
  }
  handOverFragment(index, *nextRecord, job.fragmentSize);
  closeFile(job.fragmentUnit, OnFailure::report);
}

// Writes the final fragment: the whole records left from input record `*nextRecord` on, then
// the input's tail; hands it over. Failure lines name it with its trailing blanks.
void writeFinalFragment(int64_t* nextRecord) {
  const SplitJob& job = splitJob;
  const int32_t index = job.fragmentCount;
  const std::string_view shownName = job.fragmentName(index);
  stopIfInterrupted();
  stopOnFragmentFault(writtenFilesFault());
  openFragment(index, shownName);
  // The tail starts after the whole records counted when the file was chosen, even if the
  // file has grown since. The plan leaves fewer whole records than a full fragment holds.
  int64_t position = 1;
  copyInputRecords(index, nextRecord, &position, job.fullRecordCount - *nextRecord + 1, shownName);
  stopIfInterrupted();
  noteFragmentWrittenInto();
  finishFinalFragment(index, *nextRecord, static_cast<int32_t>(position));
  handOverFragment(index, *nextRecord,
                   job.writtenLength - int64_t{job.fullFragmentCount} * job.fragmentSize);
  closeFile(job.fragmentUnit, OnFailure::report);
}

// Once every fragment is written: their SHA-256 from the bytes read back, then the fragments
// on the medium and checked there, which gives each one's own SHA-256.
void checkWrittenFragments(int64_t nextRecord) {
  SplitJob& job = splitJob;
  stopOnFragmentFault(finishDataHash(&job.writtenSha256, [last = job.fragmentCount, nextRecord] {
    showCopyProgress(last, nextRecord);
  }));
  checkFragmentsOnMedium();
  job.fragmentSha256 = takeWrittenFileDigests();
}

}  // namespace

void stopBecauseItWouldOverwriteTheInput(std::string_view name) {
  writeListLine(
      {"Cannot split " + trimmedInputName() + ": " + std::string(name) + " would overwrite it."});
  stopRun(StopReason::failed);
}

void copyFragments() {
  buildFragmentNames();
  SplitJob& job = splitJob;
  if (unitHoldsFile(job.inputUnit, kScriptName)) stopBecauseItWouldOverwriteTheInput(kScriptName);
  refuseInputAmongRecoveryFiles();
  claimOutputFolder();

  int64_t nextRecord = 1;
  undoSplitOnInterruption();
  WrittenBytesDigest* digest = nullptr;
  if (job.recoveryCount > 0) {
    job.sourceDigests.start(job.fragmentCount, job.fragmentSize);
    digest = &job.sourceDigests;
  }
  beginWrittenFiles(job.fragmentCount, OwnDigestsWanted::yes, digest);
  startProgress();
  for (int32_t index = 1; index <= job.fullFragmentCount; ++index) {
    writeFullFragment(index, &nextRecord);
  }
  // The fragments hold every whole record once the copying below is done (a failure stops
  // the run); the final fragment's tail adds its bytes.
  job.writtenLength = job.fullRecordBytes;
  if (job.hasFinalFragment) writeFinalFragment(&nextRecord);
  checkWrittenFragments(nextRecord);
  eraseProgress();
  writeFragmentRecovery();
}

}  // namespace floppysplit
