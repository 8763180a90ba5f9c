#include "split/fragment_names.h"

#include "split/split_job.h"

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
