#include "files/read_in_chunks.h"

#include <algorithm>
#include <limits>

#include "platform/medium_read.h"

namespace floppysplit {

namespace {

constexpr int64_t kNoLength = std::numeric_limits<int64_t>::max();

Status readOnce(OsFile file, ReadFrom from, int64_t offset, char* buffer, int64_t asked,
                int64_t* got) {
  return from == ReadFrom::medium ? osReadFromMedium(file, offset, buffer, asked, got)
                                  : osReadAt(file, offset, buffer, asked, got);
}

// True when a read that gave `got` of `asked` bytes reached the end of the file. A read
// from the medium may stop short at a block and still have more to come.
bool reachedEnd(ReadFrom from, int64_t got, int64_t asked) {
  return from == ReadFrom::medium ? mediumReadReachedEnd(got, asked) : got < asked;
}

// Reads `file` up to its end or to `length` bytes, which it must then hold.
Status readUpTo(OsFile file, ReadFrom from, int64_t length, char* buffer, int64_t bufferBytes,
                ChunkReceiver receive) {
  for (int64_t offset = 0; offset < length;) {
    const int64_t asked = std::min(bufferBytes, length - offset);
    int64_t got = 0;
    Status status = readOnce(file, from, offset, buffer, asked, &got);
    if (status != kOk) return status;
    if (length != kNoLength && got < asked) return kEndOfFile;
    status = receive(buffer, got);
    if (status != kOk) return status == kEndOfFile ? kOk : status;
    if (reachedEnd(from, got, asked)) break;
    offset += got;
  }
  return kOk;
}

}  // namespace

Status readInChunks(OsFile file, ReadFrom from, char* buffer, int64_t bufferBytes,
                    ChunkReceiver receive) {
  return readUpTo(file, from, kNoLength, buffer, bufferBytes, receive);
}

Status readFirstBytes(OsFile file, int64_t length, char* buffer, int64_t bufferBytes,
                      ChunkReceiver receive) {
  return readUpTo(file, ReadFrom::system, length, buffer, bufferBytes, receive);
}

}  // namespace floppysplit
