#pragma once
// Reads back the recovery files beside a set, this program's or a PAR 2.0 tool's: the index
// `Recomb.par2`, its copy `Recomb.index2.par2` and every other regular file named
// `Recomb.*.par2` in the folder, never through a link. Packets are taken in any file, in
// any order; a packet whose MD5 differs, of an unknown type or of another set is passed
// over. The recovery slices are only found here, by where they lie: their bytes are read,
// and checked by their packet's MD5, only when one is used (pickIntactVolumes).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/md5.h"

namespace floppysplit {

// One recovery slice: the packet at `offset` of the file `file`, `length` bytes long.
struct RecoveryVolume {
  std::string file;
  int64_t offset = 0;
  int64_t length = 0;
  uint32_t exponent = 0;
  Md5Digest packetMd5{};
};

enum class RecoveryState {
  none,          // no recovery file is there
  indexMissing,  // no set's description was found whole in any of them
  notCovering,   // the set they describe is not exactly the fragments, one slice each
  usable,
};

struct RecoveryData {
  RecoveryState state = RecoveryState::none;
  int64_t sliceSize = 0;
  // Input slice i holds the fragment sliceFragment[i] (its index in the set, from 0).
  std::vector<int32_t> sliceFragment;
  // By fragment: its input slice, its length and MD5 as the recovery files record them.
  std::vector<int32_t> fragmentSlice;
  std::vector<int64_t> fragmentLength;
  std::vector<Md5Digest> fragmentMd5;
  // The set's recovery slices, unchecked, in the order found; an exponent may come twice.
  std::vector<RecoveryVolume> volumes;
};

// Whether any recovery file is in the folder `folder` ("." for the current one).
bool recoveryFilesPresent(const std::string& folder);

// Reads the recovery files in `folder` for the set of the fragments `names` (as the
// recovery files name them, without the folder), whose lengths are `lengths` where known.
// The volumes' files are named as reached from the current folder.
RecoveryData readRecoveryData(const std::string& folder, const std::vector<std::string_view>& names,
                              const std::vector<std::optional<int64_t>>& lengths);

// Picks up to `wanted` recovery slices of different exponents whose packets are intact,
// reading each through `buffer` (`bufferBytes`); where there are fewer, all of them. The
// number of those passed over as damaged goes to `*damaged`.
std::vector<RecoveryVolume> pickIntactVolumes(const RecoveryData& data, size_t wanted, char* buffer,
                                              int64_t bufferBytes, int32_t* damaged);

}  // namespace floppysplit
