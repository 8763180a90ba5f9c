// Copying runs of records many at a time: inside the system where it can, through one
// buffer of the program otherwise.

#include <algorithm>
#include <limits>
#include <optional>

#include "files/connection.h"
#include "files/record_file.h"
#include "platform/file_system.h"

namespace floppysplit {

namespace {

// Bytes moved per read and write when records are copied through the program.
constexpr int64_t kCopyBufferSize = int64_t{128} * 1024;

// Bytes one call copies at most, so that the caller gets back often enough to show how
// far it has come, and no system copy holds up the rest of the run for long. A multiple of
// 4 KiB, so that a copy that lends the source's blocks to the target still starts every
// call on a block boundary where the first one did.
constexpr int64_t kMostPerCall = int64_t{64} * 1024 * 1024;

// One call's run of records: where it starts in each file, how many, and how many fit in
// the buffer.
struct RecordRun {
  const Connection* from = nullptr;
  Connection* to = nullptr;
  int64_t length = 0;  // bytes a record
  int64_t fromOffset = 0;
  int64_t toOffset = 0;
  int64_t count = 0;
  int64_t recordsPerStep = 0;
};

// The run the caller asks for, cut to what one call copies; false when there is nothing to
// copy: a unit that holds no record file, record lengths that differ, a record number out
// of range, or records longer than the buffer.
bool planRun(Unit fromUnit, int64_t firstRecord, Unit toUnit, int64_t firstPosition, int64_t count,
             RecordRun* run) {
  const Connection* from = connection(fromUnit);
  Connection* to = connection(toUnit);
  if (from == nullptr || to == nullptr || from->kind != ConnectionKind::record ||
      to->kind != ConnectionKind::record || from->recordLength != to->recordLength) {
    return false;
  }
  const int64_t length = from->recordLength;
  int64_t fromOffset = 0;
  int64_t toOffset = 0;
  if (count < 1 || !recordOffset(*from, firstRecord, &fromOffset) ||
      !recordOffset(*to, firstPosition, &toOffset)) {
    return false;
  }
  const int64_t furthest = std::max(fromOffset, toOffset);
  count = std::min({count, (std::numeric_limits<int64_t>::max() - furthest) / length,
                    std::max<int64_t>(kMostPerCall / length, 1)});
  *run = RecordRun{from, to, length, fromOffset, toOffset, count, kCopyBufferSize / length};
  return run->recordsPerStep >= 1;
}

// Copies the run inside the system, without passing the bytes through the program, and
// gives the records copied; nothing when the system cannot copy between the two files,
// which leaves the run to the buffer, cut to the records wholly in the source.
std::optional<int64_t> copyInsideSystem(RecordRun* run) {
  // Only the records wholly in the source now: the first one that is not is left to
  // readRecord, which reports the end of file.
  int64_t sourceLength = 0;
  if (osLength(run->from->file.get(), &sourceLength) != kOk || sourceLength < run->fromOffset)
    return 0;
  run->count = std::min(run->count, (sourceLength - run->fromOffset) / run->length);
  int64_t copied = 0;
  const Status status = osCopyRange(run->from->file.get(), run->fromOffset, run->to->file.get(),
                                    run->toOffset, run->count * run->length, &copied);
  // After a failure the records go one by one, which reports it, and the rest of this file
  // goes through the program.
  if (status != kOk) run->to->systemCopyRefused = true;
  if (status == kOsCopyUnsupported) return std::nullopt;
  return copied / run->length;
}

// Copies the run through the program's buffer, as many records at a time as it holds, and
// gives the records copied.
int64_t copyThroughBuffer(const RecordRun& run) {
  static char buffer[kCopyBufferSize];
  int64_t done = 0;
  while (done < run.count) {
    const int64_t records = std::min(run.recordsPerStep, run.count - done);
    int64_t got = 0;
    if (osReadAt(run.from->file.get(), run.fromOffset + done * run.length, buffer,
                 records * run.length, &got) != kOk) {
      break;
    }
    // Records not wholly read are not written, just as readRecord delivers none of them.
    const int64_t whole = got / run.length;
    if (whole > 0 && osWriteAt(run.to->file.get(), run.toOffset + done * run.length, buffer,
                               whole * run.length) != kOk) {
      break;
    }
    done += whole;
    if (whole < records) break;
  }
  return done;
}

}  // namespace

int64_t copyRecords(Unit fromUnit, int64_t firstRecord, Unit toUnit, int64_t firstPosition,
                    int64_t count) {
  RecordRun run;
  if (!planRun(fromUnit, firstRecord, toUnit, firstPosition, count, &run)) return 0;
  // A long run is best left to the system, which copies without passing the bytes through
  // the program; a short one costs fewer system calls through the buffer.
  if (run.count > run.recordsPerStep && !run.to->systemCopyRefused) {
    if (const std::optional<int64_t> copied = copyInsideSystem(&run)) return *copied;
  }
  return copyThroughBuffer(run);
}

}  // namespace floppysplit
