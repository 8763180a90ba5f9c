#pragma once
// The digests the recovery files record of each fragment (recovery_set.h), worked out from
// the fragments' bytes as the data hash reads them back (files/written_files.h), so that no
// fragment is read once more for them.

#include <cstdint>
#include <vector>

#include "files/written_files.h"
#include "platform/md5.h"
#include "recovery/crc32.h"
#include "recovery/recovery_set.h"

namespace floppysplit {

class SourceDigests : public WrittenBytesDigest {
 public:
  // Fragments `count` in all, each padded to `sliceSize` bytes for its slice's digests.
  void start(int32_t count, int64_t sliceSize);

  Status beginFile(int32_t file, int64_t length) override;
  Status add(const char* data, int64_t length) override;
  Status endFile() override;

  // Entry n - 1 for fragment n, complete once the data hash is finished.
  const std::vector<SourceDigest>& digests() const { return digests_; }

 private:
  std::vector<SourceDigest> digests_;
  int64_t sliceSize_ = 0;
  SourceDigest* current_ = nullptr;
  int64_t added_ = 0;
  Md5 file_;
  Md5 firstBytes_;
  Md5 slice_;
  Crc32 crc_;
};

}  // namespace floppysplit
