#include "join/set_hash.h"

#include <utility>

#include "files/file_checksum.h"
#include "platform/file_system.h"
#include "platform/sha256.h"

namespace floppysplit {

SetHash::SetHash(std::vector<std::string> names, char* buffer, int64_t bufferBytes, bool withSha256)
    : names_(std::move(names)),
      buffer_(buffer),
      bufferBytes_(bufferBytes),
      withSha256_(withSha256),
      thread_([this] { run(); }) {}

SetHash::~SetHash() {
  if (thread_.joinable()) thread_.join();
}

Status SetHash::finish(uint64_t* checksum, std::string* sha256, std::string* failedFile) {
  if (thread_.joinable()) thread_.join();
  *checksum = checksum_;
  *sha256 = sha256_;
  *failedFile = failedFile_;
  return status_;
}

void SetHash::run() {
  Sha256 digest;
  FileChecksum checksum;
  Status status = withSha256_ ? digest.start() : kOk;
  for (const std::string& name : names_) {
    OsFile file;
    if (status == kOk) status = osOpenRegularForReading(name, &file);
    if (status != kOk) {
      failedFile_ = name;
      break;
    }
    for (int64_t offset = 0; status == kOk;) {
      int64_t got = 0;
      status = osReadAt(file, offset, buffer_, bufferBytes_, &got);
      if (status != kOk) break;
      checksum.add(buffer_, got);
      if (withSha256_) status = digest.add(buffer_, got);
      offset += got;
      if (got < bufferBytes_) break;
    }
    osClose(file);
    if (status != kOk) {
      failedFile_ = name;
      break;
    }
  }
  checksum_ = checksum.wideValue();
  if (status == kOk && withSha256_) status = digest.finish(&sha256_);
  status_ = status;
}

}  // namespace floppysplit
