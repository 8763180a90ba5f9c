#include "recovery/recovery_files.h"

#include <algorithm>
#include <memory>

#include "platform/file_system.h"
#include "platform/md5.h"
#include "platform/owned_file.h"
#include "recovery/galois_field.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

// Larger than any index this program writes, of kMostRecoverySlices fragments.
constexpr int64_t kLargestIndex = int64_t{16} * 1024 * 1024;

// Digits of `value`, at least one.
int digitCount(int32_t value) {
  int digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

std::string padded(int32_t value, int width) {
  std::string text = std::to_string(value);
  return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') +
         text;
}

RecoveryFault writeFault(Status status, std::string_view name) {
  return {RecoveryStep::write, {}, status, std::string(name)};
}

// Writes `bytes` at `offset` of the file `name`, creating it where there is none; at `end`,
// cuts the file to `end` bytes, hands it over and closes it.
RecoveryFault writePart(const std::string& name, int64_t offset, const unsigned char* bytes,
                        int64_t length, int64_t end, const WhileWaiting& whileWaiting) {
  OwnedFile file;
  Status status = osOpen(name, OsExistence::openOrCreate, OsAccess::readWrite, file.receive());
  if (status != kOk) return writeFault(status, name);
  status = osWriteAt(file.get(), offset, bytes, length);
  if (status == kOk && end > 0) status = osSetLength(file.get(), end);
  if (status != kOk) return writeFault(status, name);
  RecoveryFault fault;
  if (end > 0) {
    const WrittenFileFault handedOver = handOverOpenFile(file.get(), end, whileWaiting);
    if (handedOver) fault = {RecoveryStep::handOver, handedOver, handedOver.status, name};
  }
  status = file.close();
  if (!fault && status != kOk) return writeFault(status, name);
  return fault;
}

// Reads `length` bytes from `offset` of the open fragment `name` into `target`.
RecoveryFault readFragment(OsFile file, const std::string& name, int64_t offset,
                           unsigned char* target, int64_t length) {
  while (length > 0) {
    int64_t got = 0;
    const Status status = osReadAt(file, offset, target, length, &got);
    if (status != kOk || got <= 0) {
      return {RecoveryStep::readFragment, {}, status != kOk ? status : kEndOfFile, name};
    }
    offset += got;
    target += got;
    length -= got;
  }
  return {};
}

// The sums of one pass: bytes [offset, offset + width) of every recovery slice.
class RecoveryPass {
 public:
  RecoveryPass(const RecoverySet& set, int32_t count, int64_t width)
      : set_(set),
        count_(count),
        width_(width),
        sums_(std::make_unique<unsigned char[]>(static_cast<size_t>(count * width))),
        slice_(std::make_unique<unsigned char[]>(static_cast<size_t>(width))) {}

  RecoveryFault run(int64_t offset) {
    const int64_t width = std::min(width_, set_.sliceSize - offset);
    std::fill_n(sums_.get(), static_cast<size_t>(count_ * width_), 0);
    for (size_t i = 0; i < set_.sliceOrder.size(); ++i) {
      // Each slice takes a while for many volumes: an interruption ends the run between two.
      stopIfInterrupted();
      const RecoverySource& source = set_.sources[static_cast<size_t>(set_.sliceOrder[i])];
      const int64_t present = std::clamp<int64_t>(source.digest.length - offset, 0, width);
      if (present == 0) continue;
      RecoveryFault fault = readSlice(source.name, offset, present);
      if (fault) return fault;
      // The slice's padding is zeros, which add nothing, but the word that holds the last
      // byte of an odd length is half padding. The width is even, so that word is in it.
      const int64_t words = (present + 1) / 2 * 2;
      if (words > present) slice_[static_cast<size_t>(present)] = 0;
      const uint64_t logarithm = inputSliceLogarithm(static_cast<int32_t>(i));
      for (int32_t exponent = 0; exponent < count_; ++exponent) {
        const FieldMultiplier multiplier(
            fieldPowerOfTwo(logarithm * static_cast<uint64_t>(exponent)));
        multiplier.multiplyAdd(slice_.get(), sum(exponent), static_cast<size_t>(words));
      }
    }
    return {};
  }

  unsigned char* sum(int32_t exponent) { return sums_.get() + exponent * width_; }

 private:
  RecoveryFault readSlice(const std::string& name, int64_t offset, int64_t length) {
    OwnedFile file;
    const Status status = osOpenRegularForReading(name, file.receive());
    if (status != kOk) return {RecoveryStep::readFragment, {}, status, name};
    return readFragment(file.get(), name, offset, slice_.get(), length);
  }

  const RecoverySet& set_;
  int32_t count_;
  int64_t width_;
  std::unique_ptr<unsigned char[]> sums_;
  std::unique_ptr<unsigned char[]> slice_;
};

// Writes bytes [offset, offset + chunk) of the slice of the volume of `exponent` and adds
// them to its packet's digest; after the slice's last chunk, the packet's start with that
// digest, and the volume is handed over.
RecoveryFault writeVolumeChunk(const RecoverySet& set, int32_t count, int32_t exponent,
                               int64_t offset, const unsigned char* sum, int64_t chunk, Md5* digest,
                               const WhileWaiting& whileWaiting) {
  const std::string name = recoveryVolumeName(exponent, count);
  Status status = digest->add(sum, chunk);
  if (status != kOk) return writeFault(status, name);
  RecoveryFault fault = writePart(name, kRecoveryPacketStart + offset, sum, chunk, 0, whileWaiting);
  if (fault || offset + chunk < set.sliceSize) return fault;
  Md5Digest packetMd5{};
  status = digest->finish(&packetMd5);
  if (status != kOk) return writeFault(status, name);
  const auto start = recoveryPacketStart(set, static_cast<uint32_t>(exponent), packetMd5);
  return writePart(name, 0, start.data(), kRecoveryPacketStart,
                   kRecoveryPacketStart + set.sliceSize, whileWaiting);
}

}  // namespace

bool indexFileDescribesFragments(const std::string& name, int64_t sliceSize,
                                 const std::vector<std::string_view>& names,
                                 const std::vector<int64_t>& lengths) {
  OwnedFile file;
  if (osOpenRegularForReading(name, file.receive()) != kOk) return false;
  int64_t length = 0;
  std::vector<unsigned char> index;
  bool read = osLength(file.get(), &length) == kOk && length <= kLargestIndex;
  if (read) {
    index.resize(static_cast<size_t>(length));
    read = !readFragment(file.get(), name, 0, index.data(), length);
  }
  file.close();
  return read && indexDescribesFragments(index, sliceSize, names, lengths);
}

std::string recoveryVolumeName(int32_t exponent, int32_t count) {
  return "Recomb.vol" + padded(exponent, digitCount(count)) + "+1.par2";
}

std::vector<std::string> recoveryFileNames(int32_t count) {
  std::vector<std::string> names{std::string(kRecoveryIndexName),
                                 std::string(kRecoveryIndexCopyName)};
  for (int32_t exponent = 0; exponent < count; ++exponent) {
    names.push_back(recoveryVolumeName(exponent, count));
  }
  return names;
}

RecoveryFault writeRecoveryFiles(const RecoverySet& set, int32_t count,
                                 const WhileWaiting& whileWaiting) {
  const auto indexLength = static_cast<int64_t>(set.index.size());
  for (const std::string_view name : {kRecoveryIndexName, kRecoveryIndexCopyName}) {
    RecoveryFault fault =
        writePart(std::string(name), 0, set.index.data(), indexLength, indexLength, whileWaiting);
    if (fault) return fault;
  }

  // A chunk width that keeps every volume's sums within the memory, a multiple of 4 as the
  // slice size is.
  const int64_t width =
      std::min(set.sliceSize, std::max<int64_t>(4, kRecoveryMemory / count / 4 * 4));
  std::vector<Md5> packetDigests(static_cast<size_t>(count));
  for (int32_t exponent = 0; exponent < count; ++exponent) {
    const Status status = startRecoveryPacketDigest(set, static_cast<uint32_t>(exponent),
                                                    &packetDigests[static_cast<size_t>(exponent)]);
    if (status != kOk) return writeFault(status, recoveryVolumeName(exponent, count));
  }
  RecoveryPass pass(set, count, width);
  for (int64_t offset = 0; offset < set.sliceSize; offset += width) {
    RecoveryFault fault = pass.run(offset);
    if (fault) return fault;
    const int64_t chunk = std::min(width, set.sliceSize - offset);
    for (int32_t exponent = 0; exponent < count; ++exponent) {
      fault = writeVolumeChunk(set, count, exponent, offset, pass.sum(exponent), chunk,
                               &packetDigests[static_cast<size_t>(exponent)], whileWaiting);
      if (fault) return fault;
    }
  }
  return {};
}

}  // namespace floppysplit
