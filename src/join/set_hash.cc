#include "join/set_hash.h"

#include <utility>

#include "files/file_checksum.h"
#include "files/read_in_chunks.h"
#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "platform/sha256.h"

namespace floppysplit {

Status fileSha256(const std::string& name, char* buffer, int64_t bufferBytes, Sha256Digest* digest,
                  const std::function<void(int64_t)>& onRead) {
  OwnedFile file;
  Status status = osOpenRegularForReading(name, file.receive());
  if (status != kOk) return status;
  Sha256 sha;
  status = sha.start();
  int64_t done = 0;
  if (status == kOk) {
    status = readInChunks(file.get(), ReadFrom::system, buffer, bufferBytes,
                          [&](const char* data, int64_t got) {
                            done += got;
                            if (onRead) onRead(done);
                            return sha.add(data, got);
                          });
  }
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

SetDigest SetHash::finish() {
  if (thread_.joinable()) thread_.join();
  return digest_;
}

void SetHash::run() {
  Sha256 digest;
  FileChecksum checksum;
  Status status = withSha256_ ? digest.start() : kOk;
  for (const std::string& name : names_) {
    OwnedFile file;
    if (status == kOk) status = osOpenRegularForReading(name, file.receive());
    if (status == kOk) {
      status = readInChunks(file.get(), ReadFrom::system, buffer_, bufferBytes_,
                            [&](const char* data, int64_t got) {
                              checksum.add(data, got);
                              return withSha256_ ? digest.add(data, got) : kOk;
                            });
    }
    if (status != kOk) {
      digest_.failedFile = name;
      break;
    }
  }
  digest_.checksum = checksum.wideValue();
  if (status == kOk && withSha256_) status = digest.finish(&digest_.sha256);
  digest_.status = status;
}

}  // namespace floppysplit
