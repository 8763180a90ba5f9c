#pragma once
// SHA-256 of a stream of bytes, from a well-kept implementation of the system's side:
// nettle on POSIX, the system's own BCrypt on Windows (so the Windows program still needs
// nothing beside it). Every call returns 0 or the operating system's own error code.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/os_status.h"

namespace floppysplit {

// A digest's 32 bytes.
using Sha256Digest = std::array<unsigned char, 32>;

class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  // Starts a new digest, dropping whatever was added before.
  Status start();

  // Adds `length` bytes to the digest started last.
  Status add(const void* data, int64_t length);

  // Sets `*hex` to the digest of every byte added since the start, as 64 lowercase
  // hexadecimal digits. A new start is needed before more bytes are added.
  Status finish(std::string* hex);

  // The same as the digest's 32 bytes.
  Status finish(Sha256Digest* digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// A digest's 32 bytes as 64 lowercase hexadecimal digits.
inline std::string hexDigits(const Sha256Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const unsigned char byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xf];
  }
  return hex;
}

}  // namespace floppysplit
