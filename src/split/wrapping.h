#pragma once
// Two's-complement arithmetic on 8-byte integers that wraps around instead of overflowing,
// so that a huge typed fragment size behaves the same on every compiler.

#include <cstdint>

namespace floppysplit {

inline int64_t wrappingMultiply(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}

// The low 32 bits, as a 4-byte signed integer.
inline int32_t low32(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

}  // namespace floppysplit
