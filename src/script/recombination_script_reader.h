#pragma once
// Reads back a Recomb.cmd this program wrote: which fragments it joins, in which order, to
// which name, and what it checks on the way. Two forms are understood: the script as it is
// written today (and before the joined name was cut to its last part), which checks every
// fragment's length and the join's SHA-256, and the script of release 1.0.0, which checks
// only that every fragment is there and the join's length. Every line is compared with the
// line the writer builds for the same fragments, lengths and name; anything else is refused.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace floppysplit {

struct FragmentToJoin {
  // As the script names it, eight characters: "fragmen1", "fragme01".
  std::string name;
  // The exact length the script checks; none in scripts of release 1.0.0.
  std::optional<int64_t> length;
};

struct RecombinationPlan {
  // In join order; at least one.
  std::vector<FragmentToJoin> fragments;
  // The name the script renames the join to, as the file name it stands for: without the
  // double quotes around it and with every %% halved. It may hold a folder, as the scripts
  // written before the name was cut to its last part do; joinedFileName cuts it.
  std::string joinedName;
  // The temporary the last copy line writes, "zzztempa" or "zzztempb", and the other one.
  std::string_view result;
  std::string_view other;
  // The exact length the script checks on the join.
  int64_t joinedLength = 0;
  // The SHA-256 the script checks on the join, 64 lowercase hexadecimal digits; none in
  // scripts of release 1.0.0.
  std::optional<std::string> sha256;
};

// The plan of the script in `bytes`, whose every line ends in CR LF, the last one empty.
// Nothing when the bytes are not, line for line, a script this program writes or wrote:
// another line anywhere, fragments named other than the split names them, fragment
// lengths that do not add up to the joined length, a length check whose second length is
// not the first's low 32 bits, an empty joined name or one with a NUL, CR or LF in it.
// Nothing in it is capped by size: the caller limits the bytes it reads.
std::optional<RecombinationPlan> readRecombinationScript(std::string_view bytes);

}  // namespace floppysplit
