#include "script/fragment_name.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace floppysplit {

namespace {

constexpr std::string_view kStem = "fragmen";
constexpr double kLog10Of2 = 0.3010299956639812;

}  // namespace

int32_t fragmentDigitCount(int32_t count) {
  if (count < 1) return 0;  // no names, and no logarithm to take
  const double log10 = std::log2(static_cast<double>(count)) * kLog10Of2;
  const double sum = log10 + 1.000001;
  return static_cast<int32_t>(std::trunc(sum));
}

FragmentName makeFragmentName(int32_t index, int32_t digits) {
  FragmentName name;
  name.fill(' ');
  const auto width = static_cast<size_t>(std::clamp(digits, 1, static_cast<int32_t>(name.size())));
  const size_t stemLength = width < 8 ? 8 - width : 0;
  std::copy_n(kStem.begin(), stemLength, name.begin());
  auto value = static_cast<uint32_t>(index);
  for (size_t i = stemLength + width; i > stemLength; --i) {
    name[i - 1] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return name;
}

}  // namespace floppysplit
