#pragma once
// Writes a set's recovery files beside its fragments: the index `Recomb.par2`, a copy of it
// under a second name that PAR 2.0 tools load with it, and one volume per recovery slice,
// `Recomb.vol<exponent>+1.par2`, the exponent padded with zeros to the digits of the
// volume count. The recovery slices are worked out from the fragments, read back by name,
// chunk by chunk: their sums for all volumes take at most kRecoveryMemory bytes, and a
// slice larger than that grows in its volume file one chunk a pass over the fragments.
// Each file, once complete, is handed over to the written files (files/written_files.h)
// that the caller has begun, in the order of recoveryFileNames.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/written_files.h"
#include "recovery/recovery_set.h"

namespace floppysplit {

inline constexpr std::string_view kRecoveryIndexName = "Recomb.par2";
inline constexpr std::string_view kRecoveryIndexCopyName = "Recomb.index2.par2";

// Bytes the recovery slices' sums may take in memory at once; a chunk of one fragment takes
// as much again at most.
inline constexpr int64_t kRecoveryMemory = int64_t{16} * 1024 * 1024;

// The name of the volume of `exponent` (from 0) among `count`.
std::string recoveryVolumeName(int32_t exponent, int32_t count);

// Every file a set with `count` volumes writes, in the order they are written: the index,
// its copy, the volumes by exponent.
std::vector<std::string> recoveryFileNames(int32_t count);

// Whether the file `name` is an index that describes exactly the fragments `names` of
// `lengths` in slices of `sliceSize` (indexDescribesFragments). One that cannot be read, or
// is larger than any index of this program, does not.
bool indexFileDescribesFragments(const std::string& name, int64_t sliceSize,
                                 const std::vector<std::string_view>& names,
                                 const std::vector<int64_t>& lengths);

enum class RecoveryStep {
  none,
  handOver,      // handing a complete file over gave `handOver`
  write,         // writing the file `name` failed with `status`
  readFragment,  // reading the fragment `name` failed with `status` (-1: it is too short)
};

struct RecoveryFault {
  RecoveryStep step = RecoveryStep::none;
  WrittenFileFault handOver;
  Status status = kOk;
  std::string name;

  explicit operator bool() const { return step != RecoveryStep::none; }
};

// Writes the recovery files of `set` with `count` volumes in the current folder; stops at
// the first fault.
RecoveryFault writeRecoveryFiles(const RecoverySet& set, int32_t count,
                                 const WhileWaiting& whileWaiting);

}  // namespace floppysplit
