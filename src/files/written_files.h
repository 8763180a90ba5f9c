#pragma once
// What becomes of each file a run writes once it is complete, so that a finished run can
// promise that every file is on the medium and holds the bytes written into it:
//   1. handOverWrittenFile: the file's write-out to the medium starts, and a second thread
//      reads it back (from the system's cache, while the caller writes the next file) for
//      the SHA-256 of all the files' bytes in order and a checksum of each file;
//   2. finishDataHash: the SHA-256, once every file is read back;
//   3. flushWrittenFiles: every file is on the medium; meanwhile other threads take each
//      file's own SHA-256 from the cache;
//   4. checkWrittenFilesOnMedium: every file is read back from the medium itself, after
//      every write has ended, and compared with its checksum; the own SHA-256 of each file
//      the flush left is taken from these bytes.
// A failure comes back as a fault that names the step, the status and the file, counted
// from 1 in the order the files were handed over; the caller reports it. Only the first
// fault is kept. The threads only read, hash and flush: nothing here writes to the console.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/sha256.h"
#include "runtime/status.h"
#include "runtime/termination.h"

namespace floppysplit {

enum class WrittenFileStep {
  none,
  readBack,            // reading the file back from the cache failed, or it was too short
  flush,               // the file could not be put on the medium
  readFromMedium,      // reading the file back from the medium failed
  otherBytesOnMedium,  // the medium gave back other bytes than were written
};

struct WrittenFileFault {
  WrittenFileStep step = WrittenFileStep::none;
  // The system's code; for a file shorter than was handed over, -1 (end of file).
  Status status = kOk;
  int32_t file = 0;

  explicit operator bool() const { return step != WrittenFileStep::none; }
};

// How far the work has come.
struct WrittenFilesProgress {
  int64_t readBack = 0;  // bytes read back from the cache for the data hash
  int64_t checked = 0;   // bytes read back from the medium and compared
  int32_t checking = 0;  // the last file whose check from the medium has begun
};

// What a caller does every tenth of a second while it waits.
using WhileWaiting = std::function<void()>;

// The name of file `n` (counted from 1), as it is opened in the current folder.
using WrittenFileName = std::function<std::string(int32_t n)>;

// What more a run works out from each written file's bytes, on the thread that reads them
// back for the data hash, beside it: beginFile, the file's bytes in order through add, then
// endFile, file by file in the order they were handed over. A status other than 0 is a
// read-back fault of that file.
class WrittenBytesDigest {
 public:
  WrittenBytesDigest() = default;
  WrittenBytesDigest(const WrittenBytesDigest&) = delete;
  WrittenBytesDigest& operator=(const WrittenBytesDigest&) = delete;
  virtual ~WrittenBytesDigest() = default;
  virtual Status beginFile(int32_t file, int64_t length) = 0;
  virtual Status add(const char* data, int64_t length) = 0;
  virtual Status endFile() = 0;
};

// Whether a set wants each file's own SHA-256 (takeWrittenFileDigests); nobody else reads them,
// and taking them costs a read of every file's bytes.
enum class OwnDigestsWanted { no, yes };

// Starts a set of `count` files to be written in the current folder. Call it before the
// first of them is opened, so that the flush reports every write-out failure from then on.
// `digest`, where there is one, sees the bytes of every file of the set as they are read
// back; it must live until the data hash is finished or abandoned.
void beginWrittenFiles(int32_t count, OwnDigestsWanted ownDigests,
                       WrittenBytesDigest* digest = nullptr);

// Hands over the first `length` bytes of the file connected to `unit`, which is complete
// and open for writing (a flush needs that on Windows): it is the set's next file. Returns the
// first fault found so far, as writtenFilesFault does; when the second thread still has 8 files to
// read, waits for it first. A file that a later open finds already there waits, before it is
// connected, until the second thread has read any file handed over that is the same file on disk.
WrittenFileFault handOverWrittenFile(Unit unit, int64_t length, const WhileWaiting& whileWaiting);

// As handOverWrittenFile, for a file the caller has open through the platform seam.
WrittenFileFault handOverOpenFile(OsFile file, int64_t length, const WhileWaiting& whileWaiting);

// The first fault found so far, without waiting.
WrittenFileFault writtenFilesFault();

// Waits until every file handed over is read back, and sets `*hex` to the SHA-256 of all
// their bytes, 64 lowercase hexadecimal digits, unless a fault was found.
WrittenFileFault finishDataHash(std::string* hex, const WhileWaiting& whileWaiting);

// Hands over the SHA-256 of each file handed over, in order, once checkWrittenFilesOnMedium
// has found no fault; empty where the set did not want them. They are moved, not copied: a
// set of many small files would otherwise hold them twice.
std::vector<Sha256Digest> takeWrittenFileDigests();

// Returns once every file handed over is on the medium; call it after finishDataHash. Where
// the whole file system is flushed at once and that fails, each file is flushed alone, in
// order, to find the first one at fault; `nameOf` names them.
WrittenFileFault flushWrittenFiles(const WrittenFileName& nameOf, const WhileWaiting& whileWaiting);

// Reads every file handed over back from the medium, several at a time, and compares each
// with the checksum of the bytes read back when it was handed over. The fault is that of
// the lowest file at fault.
WrittenFileFault checkWrittenFilesOnMedium(const WrittenFileName& nameOf,
                                           const WhileWaiting& whileWaiting);

WrittenFilesProgress writtenFilesProgress();

// Ends the set at once: stops the threads and closes what they hold. Both ends of a run
// call it (through closeAllUnits).
void abandonWrittenFiles();

}  // namespace floppysplit
