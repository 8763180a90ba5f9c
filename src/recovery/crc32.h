#pragma once
// CRC-32 as the recovery files check each slice with it: the reflected polynomial
// 0xEDB88320, started at all ones and inverted at the end (the CRC-32 of zip and PNG).

#include <cstdint>

namespace floppysplit {

class Crc32 {
 public:
  // Adds `length` bytes.
  void add(const void* data, int64_t length);

  // Adds `length` zero bytes, as a slice is padded.
  void addZeros(int64_t length);

  // The CRC-32 of every byte added so far.
  uint32_t value() const { return ~state_; }

 private:
  uint32_t state_ = 0xFFFFFFFFU;
};

}  // namespace floppysplit
