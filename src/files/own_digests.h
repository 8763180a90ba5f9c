#pragma once
// Each written file's own SHA-256, taken by whichever thread reads the file's bytes first
// once it is written: the data hash's second worker while the next files are written
// (data_hash.cc), the hashers that run while the file system is flushed, or the check from
// the medium (medium_check.cc). Only one of them works on the set at a time, but for the
// second worker, which takes a file only the others will not.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sha256.h"

namespace floppysplit {

struct OwnDigests {
  std::vector<Sha256Digest> digests;
  // Bytes rather than bits, so that threads may set them apart.
  std::vector<unsigned char> taken;

  // Starts over for `count` files, none of them taken.
  void reset(int32_t count) {
    digests.assign(static_cast<size_t>(count > 0 ? count : 0), Sha256Digest{});
    taken.assign(digests.size(), 0);
  }

  // True when file `n`, counted from 1, is one of the set and its digest is still to take.
  bool wanted(int32_t n) const {
    return n >= 1 && static_cast<size_t>(n) <= taken.size() &&
           taken[static_cast<size_t>(n) - 1] == 0;
  }

  // Where file `n`'s digest goes; mark it with `taken` once it is there.
  Sha256Digest* slot(int32_t n) { return &digests[static_cast<size_t>(n) - 1]; }
  void markTaken(int32_t n) { taken[static_cast<size_t>(n) - 1] = 1; }
};

}  // namespace floppysplit
