#pragma once
// MD5 of a stream of bytes, from the same well-kept implementations as SHA-256: nettle on
// POSIX, the system's own BCrypt on Windows. The recovery files need it: their format
// names each file, slice and packet by its MD5. Every call returns 0 or the operating
// system's own error code.

#include <array>
#include <cstdint>
#include <memory>

#include "platform/os_status.h"

namespace floppysplit {

using Md5Digest = std::array<unsigned char, 16>;

class Md5 {
 public:
  Md5();
  ~Md5();
  Md5(const Md5&) = delete;
  Md5& operator=(const Md5&) = delete;

  // Starts a new digest, dropping whatever was added before.
  Status start();

  // Adds `length` bytes to the digest started last.
  Status add(const void* data, int64_t length);

  // Sets `*digest` to the digest of every byte added since the start. A new start is needed
  // before more bytes are added.
  Status finish(Md5Digest* digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace floppysplit
