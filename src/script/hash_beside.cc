#include "script/hash_beside.h"

namespace floppysplit {

HashBeside::HashBeside(char* buffer, int64_t slotBytes, int64_t slots, bool withSha256)
    : buffer_(buffer),
      slotBytes_(slotBytes),
      slots_(slots),
      withSha256_(withSha256),
      lengths_(static_cast<size_t>(slots), 0) {
  if (withSha256_) status_ = digest_.start();
  thread_ = std::thread([this] { run(); });
}

HashBeside::~HashBeside() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

char* HashBeside::nextSlot() {
  std::unique_lock lock(mutex_);
  if (handed_ - hashed_ == slots_) {
    // Every slot is full: wait until half of them are free again, so that the two threads
    // wake each other once per few slots rather than once per slot.
    copyWaiting_ = true;
    changed_.wait(lock, [this] { return handed_ - hashed_ <= slots_ / 2; });
    copyWaiting_ = false;
  }
  return buffer_ + handed_ % slots_ * slotBytes_;
}

void HashBeside::hashSlot(int64_t length) {
  bool wake = false;
  {
    const std::lock_guard lock(mutex_);
    lengths_[static_cast<size_t>(handed_ % slots_)] = length;
    ++handed_;
    wake = hashWaiting_;
  }
  if (wake) changed_.notify_all();
}

Status HashBeside::finish(uint64_t* checksum, std::string* hex) {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  // The thread hashes every slot handed over before it ends.
  thread_.join();
  *checksum = checksum_.wideValue();
  hex->clear();
  return status_ != kOk || !withSha256_ ? status_ : digest_.finish(hex);
}

void HashBeside::run() {
  std::unique_lock lock(mutex_);
  while (true) {
    hashWaiting_ = true;
    changed_.wait(lock, [this] { return hashed_ < handed_ || ending_; });
    hashWaiting_ = false;
    if (hashed_ == handed_) return;
    const char* slot = buffer_ + hashed_ % slots_ * slotBytes_;
    const int64_t length = lengths_[static_cast<size_t>(hashed_ % slots_)];
    lock.unlock();
    // A failed hash leaves the status; the slots still go round so the copy can finish.
    checksum_.add(slot, length);
    if (withSha256_ && status_ == kOk) status_ = digest_.add(slot, length);
    lock.lock();
    ++hashed_;
    if (copyWaiting_ && handed_ - hashed_ <= slots_ / 2) changed_.notify_all();
  }
}

}  // namespace floppysplit
