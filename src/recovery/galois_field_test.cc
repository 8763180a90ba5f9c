#include "recovery/galois_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "recovery/recovery_set.h"

namespace floppysplit {

namespace {

// Shift and add, reduced by the generator bit by bit: slow, and independent of the tables.
uint16_t slowMultiply(uint16_t a, uint16_t b) {
  uint32_t product = 0;
  for (int bit = 15; bit >= 0; --bit) {
    product <<= 1;
    if ((product & 0x10000U) != 0) product ^= 0x1100BU;
    if (((b >> bit) & 1) != 0) product ^= a;
  }
  return static_cast<uint16_t>(product);
}

uint16_t slowPower(uint16_t base, uint32_t exponent) {
  uint16_t result = 1;
  for (uint32_t i = 0; i < exponent; ++i) result = slowMultiply(result, base);
  return result;
}

TEST(GaloisField, ProductsAndInversesAgreeWithShiftAndAdd) {
  const std::array<uint16_t, 7> values = {1, 2, 3, 0x100B, 0x8000, 0xBEEF, 0xFFFF};
  for (const uint16_t a : values) {
    for (const uint16_t b : values) {
      EXPECT_EQ(fieldMultiply(a, b), slowMultiply(a, b)) << a << " * " << b;
    }
    EXPECT_EQ(fieldMultiply(a, 0), 0);
    EXPECT_EQ(slowMultiply(a, fieldInverse(a)), 1) << a;
  }
  EXPECT_EQ(fieldPowerOfTwo(16), 0x100B);
  EXPECT_EQ(fieldPowerOfTwo(kFieldOrder), 1);
  EXPECT_EQ(fieldPowerOfTwo(kFieldOrder + 5), 32);
}

TEST(GaloisField, MultiplyAddOfManyWordsIsTheSumOfTheProducts) {
  // Seven words: one step of four, then three on their own.
  std::vector<unsigned char> source = {1, 0, 0x34, 0x12, 0xFF, 0xFF, 0, 0x80, 7, 0, 0, 1, 9, 9};
  std::vector<unsigned char> target = {5, 5, 0, 0, 1, 2, 3, 4, 0xAA, 0xBB, 0, 0, 6, 6};
  const std::vector<unsigned char> before = target;
  FieldMultiplier(0xBEEF).multiplyAdd(source.data(), target.data(), source.size());
  for (size_t at = 0; at < source.size(); at += 2) {
    const auto word = static_cast<uint16_t>(source[at] | (source[at + 1] << 8));
    const auto was = static_cast<uint16_t>(before[at] | (before[at + 1] << 8));
    const auto now = static_cast<uint16_t>(target[at] | (target[at + 1] << 8));
    EXPECT_EQ(now, was ^ slowMultiply(0xBEEF, word)) << "word " << at / 2;
  }
}

// Three slices of three words each, their recovery words for `exponents` worked out one
// product at a time, and the slices `lost` solved back from them.
struct Solve {
  std::vector<size_t> lost;
  std::vector<uint32_t> exponents;
};

class GaloisFieldSolve : public testing::TestWithParam<Solve> {};

TEST_P(GaloisFieldSolve, RebuildsTheLostSlicesFromTheRecoveryWords) {
  const Solve& row = GetParam();
  const std::vector<std::vector<uint16_t>> slices = {
      {0x0001, 0xFFFF, 0x1234}, {0xBEEF, 0x0000, 0x8000}, {0x7777, 0x4242, 0x0102}};
  std::vector<uint16_t> constants;
  constants.reserve(3);
  for (int32_t i = 0; i < 3; ++i) {
    constants.push_back(slowPower(2, inputSliceLogarithm(i)));
  }
  EXPECT_EQ(inputSliceLogarithm(0), 1U);
  EXPECT_EQ(inputSliceLogarithm(2), 4U);
  const size_t size = row.lost.size();
  // What the slices still there add is taken away, leaving the lost ones' sum.
  std::vector<std::vector<uint16_t>> sums(size, std::vector<uint16_t>(3, 0));
  std::vector<uint16_t> matrix(size * size);
  for (size_t e = 0; e < size; ++e) {
    for (size_t i = 0; i < 3; ++i) {
      const uint16_t factor = slowPower(constants[i], row.exponents[e]);
      const bool lost = std::find(row.lost.begin(), row.lost.end(), i) != row.lost.end();
      if (!lost) continue;
      for (size_t w = 0; w < 3; ++w) sums[e][w] ^= slowMultiply(factor, slices[i][w]);
    }
    for (size_t j = 0; j < size; ++j) {
      matrix[e * size + j] = slowPower(constants[row.lost[j]], row.exponents[e]);
    }
  }
  ASSERT_TRUE(invertFieldMatrix(&matrix, size));
  for (size_t j = 0; j < size; ++j) {
    for (size_t w = 0; w < 3; ++w) {
      uint16_t word = 0;
      for (size_t e = 0; e < size; ++e) word ^= slowMultiply(matrix[j * size + e], sums[e][w]);
      EXPECT_EQ(word, slices[row.lost[j]][w]) << "slice " << row.lost[j] << " word " << w;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, GaloisFieldSolve,
                         testing::Values(Solve{{1}, {0}}, Solve{{0, 2}, {1, 5}},
                                         Solve{{2, 0}, {3, 0}}, Solve{{0, 1, 2}, {0, 1, 2}}));

TEST(GaloisField, ASingularMatrixHasNoInverse) {
  // Two equal rows.
  std::vector<uint16_t> matrix = {3, 7, 3, 7};
  EXPECT_FALSE(invertFieldMatrix(&matrix, 2));
  std::vector<uint16_t> swapped = {0, 5, 9, 0};
  ASSERT_TRUE(invertFieldMatrix(&swapped, 2));
  EXPECT_EQ(slowMultiply(swapped[1], 9), 1);
  EXPECT_EQ(slowMultiply(swapped[2], 5), 1);
}

}  // namespace

}  // namespace floppysplit
