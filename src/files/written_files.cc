#include "files/written_files.h"

#include <algorithm>

#include "files/connection.h"
#include "files/data_hash.h"
#include "files/medium_check.h"
#include "platform/file_system.h"

namespace floppysplit {

namespace {

struct WrittenFiles {
  // The current folder, opened before the first file for the flush of its file system;
  // closed where the system flushes each file alone.
  OsFile folder;
  bool folderOpen = false;
  int32_t handedOver = 0;
  int64_t largestFile = 0;
};

WrittenFiles& writtenFiles() {
  static WrittenFiles files;
  return files;
}

}  // namespace

void beginWrittenFiles(int32_t count, WrittenBytesDigest* digest) {
  abandonWrittenFiles();
  WrittenFiles& files = writtenFiles();
  files.handedOver = 0;
  files.largestFile = 0;
  // A folder this program may not read cannot be opened for the flush: then each file is
  // flushed alone, which is slower and as sure.
  files.folderOpen = osFlushesFileSystems() && osOpenFolder(".", &files.folder) == kOk;
  startDataHash(count, !files.folderOpen, digest);
}

WrittenFileFault handOverWrittenFile(Unit unit, int64_t length, const WhileWaiting& whileWaiting) {
  const Connection* c = connection(unit);
  if (c == nullptr)
    return {WrittenFileStep::readBack, kUnitNotConnected, ++writtenFiles().handedOver};
  return handOverOpenFile(c->file, length, whileWaiting);
}

WrittenFileFault handOverOpenFile(OsFile file, int64_t length, const WhileWaiting& whileWaiting) {
  WrittenFiles& files = writtenFiles();
  const int32_t n = ++files.handedOver;
  osStartWriteOut(file);
  files.largestFile = std::max(files.largestFile, length);
  OsFile copy;
  const Status status = osDuplicate(file, &copy);
  if (status != kOk) return {WrittenFileStep::readBack, status, n};
  return queueDataHash(copy, length, whileWaiting);
}

WrittenFileFault writtenFilesFault() { return dataHashFault(); }

WrittenFileFault finishDataHash(std::string* hex, const WhileWaiting& whileWaiting) {
  return finishQueuedDataHash(hex, whileWaiting);
}

const std::vector<Sha256Digest>& writtenFileDigests() { return dataHashDigests(); }

WrittenFileFault flushWrittenFiles(const WrittenFileName& nameOf,
                                   const WhileWaiting& whileWaiting) {
  const WrittenFiles& files = writtenFiles();
  return flushToMedium(files.folderOpen ? &files.folder : nullptr, files.handedOver, nameOf,
                       whileWaiting);
}

WrittenFileFault checkWrittenFilesOnMedium(const WrittenFileName& nameOf,
                                           const WhileWaiting& whileWaiting) {
  return checkOnMedium(dataHashChecksums(), writtenFiles().largestFile, nameOf, whileWaiting);
}

WrittenFilesProgress writtenFilesProgress() {
  return {queuedDataHashedBytes(), mediumCheckedBytes(), mediumCheckedFile()};
}

void abandonWrittenFiles() {
  abandonDataHash();
  WrittenFiles& files = writtenFiles();
  if (files.folderOpen) osClose(files.folder);
  files.folderOpen = false;
}

}  // namespace floppysplit
