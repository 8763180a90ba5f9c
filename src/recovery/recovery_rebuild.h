#pragma once
// Rebuilds lost input slices from the others and as many recovery slices. Each recovery
// slice is the sum of every input slice times its constant raised to the slice's exponent
// (recovery_set.h); taking away what the slices still there add leaves, for each recovery
// slice, a sum over the lost ones alone, and the lost ones are the solution of that small
// system (Gauss-Jordan over GF(2^16), galois_field.h). The work goes chunk by chunk through
// the slices, as the writer's does: the sums of one chunk take at most kRecoveryMemory
// bytes, and each pass over the fragments reads one chunk of each.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "recovery/recovery_reader.h"

namespace floppysplit {

struct RebuildFault {
  enum class Step { none, read, write, unsolvable } step = Step::none;
  Status status = kOk;
  // The file read; for a failed write, the index of the target in `targets`.
  std::string name;
  size_t target = 0;

  explicit operator bool() const { return step != Step::none; }
};

// Rebuilds the fragments `lost` (indexes in the set, as in `data`) from the other fragments,
// named `names`, and from `volumes`, one recovery slice for each lost fragment: fragment
// lost[j]'s bytes, as long as the recovery files record it, go to `targets[j]` from its
// start. `onRead` is told the fragments' bytes read so far.
RebuildFault rebuildFragments(const RecoveryData& data, const std::vector<std::string>& names,
                              const std::vector<size_t>& lost,
                              const std::vector<RecoveryVolume>& volumes,
                              const std::vector<OsFile>& targets,
                              const std::function<void(int64_t)>& onRead);

}  // namespace floppysplit
