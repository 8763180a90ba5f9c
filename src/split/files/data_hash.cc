// The run's data hash: one worker thread reads back each queued file through a buffer of
// its own and adds its bytes to one SHA-256, in the order the files were queued, while the
// main thread goes on writing the next one. Only this thread and the caller's touch the
// queue; the worker never writes to the console or ends the run: a failure waits in the
// queue's state until the caller asks for the digest.

#include "split/files/data_hash.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/sha256.h"
#include "runtime/status.h"

namespace floppysplit {

namespace {

// Bytes per read-back: large reads, small enough to stay in the processor's cache.
constexpr int64_t kReadSize = int64_t{64} * 1024;

// Files queued and not yet read at most: the writer waits beyond that, which bounds the
// open handles and keeps the hash close behind the copy.
constexpr size_t kMostQueued = 8;

constexpr std::chrono::milliseconds kWaitStep{100};

struct HashJob {
  OsFile file;
  int64_t length = 0;
  Unit unit = kNoUnit;
};

class DataHash {
 public:
  ~DataHash() { abandon(); }

  Status queue(OsFile file, int64_t length, Unit unit, Unit* failedUnit,
               const WhileWaiting& whileWaiting) {
    std::unique_lock lock(mutex_);
    waitUntil(lock, whileWaiting, [this] { return jobs_.size() < kMostQueued || failure_ != kOk; });
    if (failure_ == kOk && !worker_.joinable()) {
      failure_ = sha_.start();
      if (failure_ != kOk) failedUnit_ = unit;
      if (failure_ == kOk) worker_ = std::thread([this] { run(); });
    }
    if (failure_ != kOk) {
      osClose(file);
      *failedUnit = failedUnit_;
      return failure_;
    }
    jobs_.push_back(HashJob{file, length, unit});
    changed_.notify_all();
    return kOk;
  }

  void awaitFile(OsFile file) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, file] {
      return std::ranges::none_of(
          jobs_, [file](const HashJob& job) { return osSameFile(job.file, file); });
    });
  }

  Status finish(std::string* hex, Unit* failedUnit, const WhileWaiting& whileWaiting) {
    {
      std::unique_lock lock(mutex_);
      waitUntil(lock, whileWaiting, [this] { return jobs_.empty(); });
    }
    const bool started = worker_.joinable();
    abandon();
    Status status = failure_;
    *failedUnit = failedUnit_;
    if (status == kOk && !started) status = sha_.start();
    if (status == kOk) status = sha_.finish(hex);
    reset();
    return status;
  }

  void abandon() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
      changed_.notify_all();
    }
    if (worker_.joinable()) worker_.join();
    for (const HashJob& job : jobs_) osClose(job.file);
    jobs_.clear();
  }

  void reset() {
    stopping_ = false;
    failure_ = kOk;
    failedUnit_ = kNoUnit;
    hashed_ = 0;
  }

  int64_t hashed() const { return hashed_; }

 private:
  // Waits until `done` holds, calling `whileWaiting` (without the lock) now and then.
  template <typename Done>
  void waitUntil(std::unique_lock<std::mutex>& lock, const WhileWaiting& whileWaiting, Done done) {
    while (!changed_.wait_for(lock, kWaitStep, done)) {
      if (!whileWaiting) continue;
      lock.unlock();
      whileWaiting();
      lock.lock();
    }
  }

  void run() {
    for (;;) {
      HashJob job;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) return;
        // The job stays queued while it is read, so that awaitFile sees it.
        job = jobs_.front();
      }
      const Status status = failure_ == kOk ? hash(job) : kOk;
      osClose(job.file);
      std::lock_guard lock(mutex_);
      jobs_.pop_front();
      if (status != kOk && failure_ == kOk) {
        failure_ = status;
        failedUnit_ = job.unit;
      }
      changed_.notify_all();
    }
  }

  Status hash(const HashJob& job) {
    static char buffer[kReadSize];
    for (int64_t offset = 0; offset < job.length && !stopping_; offset += kReadSize) {
      const int64_t wanted = std::min(kReadSize, job.length - offset);
      int64_t got = 0;
      const Status status = osReadAt(job.file, offset, buffer, wanted, &got);
      if (status != kOk) return status;
      if (got < wanted) return kEndOfFile;
      const Status added = sha_.add(buffer, got);
      if (added != kOk) return added;
      hashed_ += got;
    }
    return kOk;
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<HashJob> jobs_;
  std::atomic<bool> stopping_ = false;
  Status failure_ = kOk;
  Unit failedUnit_ = kNoUnit;
  Sha256 sha_;
  std::atomic<int64_t> hashed_ = 0;
  std::thread worker_;
};

DataHash& dataHash() {
  static DataHash hash;
  return hash;
}

}  // namespace

Status queueDataHash(OsFile file, int64_t length, Unit unit, Unit* failedUnit,
                     const WhileWaiting& whileWaiting) {
  return dataHash().queue(file, length, unit, failedUnit, whileWaiting);
}

void awaitDataHashOf(OsFile file) { dataHash().awaitFile(file); }

Status finishQueuedDataHash(std::string* hex, Unit* failedUnit, const WhileWaiting& whileWaiting) {
  return dataHash().finish(hex, failedUnit, whileWaiting);
}

void abandonDataHash() {
  dataHash().abandon();
  dataHash().reset();
}

int64_t queuedDataHashedBytes() { return dataHash().hashed(); }

}  // namespace floppysplit
