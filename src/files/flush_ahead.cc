#include "files/flush_ahead.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace floppysplit {

namespace {

class FlushAhead {
 public:
  void start(const OsFile* folder) {
    // A flush left underway by an abandoned set ends before this set's first.
    stopThread(true);
    idle_ = folder == nullptr;
    if (folder != nullptr) folder_ = *folder;
    sinceAsked_ = 0;
    asked_ = false;
    stopping_ = false;
    failure_ = kOk;
  }

  void handedOver(int64_t bytes) {
    if (idle_) return;
    sinceAsked_ += bytes;
    if (sinceAsked_ < kFlushAheadBytes) return;
    sinceAsked_ = 0;
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    asked_ = true;
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    changed_.notify_one();
  }

  Status end() {
    stopThread(true);
    return failure_;
  }

  void abandon() { stopThread(false); }

 private:
  void run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return asked_ || stopping_; });
      if (!asked_) return;
      asked_ = false;
      flushing_ = true;
      lock.unlock();
      const Status status = osFlushFileSystem(folder_);
      lock.lock();
      flushing_ = false;
      if (failure_ == kOk) failure_ = status;
    }
  }

  // Asks the thread to stop once the flushes asked for have run, and waits for it. Without
  // `wait`, drops those not yet begun, and leaves a flush underway to end on its own.
  void stopThread(bool wait) {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
      if (!wait) asked_ = false;
      changed_.notify_one();
      if (!wait && flushing_) return;
    }
    if (thread_.joinable()) thread_.join();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
  OsFile folder_;
  // Only the thread that hands files over counts them.
  bool idle_ = true;
  int64_t sinceAsked_ = 0;
  bool asked_ = false;
  bool stopping_ = false;
  bool flushing_ = false;
  Status failure_ = kOk;
};

// Never destroyed: a thread left flushing when the process ends must not find it gone.
FlushAhead& flushAhead() {
  static auto* const flush = new FlushAhead;
  return *flush;
}

}  // namespace

void startFlushAhead(const OsFile* folder) { flushAhead().start(folder); }

void flushAheadHandedOver(int64_t bytes) { flushAhead().handedOver(bytes); }

Status endFlushAhead() { return flushAhead().end(); }

void abandonFlushAhead() { flushAhead().abandon(); }

}  // namespace floppysplit
