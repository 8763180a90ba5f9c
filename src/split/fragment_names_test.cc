#include "split/fragment_names.h"

#include <gtest/gtest.h>

#include <string>

namespace floppysplit {

namespace {

std::string entry(const FragmentName& name) { return std::string(name.data(), name.size()); }

// Builds the table for `count` fragments in a fresh job.
const std::vector<FragmentName>& namesFor(int32_t count) {
  splitJob.fragmentNames.clear();
  splitJob.fragmentCount = count;
  buildFragmentNames();
  return splitJob.fragmentNames;
}

TEST(FragmentNames, DigitCountFollowsTheLogarithmRule) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1, 1},       {9, 1},       {10, 2},      {99, 2},       {100, 3},     {999, 3},
      {1000, 4},    {99999, 5},   {100000, 6},  {999997, 6},   {999998, 7},  {999999, 7},
      {1000000, 7}, {9999976, 7}, {9999977, 8}, {10000000, 8}, {99999999, 9}};
  for (const auto& [count, digits] : cases) {
    EXPECT_EQ(fragmentDigitCount(count), digits) << count;
  }
}

TEST(FragmentNames, EveryEntryIsTenCharactersEndingInTwoBlanks) {
  EXPECT_EQ(entry(makeFragmentName(1, 1)), "fragmen1  ");
  EXPECT_EQ(entry(makeFragmentName(7, 2)), "fragme07  ");
  EXPECT_EQ(entry(makeFragmentName(100, 3)), "fragm100  ");
  EXPECT_EQ(entry(makeFragmentName(42, 6)), "fr000042  ");
  EXPECT_EQ(entry(makeFragmentName(999999, 7)), "f0999999  ");
  EXPECT_EQ(entry(makeFragmentName(5, 8)), "00000005  ");
}

TEST(FragmentNames, OneRunUsesOneWidthForAllNames) {
  EXPECT_EQ(entry(namesFor(1).at(0)), "fragmen1  ");
  EXPECT_EQ(entry(namesFor(9).back()), "fragmen9  ");

  const auto& ten = namesFor(10);
  ASSERT_EQ(ten.size(), 10u);
  EXPECT_EQ(entry(ten.front()), "fragme01  ");
  EXPECT_EQ(entry(ten.back()), "fragme10  ");

  const auto& hundred = namesFor(100);
  EXPECT_EQ(entry(hundred.front()), "fragm001  ");
  EXPECT_EQ(entry(hundred.back()), "fragm100  ");

  EXPECT_EQ(entry(namesFor(999997).back()), "fr999997  ");
  const auto& nearMillion = namesFor(999999);
  EXPECT_EQ(entry(nearMillion.front()), "f0000001  ");
  EXPECT_EQ(entry(nearMillion.back()), "f0999999  ");

  EXPECT_TRUE(namesFor(0).empty());
  EXPECT_TRUE(namesFor(-3).empty());
}

TEST(FragmentNames, NamesSortInFragmentOrder) {
  const auto& names = namesFor(1234);
  for (size_t i = 1; i < names.size(); ++i) {
    ASSERT_LT(entry(names[i - 1]), entry(names[i])) << i;
  }
}

}  // namespace

}  // namespace floppysplit
