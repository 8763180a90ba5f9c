// The flush and the check from the medium, each on threads of their own while the caller's
// thread waits and shows how far they have come. The check reads several files at a time,
// each reader through its own slice of the one read-back buffer: reads past the system's
// cache wait for the medium one by one, and small files would otherwise leave it idle
// between them.
//
// Each file's own SHA-256 is taken here, not beside the data hash while the files are
// written: there the processors are busy with the copy, the data hash and the write-out,
// while a flush mostly waits for the medium. So two threads hash the files from the cache,
// in order, for as long as the file system's flush runs, and the check hashes the bytes it
// reads from the medium of every file they did not reach.

#include "files/medium_check.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

#include "files/data_hash.h"
#include "files/file_checksum.h"
#include "files/read_in_chunks.h"
#include "platform/interruption.h"
#include "platform/medium_read.h"
#include "platform/owned_file.h"
#include "platform/sha256.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

constexpr int32_t kMostReaders = 4;

// Threads that hash files from the cache while the file system's flush runs.
constexpr int32_t kFlushTimeHashers = 2;

constexpr std::chrono::milliseconds kWaitStep{100};

std::atomic<int64_t> gCheckedBytes = 0;
std::atomic<int32_t> gCheckedFile = 0;

// What the threads of runAside do when an interruption comes: stop at their next read, or
// nothing, as a flush cannot be cut short.
enum class OnInterruption { threadsStop, threadsGoOn };

// Runs `work(i)` for i = 0 to `threads` - 1, each on a thread of its own, and returns once
// all have ended, calling `whileWaiting` every tenth of a second until then. An interruption
// ends the run from here (stopIfInterrupted): once the threads have stopped, where they do,
// since a reader's open file could not be deleted on every system; at once otherwise, the
// threads ending with the process.
template <typename Work>
void runAside(int32_t threads, const Work& work, const WhileWaiting& whileWaiting,
              OnInterruption onInterruption) {
  std::mutex mutex;
  std::condition_variable ended;
  int32_t running = threads;
  std::vector<std::thread> started;
  started.reserve(static_cast<size_t>(threads));
  for (int32_t i = 0; i < threads; ++i) {
    started.emplace_back([&, i] {
      work(i);
      const std::lock_guard lock(mutex);
      --running;
      ended.notify_one();
    });
  }
  std::unique_lock lock(mutex);
  while (!ended.wait_for(lock, kWaitStep, [&running] { return running == 0; })) {
    lock.unlock();
    if (onInterruption == OnInterruption::threadsGoOn) stopIfInterrupted();
    if (whileWaiting) whileWaiting();
    lock.lock();
  }
  lock.unlock();
  for (std::thread& thread : started) thread.join();
  stopIfInterrupted();
}

// Flushes the file `name` names through a new handle of its own.
Status flushAlone(const std::string& name) {
  OwnedFile file;
  const Status status = osOpen(name, OsExistence::mustExist, OsAccess::read, file.receive());
  return status == kOk ? osFlush(file.get()) : status;
}

// The lowest file at fault among those the readers have finished.
class LowestFault {
 public:
  void note(const WrittenFileFault& fault) {
    std::lock_guard lock(mutex_);
    if (!fault_ || fault.file < fault_.file) fault_ = fault;
    lowestFile_ = fault_.file;
  }
  // Files above the lowest at fault need no reading.
  bool beyond(int32_t file) const { return file > lowestFile_; }
  WrittenFileFault fault() const { return fault_; }

 private:
  std::mutex mutex_;
  WrittenFileFault fault_;
  std::atomic<int32_t> lowestFile_ = std::numeric_limits<int32_t>::max();
};

// Sets file `n`'s own SHA-256 from its bytes in the cache, read through `buffer`, unless
// `stop` comes first.
void hashFromCache(int32_t n, const std::string& name, char* buffer, int64_t bufferBytes,
                   Sha256& sha, const std::atomic<bool>& stop, OwnDigests& own) {
  OwnedFile file;
  if (osOpen(name, OsExistence::mustExist, OsAccess::read, file.receive()) != kOk) return;
  if (sha.start() != kOk) return;
  bool cut = false;
  const Status status = readInChunks(file.get(), ReadFrom::system, buffer, bufferBytes,
                                     [&](const char* data, int64_t got) {
                                       cut = stop || osInterrupted();
                                       if (cut) return kEndOfFile;
                                       return sha.add(data, got);
                                     });
  // A file the hash could not read whole is left to the check, which reads it anyway.
  if (status == kOk && !cut && sha.finish(own.slot(n)) == kOk) own.markTaken(n);
}

// Reads file `n` back from the medium through `slice` and compares it with `expected`. Where
// `sha` is given, the file's own SHA-256 is set from the bytes read.
WrittenFileFault checkFile(int32_t n, const std::string& name, FileChecksumValue expected,
                           int64_t largestFile, char* slice, int64_t sliceBytes,
                           FileChecksum& checksum, Sha256* sha, OwnDigests* own) {
  OwnedFile file;
  Status status = osOpenOnMedium(name, sliceBytes, file.receive());
  if (status != kOk) return {WrittenFileStep::readFromMedium, status, n};
  checksum.start();
  if (sha != nullptr) status = sha->start();
  int64_t offset = 0;
  if (status == kOk) {
    status = readInChunks(file.get(), ReadFrom::medium, slice, sliceBytes,
                          [&](const char* data, int64_t got) {
                            checksum.add(data, got);
                            offset += got;
                            gCheckedBytes += got;
                            const Status added = sha != nullptr ? sha->add(data, got) : kOk;
                            if (added != kOk) return added;
                            // A file longer than any written is not the one written; no need
                            // to read all of it. After an interruption nothing is read further.
                            return offset > largestFile || osInterrupted() ? kEndOfFile : kOk;
                          });
  }
  if (status != kOk) return {WrittenFileStep::readFromMedium, status, n};
  if (checksum.value() != expected) return {WrittenFileStep::otherBytesOnMedium, kOk, n};
  if (sha != nullptr) {
    status = sha->finish(own->slot(n));
    if (status != kOk) return {WrittenFileStep::readFromMedium, status, n};
    own->markTaken(n);
  }
  return {};
}

}  // namespace

void takeOwnDigestsFromCache(std::atomic<int32_t>& next, int32_t count,
                             const WrittenFileName& nameOf, char* buffer, int64_t bufferBytes,
                             Sha256& sha, const std::atomic<bool>& stop, OwnDigests& own) {
  for (int32_t n = next++; n <= count && !stop && !osInterrupted(); n = next++) {
    if (own.wanted(n)) hashFromCache(n, nameOf(n), buffer, bufferBytes, sha, stop, own);
  }
}

WrittenFileFault flushToMedium(const OsFile* folder, int32_t count, const WrittenFileName& nameOf,
                               const WhileWaiting& whileWaiting, Status flushedBefore,
                               OwnDigests& own) {
  if (folder == nullptr) return {};
  Status status = kOk;
  // The read-back buffer is free from the end of the data hash, which comes first, until the
  // check, and the hashers share it.
  char* buffer = readBackBuffer();
  const int32_t hashers = buffer == nullptr || own.digests.empty() ? 0 : kFlushTimeHashers;
  const int64_t sliceBytes = kReadBackBufferBytes / kFlushTimeHashers;
  std::array<Sha256, kFlushTimeHashers> shas;
  std::atomic<bool> flushEnded = false;
  std::atomic<int32_t> next = 1;
  runAside(
      1 + hashers,
      [&](int32_t thread) {
        if (thread == 0) {
          status = osFlushFileSystem(*folder);
          flushEnded = true;
          return;
        }
        takeOwnDigestsFromCache(next, count, nameOf, buffer + (thread - 1) * sliceBytes, sliceBytes,
                                shas[static_cast<size_t>(thread) - 1], flushEnded, own);
      },
      whileWaiting, OnInterruption::threadsGoOn);
  if (status == kOk) status = flushedBefore;
  if (status == kOk) return {};
  // The file system's flush says only that something failed, somewhere on it.
  WrittenFileFault fault;
  runAside(
      1,
      [&](int32_t) {
        for (int32_t n = 1; n <= count && !fault && !osInterrupted(); ++n) {
          const Status flushed = flushAlone(nameOf(n));
          if (flushed != kOk) fault = {WrittenFileStep::flush, flushed, n};
        }
      },
      whileWaiting, OnInterruption::threadsStop);
  // Where every file's own flush succeeds, the failure belonged to another file on the
  // same file system, and these are on the medium.
  return fault;
}

WrittenFileFault checkOnMedium(const std::vector<FileChecksumValue>& checksums, int64_t largestFile,
                               const WrittenFileName& nameOf, const WhileWaiting& whileWaiting,
                               OwnDigests& own) {
  gCheckedBytes = 0;
  gCheckedFile = 0;
  char* buffer = readBackBuffer();
  if (buffer == nullptr) return {WrittenFileStep::readFromMedium, kBufferAllocationFailed, 1};
  const auto count = static_cast<int32_t>(checksums.size());
  const MediumReadPlan plan =
      planMediumReads(kReadBackBufferBytes, largestFile, kMostReaders, osMediumReadsAhead());
  // No longer than the largest file needs: a read past the cache claims every page it asks
  // for, and small files would otherwise fill the whole buffer.
  const int64_t readBytes =
      std::min(plan.sliceBytes, wholeMediumBlocks(std::max<int64_t>(largestFile, 1)));
  // Made here, so that no reader thread needs memory of its own.
  std::array<FileChecksum, kMostReaders> readerChecksums;
  std::array<Sha256, kMostReaders> readerShas;
  std::atomic<int32_t> next = 1;
  LowestFault lowest;
  runAside(
      std::min(plan.readers, std::max(count, 1)),
      [&](int32_t reader) {
        char* slice = buffer + reader * plan.sliceBytes;
        for (int32_t n = next++; n <= count && !lowest.beyond(n) && !osInterrupted(); n = next++) {
          int32_t shown = gCheckedFile;
          while (shown < n && !gCheckedFile.compare_exchange_weak(shown, n)) {
          }
          const auto index = static_cast<size_t>(n) - 1;
          Sha256* sha = own.wanted(n) ? &readerShas[static_cast<size_t>(reader)] : nullptr;
          const WrittenFileFault fault =
              checkFile(n, nameOf(n), checksums[index], largestFile, slice, readBytes,
                        readerChecksums[static_cast<size_t>(reader)], sha, &own);
          if (fault) lowest.note(fault);
        }
      },
      whileWaiting, OnInterruption::threadsStop);
  return lowest.fault();
}

int64_t mediumCheckedBytes() { return gCheckedBytes; }

int32_t mediumCheckedFile() { return gCheckedFile; }

}  // namespace floppysplit
