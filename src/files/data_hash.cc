// The run's data hash: one worker thread reads back each queued file through a buffer of
// its own and adds its bytes to one SHA-256, in the order the files were queued, and to a
// checksum of that file alone, while the main thread goes on writing the next one. Only
// these threads and the caller's touch the queue; the workers never write to the console or
// end the run: a fault waits in the queue's state until the caller asks for it.
//
// A second worker takes each file's own SHA-256 from the cache, but only with what processor
// time nobody else wants: the copy, the first worker and the system's write-out to the
// medium come first. It takes the next queued file it has not taken yet, and a file leaves
// the queue once the first worker has read it, whether the second has taken it or not
// (unless it is reading it): it never holds the copy back. The flush and the check from the
// medium take the digests it did not (medium_check.cc).

#include "files/data_hash.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "files/file_checksum.h"
#include "files/read_in_chunks.h"
#include "platform/medium_read.h"
#include "platform/sha256.h"
#include "platform/thread_priority.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

// Files queued and not yet read at most: the writer waits beyond that, which bounds the
// open handles and keeps the hash close behind the copy.
constexpr size_t kMostQueued = 8;

constexpr std::chrono::milliseconds kWaitStep{100};

// What the worker reads of a queued file: the file stays owned by the queue.
struct FileToRead {
  OsFile file;
  int64_t length = 0;
  int32_t index = 0;  // counted from 1
};

struct HashJob {
  OwnedFile file;
  FileToRead read;
  bool wholeDone = false;
  // Taken by the second worker, and read through by it.
  bool ownTaken = false;
  bool ownDone = false;

  bool mayLeave() const { return wholeDone && (!ownTaken || ownDone); }
};

// Bytes of the buffer of the worker for each file's own SHA-256: it reads from the cache,
// where 16 KiB a call costs no more time than 64 KiB, and a quarter of the memory.
constexpr int64_t kOwnBufferBytes = int64_t{16} * 1024;

char* ownBuffer() {
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(kOwnBufferBytes));
  return buffer;
}

// Which of the two workers: the one for the SHA-256 of all files and each file's checksum,
// or the one for each file's own SHA-256.
enum class Worker { whole, own };

class DataHash {
 public:
  ~DataHash() { abandon(); }

  void start(int32_t count, bool flushEachFile, WrittenBytesDigest* digest, OwnDigests* own) {
    abandon();
    digest_ = digest;
    own_ = own;
    fault_ = {};
    queued_ = 0;
    hashed_ = 0;
    flushEachFile_ = flushEachFile;
    checksums_.clear();
    checksums_.reserve(static_cast<size_t>(std::max(count, 0)));
  }

  WrittenFileFault queue(OwnedFile file, int64_t length, const WhileWaiting& whileWaiting) {
    std::unique_lock lock(mutex_);
    waitUntil(lock, whileWaiting, [this] { return jobs_.size() < kMostQueued || fault_; });
    const int32_t index = ++queued_;
    if (!fault_ && !worker_.joinable()) {
      const Status status = sha_.start();
      if (status != kOk) fault_ = {WrittenFileStep::readBack, status, index};
      if (!fault_) {
        worker_ = std::thread([this] { run(); });
        if (own_ != nullptr && ownBuffer() != nullptr)
          ownWorker_ = std::thread([this] { runOwn(); });
      }
    }
    if (fault_) return fault_;
    checksums_.push_back(0);
    const FileToRead read{file.get(), length, index};
    jobs_.push_back(HashJob{std::move(file), read});
    changed_.notify_all();
    return {};
  }

  WrittenFileFault fault() {
    std::lock_guard lock(mutex_);
    return fault_;
  }

  void awaitFile(OsFile file) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, file] {
      return std::ranges::none_of(
          jobs_, [file](const HashJob& job) { return osSameFile(job.read.file, file); });
    });
  }

  WrittenFileFault finish(std::string* hex, const WhileWaiting& whileWaiting) {
    {
      std::unique_lock lock(mutex_);
      waitUntil(lock, whileWaiting, [this] { return jobs_.empty(); });
    }
    const bool started = worker_.joinable();
    abandon();
    if (fault_) return fault_;
    Status status = started ? kOk : sha_.start();
    if (status == kOk) status = sha_.finish(hex);
    if (status != kOk) fault_ = {WrittenFileStep::readBack, status, queued_};
    return fault_;
  }

  void abandon() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
      changed_.notify_all();
    }
    if (worker_.joinable()) worker_.join();
    if (ownWorker_.joinable()) ownWorker_.join();
    jobs_.clear();
    stopping_ = false;
  }

  const std::vector<FileChecksumValue>& checksums() const { return checksums_; }

  int64_t hashed() const { return hashed_; }

 private:
  // Waits until `done` holds, calling `whileWaiting` (without the lock) now and then. An
  // interruption ends the run from here, which stops the thread (abandon).
  template <typename Done>
  void waitUntil(std::unique_lock<std::mutex>& lock, const WhileWaiting& whileWaiting, Done done) {
    while (!changed_.wait_for(lock, kWaitStep, done)) {
      lock.unlock();
      stopIfInterrupted();
      if (whileWaiting) whileWaiting();
      lock.lock();
    }
  }

  // Waits for the first queued job that `worker` has not read or taken, marks it taken for
  // the second worker, and gives it; false once the hash stops.
  bool nextJob(Worker worker, FileToRead* job, bool* failed) {
    std::unique_lock lock(mutex_);
    auto next = jobs_.end();
    changed_.wait(lock, [&] {
      next = std::ranges::find_if_not(jobs_, [worker](const HashJob& queued) {
        return worker == Worker::whole ? queued.wholeDone : queued.ownTaken;
      });
      return stopping_ || next != jobs_.end();
    });
    if (stopping_) return false;
    if (worker == Worker::own) next->ownTaken = true;
    // The job stays queued while it is read, so that awaitFile sees it.
    *job = next->read;
    *failed = static_cast<bool>(fault_);
    return true;
  }

  // Marks the job `worker` has read done, and lets the jobs at the front that need no more
  // reading leave the queue.
  void jobDone(Worker worker, const FileToRead& job) {
    HashJob& queued = jobs_[static_cast<size_t>(job.index - jobs_.front().read.index)];
    (worker == Worker::whole ? queued.wholeDone : queued.ownDone) = true;
    while (!jobs_.empty() && jobs_.front().mayLeave()) jobs_.pop_front();
    changed_.notify_all();
  }

  void run() {
    FileToRead job;
    bool failed = false;
    while (nextJob(Worker::whole, &job, &failed)) {
      FileChecksumValue checksum = 0;
      const WrittenFileFault fault = failed ? WrittenFileFault{} : readBack(job, &checksum);
      std::lock_guard lock(mutex_);
      checksums_[static_cast<size_t>(job.index) - 1] = checksum;
      if (fault && !fault_) fault_ = fault;
      jobDone(Worker::whole, job);
    }
  }

  void runOwn() {
    osRunThisThreadOnlyWhenIdle();
    FileToRead job;
    bool failed = false;
    while (nextJob(Worker::own, &job, &failed)) {
      // A file it cannot read is left to the check from the medium, which reports faults.
      if (!failed && readOwn(job)) own_->markTaken(job.index);
      std::lock_guard lock(mutex_);
      jobDone(Worker::own, job);
    }
  }

  // Reads the job's file back into its own digest; false where that was cut short.
  bool readOwn(const FileToRead& job) {
    if (!own_->wanted(job.index) || ownSha_.start() != kOk) return false;
    bool cut = false;
    const Status status = readFirstBytes(job.file, job.length, ownBuffer(), kOwnBufferBytes,
                                         [this, &cut](const char* data, int64_t got) {
                                           cut = stopping_;
                                           return cut ? kEndOfFile : ownSha_.add(data, got);
                                         });
    return status == kOk && !cut && ownSha_.finish(own_->slot(job.index)) == kOk;
  }

  // Reads the job's file back into the digest and `*checksum`, then flushes it if asked.
  WrittenFileFault readBack(const FileToRead& job, FileChecksumValue* checksum) {
    char* buffer = readBackBuffer();
    if (buffer == nullptr) return {WrittenFileStep::readBack, kBufferAllocationFailed, job.index};
    if (stopping_) return {};
    checksum_.start();
    if (digest_ != nullptr) {
      const Status begun = digest_->beginFile(job.index, job.length);
      if (begun != kOk) return {WrittenFileStep::readBack, begun, job.index};
    }
    Status status = readFirstBytes(job.file, job.length, buffer, kReadBackBufferBytes,
                                   [this](const char* data, int64_t got) {
                                     Status added = sha_.add(data, got);
                                     if (added == kOk && digest_ != nullptr) {
                                       added = digest_->add(data, got);
                                     }
                                     if (added != kOk) return added;
                                     checksum_.add(data, got);
                                     hashed_ += got;
                                     // An abandoned hash reads no further.
                                     return stopping_ ? kEndOfFile : kOk;
                                   });
    if (stopping_) return {};
    if (status == kOk && digest_ != nullptr) status = digest_->endFile();
    if (status != kOk) return {WrittenFileStep::readBack, status, job.index};
    *checksum = checksum_.value();
    if (flushEachFile_) {
      const Status flushed = osFlush(job.file);
      if (flushed != kOk) return {WrittenFileStep::flush, flushed, job.index};
    }
    return {};
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<HashJob> jobs_;
  std::atomic<bool> stopping_ = false;
  WrittenFileFault fault_;
  int32_t queued_ = 0;
  bool flushEachFile_ = false;
  WrittenBytesDigest* digest_ = nullptr;
  OwnDigests* own_ = nullptr;
  Sha256 sha_;
  FileChecksum checksum_;
  // One entry a queued file, set when the worker has read it.
  std::vector<FileChecksumValue> checksums_;
  std::atomic<int64_t> hashed_ = 0;
  std::thread worker_;
  Sha256 ownSha_;
  std::thread ownWorker_;
};

DataHash& dataHash() {
  static DataHash hash;
  return hash;
}

}  // namespace

char* readBackBuffer() {
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(kReadBackBufferBytes));
  return buffer;
}

void startDataHash(int32_t count, bool flushEachFile, WrittenBytesDigest* digest, OwnDigests* own) {
  // Made by the caller's thread: memory asked for by another thread first would cost that
  // thread a heap of its own.
  readBackBuffer();
  ownBuffer();
  dataHash().start(count, flushEachFile, digest, own);
}

WrittenFileFault queueDataHash(OwnedFile file, int64_t length, const WhileWaiting& whileWaiting) {
  return dataHash().queue(std::move(file), length, whileWaiting);
}

WrittenFileFault dataHashFault() { return dataHash().fault(); }

void awaitDataHashOf(OsFile file) { dataHash().awaitFile(file); }

WrittenFileFault finishQueuedDataHash(std::string* hex, const WhileWaiting& whileWaiting) {
  return dataHash().finish(hex, whileWaiting);
}

const std::vector<FileChecksumValue>& dataHashChecksums() { return dataHash().checksums(); }

void abandonDataHash() { dataHash().abandon(); }

int64_t queuedDataHashedBytes() { return dataHash().hashed(); }

}  // namespace floppysplit
