#pragma once
// The SHA-256 and the checksum (XXH3) of bytes that pass through the program in order,
// taken on a second thread while the program goes on with the next ones: the hashes cost
// about as much as the copy they accompany and the read back after it, so the two overlap. The
// bytes are handed over in numbered slots of one buffer; a slot is filled again only once the
// thread is done with it.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sha256.h"
#include "split/files/file_checksum.h"

namespace floppysplit {

class HashBeside {
 public:
  // `slots` slots of `slotBytes` each, starting at `buffer`; the SHA-256 only when
  // `withSha256`.
  HashBeside(char* buffer, int64_t slotBytes, int64_t slots, bool withSha256);
  // Waits for the thread; the digest is dropped unless `finish` took it.
  ~HashBeside();
  HashBeside(const HashBeside&) = delete;
  HashBeside& operator=(const HashBeside&) = delete;

  // The slot to fill next, once the thread is done with what it held.
  char* nextSlot();
  // Hands the slot that nextSlot gave, holding `length` bytes, to the thread.
  void hashSlot(int64_t length);
  // Waits for every slot handed over; the checksum of all their bytes, in order, and their
  // SHA-256 as 64 lowercase hexadecimal digits (empty without it), or the system's error.
  Status finish(uint64_t* checksum, std::string* hex);

 private:
  void run();

  char* const buffer_;
  const int64_t slotBytes_;
  const int64_t slots_;
  const bool withSha256_;
  Sha256 digest_;
  FileChecksum checksum_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Counted from 0: slots handed over and slots hashed.
  int64_t handed_ = 0;
  int64_t hashed_ = 0;
  // Length of each slot handed over and not yet hashed.
  std::vector<int64_t> lengths_;
  bool ending_ = false;
  // Which side waits for the other, so that only a waiting side is woken.
  bool copyWaiting_ = false;
  bool hashWaiting_ = false;
  Status status_ = kOk;
  std::thread thread_;
};

}  // namespace floppysplit
