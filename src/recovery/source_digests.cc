#include "recovery/source_digests.h"

#include <algorithm>
#include <array>

namespace floppysplit {

namespace {

constexpr int64_t kFirstBytes = 16384;

}  // namespace

void SourceDigests::start(int32_t count, int64_t sliceSize) {
  digests_.assign(static_cast<size_t>(std::max(count, 0)), SourceDigest{});
  sliceSize_ = sliceSize;
  current_ = nullptr;
}

// A fragment as long as the slice is its slice, and the MD5 of its first bytes, where it
// is no longer, is its file's: only the final fragment needs three digests.
Status SourceDigests::beginFile(int32_t file, int64_t length) {
  current_ = &digests_[static_cast<size_t>(file) - 1];
  current_->length = length;
  added_ = 0;
  crc_ = Crc32();
  Status status = file_.start();
  if (status == kOk && length > kFirstBytes) status = firstBytes_.start();
  if (status == kOk && length < sliceSize_) status = slice_.start();
  return status;
}

Status SourceDigests::add(const char* data, int64_t length) {
  Status status = file_.add(data, length);
  if (status == kOk && added_ < kFirstBytes && current_->length > kFirstBytes) {
    status = firstBytes_.add(data, std::min(length, kFirstBytes - added_));
  }
  if (status == kOk && current_->length < sliceSize_) status = slice_.add(data, length);
  crc_.add(data, length);
  added_ += length;
  return status;
}

Status SourceDigests::endFile() {
  SourceDigest& digest = *current_;
  Status status = file_.finish(&digest.fileMd5);
  if (status == kOk) {
    if (digest.length > kFirstBytes) {
      status = firstBytes_.finish(&digest.firstBytesMd5);
    } else {
      digest.firstBytesMd5 = digest.fileMd5;
    }
  }
  const int64_t padding = sliceSize_ - digest.length;
  if (status == kOk && padding > 0) {
    static constexpr std::array<char, 4096> kZeros{};
    for (int64_t left = padding; left > 0 && status == kOk; left -= int64_t{kZeros.size()}) {
      status = slice_.add(kZeros.data(), std::min<int64_t>(left, kZeros.size()));
    }
    if (status == kOk) status = slice_.finish(&digest.sliceMd5);
    crc_.addZeros(padding);
  } else {
    digest.sliceMd5 = digest.fileMd5;
  }
  digest.sliceCrc = crc_.value();
  return status;
}

}  // namespace floppysplit
