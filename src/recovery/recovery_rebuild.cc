#include "recovery/recovery_rebuild.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "platform/owned_file.h"
#include "recovery/galois_field.h"
#include "recovery/recovery_files.h"
#include "recovery/recovery_set.h"

namespace floppysplit {

namespace {

using Fault = RebuildFault;

// A slice's sums from this many bytes on are worked out on two threads.
constexpr int64_t kTwoThreadBytes = int64_t{256} << 10;

// Reads `length` bytes at `offset` of the regular file `name` into `target`.
Fault readPart(const std::string& name, int64_t offset, unsigned char* target, int64_t length) {
  OwnedFile file;
  Status status = osOpenRegularForReading(name, file.receive());
  int64_t got = 0;
  if (status == kOk) status = osReadAt(file.get(), offset, target, length, &got);
  if (status == kOk && got < length) status = kEndOfFile;
  return status == kOk ? Fault{} : Fault{Fault::Step::read, status, name};
}

// The system's matrix: row e, column j, lost slice j's constant raised to volume e's
// exponent; inverted.
bool invertedSystem(const RecoveryData& data, const std::vector<size_t>& lost,
                    const std::vector<RecoveryVolume>& volumes, std::vector<uint16_t>* matrix) {
  const size_t size = lost.size();
  matrix->assign(size * size, 0);
  for (size_t e = 0; e < size; ++e) {
    for (size_t j = 0; j < size; ++j) {
      const uint64_t logarithm = inputSliceLogarithm(data.fragmentSlice[lost[j]]);
      (*matrix)[e * size + j] = fieldPowerOfTwo(logarithm * volumes[e].exponent);
    }
  }
  return invertFieldMatrix(matrix, size);
}

class RebuildPass {
 public:
  RebuildPass(const RecoveryData& data, const std::vector<std::string>& names,
              const std::vector<size_t>& lost, const std::vector<RecoveryVolume>& volumes,
              int64_t width)
      : data_(data),
        names_(names),
        lost_(lost),
        volumes_(volumes),
        width_(width),
        sums_(std::make_unique<unsigned char[]>(lost.size() * static_cast<size_t>(width))),
        slice_(std::make_unique<unsigned char[]>(static_cast<size_t>(width))) {
    isLost_.assign(names.size(), false);
    for (const size_t n : lost) isLost_[n] = true;
  }

  // Leaves in sum(e) the sum over the lost slices of bytes [offset, offset + width) of
  // volume e's equation.
  Fault run(int64_t offset, int64_t* read, const std::function<void(int64_t)>& onRead) {
    const int64_t width = std::min(width_, data_.sliceSize - offset);
    std::fill_n(sums_.get(), lost_.size() * static_cast<size_t>(width_), 0);
    for (size_t slice = 0; slice < data_.sliceFragment.size(); ++slice) {
      const auto n = static_cast<size_t>(data_.sliceFragment[slice]);
      if (isLost_[n]) continue;
      const int64_t present = std::clamp<int64_t>(data_.fragmentLength[n] - offset, 0, width);
      if (present == 0) continue;
      Fault fault = readPart(names_[n], offset, slice_.get(), present);
      if (fault) return fault;
      *read += present;
      if (onRead) onRead(*read);
      // The word that holds the last byte of an odd length is half padding, which is zero.
      const int64_t words = (present + 1) / 2 * 2;
      if (words > present) slice_[static_cast<size_t>(present)] = 0;
      accumulate(inputSliceLogarithm(static_cast<int32_t>(slice)), words);
    }
    // Adding each volume's own bytes takes away what the slices still there added.
    const FieldMultiplier once(1);
    for (size_t e = 0; e < volumes_.size(); ++e) {
      const RecoveryVolume& volume = volumes_[e];
      Fault fault =
          readPart(volume.file, volume.offset + kRecoveryPacketStart + offset, slice_.get(), width);
      if (fault) return fault;
      once.multiplyAdd(slice_.get(), sum(e), static_cast<size_t>(width));
    }
    return {};
  }

  unsigned char* sum(size_t e) { return sums_.get() + e * static_cast<size_t>(width_); }

  // Scratch room of the width, free once run has returned.
  unsigned char* scratch() { return slice_.get(); }

 private:
  // Adds the slice's first `words` bytes times its constant (of `logarithm`) raised to each
  // volume's exponent to that volume's sum; a large slice on two threads, one half each.
  void accumulate(uint64_t logarithm, int64_t words) {
    const auto add = [&](int64_t from, int64_t to) {
      for (size_t e = 0; e < volumes_.size(); ++e) {
        const FieldMultiplier multiplier(fieldPowerOfTwo(logarithm * volumes_[e].exponent));
        multiplier.multiplyAdd(slice_.get() + from, sum(e) + from, static_cast<size_t>(to - from));
      }
    };
    if (words < kTwoThreadBytes) {
      add(0, words);
      return;
    }
    const int64_t half = words / 4 * 2;
    std::thread helper(add, half, words);
    add(0, half);
    helper.join();
  }

  const RecoveryData& data_;
  const std::vector<std::string>& names_;
  const std::vector<size_t>& lost_;
  const std::vector<RecoveryVolume>& volumes_;
  int64_t width_;
  std::vector<bool> isLost_;
  std::unique_ptr<unsigned char[]> sums_;
  std::unique_ptr<unsigned char[]> slice_;
};

}  // namespace

RebuildFault rebuildFragments(const RecoveryData& data, const std::vector<std::string>& names,
                              const std::vector<size_t>& lost,
                              const std::vector<RecoveryVolume>& volumes,
                              const std::vector<OsFile>& targets,
                              const std::function<void(int64_t)>& onRead) {
  std::vector<uint16_t> inverse;
  if (lost.empty() || volumes.size() != lost.size() ||
      !invertedSystem(data, lost, volumes, &inverse)) {
    return {Fault::Step::unsolvable, kOk, {}, 0};
  }
  const size_t size = lost.size();
  // A chunk width that keeps the sums and the two slices beside them within the memory, a
  // multiple of 4 as the slice size is.
  const int64_t width =
      std::min(data.sliceSize,
               std::max<int64_t>(4, kRecoveryMemory / static_cast<int64_t>(size + 1) / 4 * 4));
  RebuildPass pass(data, names, lost, volumes, width);
  int64_t read = 0;
  for (int64_t offset = 0; offset < data.sliceSize; offset += width) {
    Fault fault = pass.run(offset, &read, onRead);
    if (fault) return fault;
    const int64_t chunk = std::min(width, data.sliceSize - offset);
    for (size_t j = 0; j < size; ++j) {
      const int64_t keep = std::clamp<int64_t>(data.fragmentLength[lost[j]] - offset, 0, chunk);
      if (keep == 0) continue;
      unsigned char* const slice = pass.scratch();
      std::fill_n(slice, static_cast<size_t>(chunk), 0);
      for (size_t e = 0; e < size; ++e) {
        FieldMultiplier(inverse[j * size + e])
            .multiplyAdd(pass.sum(e), slice, static_cast<size_t>(chunk));
      }
      const Status status = osWriteAt(targets[j], offset, slice, keep);
      if (status != kOk) return {Fault::Step::write, status, {}, j};
    }
  }
  return {};
}

}  // namespace floppysplit
