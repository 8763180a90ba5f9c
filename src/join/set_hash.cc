#include "join/set_hash.h"

#include <utility>

#include "files/file_checksum.h"
#include "files/read_in_chunks.h"
#include "platform/file_system.h"
#include "platform/sha256.h"

namespace floppysplit {

Status fileSha256(const std::string& name, char* buffer, int64_t bufferBytes, Sha256Digest* digest,
                  const std::function<void(int64_t)>& onRead) {
  OsFile file;
  Status status = osOpenRegularForReading(name, &file);
  if (status != kOk) return status;
  Sha256 sha;
  status = sha.start();
  int64_t done = 0;
  if (status == kOk) {
    status = readInChunks(file, ReadFrom::system, buffer, bufferBytes,
                          [&](const char* data, int64_t got) {
                            done += got;
                            if (onRead) onRead(done);
                            return sha.add(data, got);
                          });
  }
  osClose(file);
  if (status == kOk) status = sha.finish(digest);
  return status;
}

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
    status = readInChunks(file, ReadFrom::system, buffer_, bufferBytes_,
                          [&](const char* data, int64_t got) {
                            checksum.add(data, got);
                            return withSha256_ ? digest.add(data, got) : kOk;
                          });
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
