#include "recovery/galois_field.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace floppysplit {

namespace {

constexpr uint32_t kGenerator = 0x1100B;

// Logarithms and powers of 2, built once: power[n] = 2^n for n below twice the order, so
// that a sum of two logarithms needs no reduction.
struct FieldTables {
  std::vector<uint16_t> logarithm = std::vector<uint16_t>(65536);
  std::vector<uint16_t> power = std::vector<uint16_t>(size_t{2} * kFieldOrder);

  FieldTables() {
    uint32_t value = 1;
    for (uint32_t n = 0; n < kFieldOrder; ++n) {
      power[n] = static_cast<uint16_t>(value);
      power[n + kFieldOrder] = static_cast<uint16_t>(value);
      logarithm[value] = static_cast<uint16_t>(n);
      value <<= 1;
      if ((value & 0x10000U) != 0) value ^= kGenerator;
    }
  }
};

const FieldTables& tables() {
  static const FieldTables field;
  return field;
}

}  // namespace

uint16_t fieldMultiply(uint16_t a, uint16_t b) {
  if (a == 0 || b == 0) return 0;
  const FieldTables& field = tables();
  return field.power[size_t{field.logarithm[a]} + field.logarithm[b]];
}

uint16_t fieldPowerOfTwo(uint64_t exponent) { return tables().power[exponent % kFieldOrder]; }

uint16_t fieldInverse(uint16_t a) {
  const FieldTables& field = tables();
  return field.power[(kFieldOrder - field.logarithm[a]) % kFieldOrder];
}

bool invertFieldMatrix(std::vector<uint16_t>* rows, size_t size) {
  std::vector<uint16_t>& m = *rows;
  // The inverse grows beside the matrix, from the identity, by the same row operations.
  std::vector<uint16_t> inverse(size * size, 0);
  for (size_t i = 0; i < size; ++i) inverse[i * size + i] = 1;
  for (size_t column = 0; column < size; ++column) {
    size_t pivot = column;
    while (pivot < size && m[pivot * size + column] == 0) ++pivot;
    if (pivot == size) return false;
    for (size_t k = 0; k < size; ++k) {
      std::swap(m[pivot * size + k], m[column * size + k]);
      std::swap(inverse[pivot * size + k], inverse[column * size + k]);
    }
    const uint16_t scale = fieldInverse(m[column * size + column]);
    for (size_t k = 0; k < size; ++k) {
      m[column * size + k] = fieldMultiply(m[column * size + k], scale);
      inverse[column * size + k] = fieldMultiply(inverse[column * size + k], scale);
    }
    for (size_t row = 0; row < size; ++row) {
      const uint16_t factor = m[row * size + column];
      if (row == column || factor == 0) continue;
      for (size_t k = 0; k < size; ++k) {
        m[row * size + k] ^= fieldMultiply(factor, m[column * size + k]);
        inverse[row * size + k] ^= fieldMultiply(factor, inverse[column * size + k]);
      }
    }
  }
  m = std::move(inverse);
  return true;
}

FieldMultiplier::FieldMultiplier(uint16_t factor) : factor_(factor) {
  for (uint16_t b = 0; b < 256; ++b) {
    low_[b] = fieldMultiply(factor, b);
    high_[b] = fieldMultiply(factor, static_cast<uint16_t>(b << 8));
  }
}

void FieldMultiplier::multiplyAdd(const unsigned char* source, unsigned char* target,
                                  size_t bytes) const {
  if (factor_ == 0) return;
  // Eight bytes, four words, a step; the words' little-endian order is the memory order of a
  // little-endian processor, which every build of the program runs on.
  static_assert(std::endian::native == std::endian::little);
  size_t at = 0;
  for (; at + 8 <= bytes; at += 8) {
    uint64_t s = 0;
    uint64_t t = 0;
    std::memcpy(&s, source + at, 8);
    std::memcpy(&t, target + at, 8);
    if (factor_ == 1) {
      t ^= s;
    } else {
      uint64_t product = 0;
      for (int word = 0; word < 4; ++word) {
        const auto lowByte = static_cast<uint8_t>(s >> (16 * word));
        const auto highByte = static_cast<uint8_t>(s >> (16 * word + 8));
        product |= uint64_t{static_cast<uint16_t>(low_[lowByte] ^ high_[highByte])} << (16 * word);
      }
      t ^= product;
    }
    std::memcpy(target + at, &t, 8);
  }
  for (; at + 2 <= bytes; at += 2) {
    const uint16_t product = low_[source[at]] ^ high_[source[at + 1]];
    target[at] ^= static_cast<unsigned char>(product & 0xFFU);
    target[at + 1] ^= static_cast<unsigned char>(product >> 8);
  }
}

}  // namespace floppysplit
