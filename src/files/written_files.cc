#include "files/written_files.h"

#include <algorithm>
#include <utility>

#include "files/connection.h"
#include "files/data_hash.h"
#include "files/flush_ahead.h"
#include "files/medium_check.h"
#include "platform/file_system.h"
#include "platform/owned_file.h"

namespace floppysplit {

namespace {

struct WrittenFiles {
  // The current folder, opened before the first file for the flush of its file system;
  // not open where the system flushes each file alone.
  OwnedFile folder;
  int32_t handedOver = 0;
  int64_t largestFile = 0;
  OwnDigests own;
};

WrittenFiles& writtenFiles() {
  static WrittenFiles files;
  return files;
}

}  // namespace

void beginWrittenFiles(int32_t count, OwnDigestsWanted ownDigests, WrittenBytesDigest* digest) {
  abandonWrittenFiles();
  WrittenFiles& files = writtenFiles();
  files.handedOver = 0;
  files.largestFile = 0;
  const bool wanted = ownDigests == OwnDigestsWanted::yes;
  files.own.reset(wanted ? count : 0);
  // A folder this program may not read cannot be opened for the flush: then each file is
  // flushed alone, which is slower and as sure.
  if (osFlushesFileSystems() && osOpenFolder(".", files.folder.receive()) != kOk) {
    files.folder.release();
  }
  startFlushAhead(files.folder.getIfOpen());
  startDataHash(count, !files.folder.isOpen(), digest, wanted ? &files.own : nullptr);
}

WrittenFileFault handOverWrittenFile(Unit unit, int64_t length, const WhileWaiting& whileWaiting) {
  const Connection* c = connection(unit);
  if (c == nullptr)
    return {WrittenFileStep::readBack, kUnitNotConnected, ++writtenFiles().handedOver};
  return handOverOpenFile(c->file.get(), length, whileWaiting);
}

WrittenFileFault handOverOpenFile(OsFile file, int64_t length, const WhileWaiting& whileWaiting) {
  WrittenFiles& files = writtenFiles();
  const int32_t n = ++files.handedOver;
  osStartWriteOut(file);
  flushAheadHandedOver(length);
  files.largestFile = std::max(files.largestFile, length);
  OwnedFile copy;
  const Status status = osDuplicate(file, copy.receive());
  if (status != kOk) return {WrittenFileStep::readBack, status, n};
  return queueDataHash(std::move(copy), length, whileWaiting);
}

WrittenFileFault writtenFilesFault() { return dataHashFault(); }

WrittenFileFault finishDataHash(std::string* hex, const WhileWaiting& whileWaiting) {
  return finishQueuedDataHash(hex, whileWaiting);
}

std::vector<Sha256Digest> takeWrittenFileDigests() {
  OwnDigests& own = writtenFiles().own;
  std::vector<Sha256Digest> digests = std::move(own.digests);
  own.reset(0);
  return digests;
}

WrittenFileFault flushWrittenFiles(const WrittenFileName& nameOf,
                                   const WhileWaiting& whileWaiting) {
  WrittenFiles& files = writtenFiles();
  const Status flushedBefore = endFlushAhead();
  return flushToMedium(files.folder.getIfOpen(), files.handedOver, nameOf, whileWaiting,
                       flushedBefore, files.own);
}

WrittenFileFault checkWrittenFilesOnMedium(const WrittenFileName& nameOf,
                                           const WhileWaiting& whileWaiting) {
  WrittenFiles& files = writtenFiles();
  return checkOnMedium(dataHashChecksums(), files.largestFile, nameOf, whileWaiting, files.own);
}

WrittenFilesProgress writtenFilesProgress() {
  return {queuedDataHashedBytes(), mediumCheckedBytes(), mediumCheckedFile()};
}

void abandonWrittenFiles() {
  abandonDataHash();
  abandonFlushAhead();
  writtenFiles().folder.close();
}

}  // namespace floppysplit
