#pragma once
// Fragment file names: a leading part of "fragmen" followed by the fragment number padded
// with zeros, eight characters in all, so that the names of one run sort in order. The split
// names its fragments with them and the join reads them back from the script.

#include <array>
#include <cstdint>

namespace floppysplit {

// A fragment file name: eight characters followed by two blanks.
using FragmentName = std::array<char, 10>;

// Numbers never have more digits than this: a name never grows beyond eight characters.
inline constexpr int32_t kMaxNameDigits = 8;

// How many digits every number of a run with `count` fragments gets: the integer part of
// log10(count) + 1.000001 in double precision. The margin lifts counts just below a power
// of ten (999998 and 999999 get 7 digits).
int32_t fragmentDigitCount(int32_t count);

// Name of fragment `index` when numbers have `digits` digits.
FragmentName makeFragmentName(int32_t index, int32_t digits);

}  // namespace floppysplit
