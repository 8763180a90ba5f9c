#pragma once
// The SHA-256 and the checksum (XXH3) of a fragment set's files, read in order on a second
// thread while the program copies them into the join: hashing costs about as much as the
// copy and the read back after it, so the two overlap, and the threads share nothing but
// the result.

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/os_status.h"
#include "platform/sha256.h"

namespace floppysplit {

// The SHA-256 of the regular file `name` alone, read through `buffer` (`bufferBytes`);
// `onRead`, if any, is told the bytes read so far after every read.
Status fileSha256(const std::string& name, char* buffer, int64_t bufferBytes, Sha256Digest* digest,
                  const std::function<void(int64_t)>& onRead = {});

// What a SetHash read: the checksum of all the files' bytes, in order, and their SHA-256 as
// 64 lowercase hexadecimal digits (empty without it); on a failure, the system's code and
// the file it failed on.
struct SetDigest {
  uint64_t checksum = 0;
  std::string sha256;
  Status status = kOk;
  std::string failedFile;
};

class SetHash {
 public:
  // Starts reading `names`, in order, through `buffer` (`bufferBytes`); the SHA-256 only
  // when `withSha256`.
  SetHash(std::vector<std::string> names, char* buffer, int64_t bufferBytes, bool withSha256);
  // Waits for the thread.
  ~SetHash();
  SetHash(const SetHash&) = delete;
  SetHash& operator=(const SetHash&) = delete;

  // Waits for the thread, and hands back what it read.
  SetDigest finish();

 private:
  void run();

  const std::vector<std::string> names_;
  char* const buffer_;
  const int64_t bufferBytes_;
  const bool withSha256_;
  SetDigest digest_;
  std::thread thread_;
};

}  // namespace floppysplit
