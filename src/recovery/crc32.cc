#include "recovery/crc32.h"

#include <algorithm>
#include <array>

namespace floppysplit {

namespace {

// Eight tables: table[k][b] is the CRC of byte b followed by k zero bytes, so that eight
// bytes are taken in one step.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

constexpr Tables makeTables() {
  Tables tables{};
  for (uint32_t b = 0; b < 256; ++b) {
    uint32_t crc = b;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
    tables[0][b] = crc;
  }
  for (size_t k = 1; k < 8; ++k) {
    for (size_t b = 0; b < 256; ++b) {
      const uint32_t previous = tables[k - 1][b];
      tables[k][b] = (previous >> 8) ^ tables[0][previous & 0xFFU];
    }
  }
  return tables;
}

constexpr Tables kTables = makeTables();

uint32_t byteAt(uint64_t word, int index) {
  return static_cast<uint32_t>((word >> (8 * index)) & 0xFFU);
}

}  // namespace

void Crc32::add(const void* data, int64_t length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  uint32_t crc = state_;
  while (length >= 8) {
    // The eight bytes as they lie in memory, first byte lowest, on any processor.
    uint64_t word = 0;
    for (int k = 7; k >= 0; --k) word = (word << 8) | bytes[k];
    word ^= crc;
    crc = kTables[7][byteAt(word, 0)] ^ kTables[6][byteAt(word, 1)] ^ kTables[5][byteAt(word, 2)] ^
          kTables[4][byteAt(word, 3)] ^ kTables[3][byteAt(word, 4)] ^ kTables[2][byteAt(word, 5)] ^
          kTables[1][byteAt(word, 6)] ^ kTables[0][byteAt(word, 7)];
    bytes += 8;
    length -= 8;
  }
  for (; length > 0; --length) crc = (crc >> 8) ^ kTables[0][(crc ^ *bytes++) & 0xFFU];
  state_ = crc;
}

void Crc32::addZeros(int64_t length) {
  static constexpr std::array<unsigned char, 4096> kZeros{};
  while (length > 0) {
    const int64_t piece = std::min<int64_t>(length, kZeros.size());
    add(kZeros.data(), piece);
    length -= piece;
  }
}

}  // namespace floppysplit
