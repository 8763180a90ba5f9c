#pragma once
// Arithmetic in GF(2^16) as the recovery files' Reed-Solomon code uses it: elements are
// 16-bit words, stored little-endian in the data; addition is exclusive or; products are
// taken modulo the generator polynomial x^16 + x^12 + x^3 + x + 1 (0x1100B), in which 2
// generates every nonzero element.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace floppysplit {

// The nonzero elements, 2^0 to 2^65534.
inline constexpr uint32_t kFieldOrder = 65535;

uint16_t fieldMultiply(uint16_t a, uint16_t b);

// 2 to the power `exponent`, taken modulo kFieldOrder.
uint16_t fieldPowerOfTwo(uint64_t exponent);

// The element whose product with `a` is 1; `a` is not 0.
uint16_t fieldInverse(uint16_t a);

// Inverts the `size` x `size` matrix `*rows` (row by row) in place by Gauss-Jordan
// elimination; false, the matrix then undefined, where it has no inverse.
bool invertFieldMatrix(std::vector<uint16_t>* rows, size_t size);

// Multiplies many words by one factor: the product of a word is the product of its low byte
// plus that of its high byte, so two tables of 256 products each, small enough to stay in
// the processor's nearest cache, give every product.
class FieldMultiplier {
 public:
  explicit FieldMultiplier(uint16_t factor);

  // Adds the factor times each 16-bit word of `source` to the word at the same place of
  // `target`: `bytes` bytes of each, an even number.
  void multiplyAdd(const unsigned char* source, unsigned char* target, size_t bytes) const;

 private:
  uint16_t factor_;
  std::array<uint16_t, 256> low_{};
  std::array<uint16_t, 256> high_{};
};

}  // namespace floppysplit
