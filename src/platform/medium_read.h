#pragma once
// Reading a file back from the medium itself (disk, card, stick) instead of from the
// system's cache, which still holds what was written whether or not the medium kept it.
// One implementation per platform (medium_read_posix.cc, medium_read_win32.cc); a test
// program may link another that lies about the bytes, as a failing medium does.
//
// Such reads move whole blocks: offsets, lengths and the buffer's start are multiples of
// kMediumBlock, and a read returns fewer bytes than asked only where the file ends. The
// rounding is in the small functions below, the same on every platform.

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace floppysplit {

// The block that reads past the cache move: 4 KiB, a multiple of every sector size in use.
inline constexpr int64_t kMediumBlock = 4096;

// `bytes` rounded up to whole blocks.
constexpr int64_t wholeMediumBlocks(int64_t bytes) {
  return (bytes + kMediumBlock - 1) / kMediumBlock * kMediumBlock;
}

// `bytes` rounded down to whole blocks, at least one block.
constexpr int64_t mediumBlocksWithin(int64_t bytes) {
  return std::max(bytes / kMediumBlock * kMediumBlock, kMediumBlock);
}

// True when a read that returned `got` of `asked` bytes reached the end of the file: it
// stopped short, or the bytes it gave end inside a block. Only then is the next read not
// taken at `got` bytes further on.
constexpr bool mediumReadReachedEnd(int64_t got, int64_t asked) {
  return got < asked && (got == 0 || got % kMediumBlock != 0);
}

// How files of at most `largestFile` bytes are read back from a buffer of `bufferBytes`:
// by two to `mostReaders` readers at once, each with its own slice of whole blocks. Small
// files share the buffer among more readers, so that the medium has more reads to work on
// at once; large ones get slices as long as two readers allow, so that each read is long.
// Where the system `readsAhead` (osMediumReadsAhead), a read's length no longer makes the
// medium's requests long, and every file size gets the most readers, and with them the
// most files asked for at once. Two readers keep two processors busy where the medium
// answers at once (tmpfs) and the checksum is the work.
struct MediumReadPlan {
  int32_t readers = 2;
  int64_t sliceBytes = 0;
};

constexpr MediumReadPlan planMediumReads(int64_t bufferBytes, int64_t largestFile,
                                         int32_t mostReaders, bool readsAhead) {
  const int64_t fileBlocks = wholeMediumBlocks(std::max<int64_t>(largestFile, 1));
  const auto readers =
      readsAhead
          ? mostReaders
          : static_cast<int32_t>(std::clamp<int64_t>(bufferBytes / fileBlocks, 2, mostReaders));
  return {readers, mediumBlocksWithin(bufferBytes / readers)};
}

// True where a file longer than one read is read through its emptied cache and asked for
// well ahead of the reader: the medium then gets long requests whatever the reads' length.
bool osMediumReadsAhead();

// Opens `name` so that the reads that follow, `readLength` bytes each, fetch its bytes from
// the medium, not from the system's cache: reads past the cache (O_DIRECT,
// FILE_FLAG_NO_BUFFERING), or, for a file longer than one read where the system allows it,
// reads through a cache emptied of the file first, which the system fills ahead of them in
// long requests. On a file system without a medium (tmpfs) they come from memory. Close it
// with osClose.
Status osOpenOnMedium(const std::string& name, int64_t readLength, OsFile* file);

// As osOpenOnMedium, for the file open as `file` rather than a name: `*reader` reads that
// very file, whatever its name now stands for, from the medium. Close it with osClose. Where
// the system cannot open the file afresh from `file` (POSIX without /proc), `*reader` shares
// `file`'s open and reads through a cache emptied of the file, never past it: reading past
// the cache is a setting of the open, and `file`'s own writes would get it too.
Status osOpenOnMediumFrom(OsFile file, int64_t readLength, OsFile* reader);

// Reads up to `length` bytes at `offset` (both whole blocks) into `data` (a buffer from
// osAllocateMediumBuffer); `*got` is less than `length` only at the end of the file.
Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got);

// A buffer of `bytes` (whole blocks) that starts on a block, or nullptr when there is no
// memory for it. It lasts as long as the process.
void* osAllocateMediumBuffer(int64_t bytes);

}  // namespace floppysplit
