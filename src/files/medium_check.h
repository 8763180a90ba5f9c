#pragma once
// The record file layer's own view of the flush and the check from the medium
// (medium_check.cc). Nothing outside src/files uses it; written_files.h offers it to
// the stages.

#include <atomic>
#include <cstdint>
#include <vector>

#include "files/file_checksum.h"
#include "files/own_digests.h"
#include "files/written_files.h"
#include "platform/file_system.h"

namespace floppysplit {

// One thread's share of the own SHA-256 taken from the cache: takes the next file from `next`
// on, up to `count`, and the own SHA-256 of each that `own` still wants, read through
// `buffer`, until `stop`. A file it cannot read, or reads only in part, stays wanted.
void takeOwnDigestsFromCache(std::atomic<int32_t>& next, int32_t count,
                             const WrittenFileName& nameOf, char* buffer, int64_t bufferBytes,
                             Sha256& sha, const std::atomic<bool>& stop, OwnDigests& own);

// Flushes the file system that holds `folder` on a thread of its own, while other threads
// take the own SHA-256 that `own` still wants of files 1 to `count` from the cache, in order,
// until the flush ends. When the flush fails, or `flushedBefore` (how the flushes of the same
// file system while the files were written ended) is a failure, flushes the files alone, in
// order, through new handles (which still see a failure that nobody has seen), and names the
// first at fault. Without a folder, each file was flushed when it was read back, and there is
// nothing left to do.
WrittenFileFault flushToMedium(const OsFile* folder, int32_t count, const WrittenFileName& nameOf,
                               const WhileWaiting& whileWaiting, Status flushedBefore,
                               OwnDigests& own);

// Reads files 1 to checksums.size() back from the medium on threads of their own and
// compares each with its checksum; none of them is longer than `largestFile` bytes. Sets
// the own SHA-256 of each file that `own` does not hold yet from the bytes read.
WrittenFileFault checkOnMedium(const std::vector<FileChecksumValue>& checksums, int64_t largestFile,
                               const WrittenFileName& nameOf, const WhileWaiting& whileWaiting,
                               OwnDigests& own);

// Bytes read back from the medium, and the last file begun, since the last check began.
int64_t mediumCheckedBytes();
int32_t mediumCheckedFile();

}  // namespace floppysplit
