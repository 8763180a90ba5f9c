#include "script/fragment_name.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace floppysplit {

namespace {

std::string entry(const FragmentName& name) { return std::string(name.data(), name.size()); }

TEST(FragmentName, DigitCountFollowsTheLogarithmRule) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1, 1},       {9, 1},       {10, 2},      {99, 2},       {100, 3},     {999, 3},
      {1000, 4},    {99999, 5},   {100000, 6},  {999997, 6},   {999998, 7},  {999999, 7},
      {1000000, 7}, {9999976, 7}, {9999977, 8}, {10000000, 8}, {99999999, 9}};
  for (const auto& [count, digits] : cases) {
    EXPECT_EQ(fragmentDigitCount(count), digits) << count;
  }
}

TEST(FragmentName, EveryEntryIsTenCharactersEndingInTwoBlanks) {
  EXPECT_EQ(entry(makeFragmentName(1, 1)), "fragmen1  ");
  EXPECT_EQ(entry(makeFragmentName(7, 2)), "fragme07  ");
  EXPECT_EQ(entry(makeFragmentName(100, 3)), "fragm100  ");
  EXPECT_EQ(entry(makeFragmentName(42, 6)), "fr000042  ");
  EXPECT_EQ(entry(makeFragmentName(999999, 7)), "f0999999  ");
  EXPECT_EQ(entry(makeFragmentName(5, 8)), "00000005  ");
}

}  // namespace

}  // namespace floppysplit
