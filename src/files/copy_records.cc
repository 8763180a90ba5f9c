// Copying runs of records many at a time: inside the system where it can, through one
// buffer of the program otherwise.

#include <algorithm>
#include <limits>

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

}  // namespace

int64_t copyRecords(Unit fromUnit, int64_t firstRecord, Unit toUnit, int64_t firstPosition,
                    int64_t count) {
  const Connection* from = connection(fromUnit);
  Connection* to = connection(toUnit);
  if (from == nullptr || to == nullptr || from->kind != ConnectionKind::record ||
      to->kind != ConnectionKind::record || from->recordLength != to->recordLength) {
    return 0;
  }
  const int64_t length = from->recordLength;
  int64_t fromOffset = 0;
  int64_t toOffset = 0;
  if (count < 1 || !recordOffset(*from, firstRecord, &fromOffset) ||
      !recordOffset(*to, firstPosition, &toOffset)) {
    return 0;
  }
  const int64_t furthest = std::max(fromOffset, toOffset);
  count = std::min({count, (std::numeric_limits<int64_t>::max() - furthest) / length,
                    std::max<int64_t>(kMostPerCall / length, 1)});
  const int64_t recordsPerStep = kCopyBufferSize / length;
  if (recordsPerStep < 1) return 0;

  // A long run is best left to the system, which copies without passing the bytes through
  // the program; a short one costs fewer system calls through the buffer.
  if (count > recordsPerStep && !to->systemCopyRefused) {
    // Only the records wholly in the source now: the first one that is not is left to
    // readRecord, which reports the end of file.
    int64_t sourceLength = 0;
    if (osLength(from->file, &sourceLength) != kOk || sourceLength < fromOffset) return 0;
    count = std::min(count, (sourceLength - fromOffset) / length);
    int64_t copied = 0;
    const Status status =
        osCopyRange(from->file, fromOffset, to->file, toOffset, count * length, &copied);
    if (status != kOsCopyUnsupported) {
      // After a failure the records go one by one, which reports it, and the rest of this
      // file goes through the program.
      if (status != kOk) to->systemCopyRefused = true;
      return copied / length;
    }
    to->systemCopyRefused = true;
  }

  static char buffer[kCopyBufferSize];
  int64_t done = 0;
  while (done < count) {
    const int64_t records = std::min(recordsPerStep, count - done);
    int64_t got = 0;
    if (osReadAt(from->file, fromOffset + done * length, buffer, records * length, &got) != kOk) {
      break;
    }
    // Records not wholly read are not written, just as readRecord delivers none of them.
    const int64_t whole = got / length;
    if (whole > 0 && osWriteAt(to->file, toOffset + done * length, buffer, whole * length) != kOk) {
      break;
    }
    done += whole;
    if (whole < records) break;
  }
  return done;
}

}  // namespace floppysplit
