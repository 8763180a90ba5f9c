#pragma once
// The record file layer's own view of the run's data hash (data_hash.cc): worker threads
// that read back each written file handed to them, in order, for the SHA-256 of all their
// bytes and a checksum of each file, and for each file's own SHA-256 where the processor
// has time for it, and flush each one to the medium where the system cannot flush a whole
// file system. Nothing outside src/files uses it; written_files.h offers it to the stages.

#include <cstdint>
#include <string>
#include <vector>

#include "files/file_checksum.h"
#include "files/own_digests.h"
#include "files/written_files.h"
#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "platform/sha256.h"

namespace floppysplit {

// Bytes of the buffer that reads back written files: the data hash's while files are
// written, then the check from the medium's.
inline constexpr int64_t kReadBackBufferBytes = int64_t{64} * 1024;

// That buffer, which starts on a block as reads past the cache need; nullptr when there is
// no memory for it. Only one thread at a time uses it.
char* readBackBuffer();

// Starts an empty hash for `count` files. With `flushEachFile`, the thread also flushes
// each file to the medium once it has read it. `digest`, where there is one, sees every
// file's bytes too. `own`, where there is one, gets the own SHA-256 of the files the second
// worker reaches; it must live until the hash is finished or abandoned.
void startDataHash(int32_t count, bool flushEachFile, WrittenBytesDigest* digest, OwnDigests* own);

// Queues the first `length` bytes of `file` (a handle of its own, which the hash closes) as
// the next file. Returns the first fault so far.
WrittenFileFault queueDataHash(OwnedFile file, int64_t length, const WhileWaiting& whileWaiting);

// The first fault so far, without waiting.
WrittenFileFault dataHashFault();

// Returns once no queued file that is still to be read is `file` on disk, so that writing
// into it cannot change bytes not hashed yet.
void awaitDataHashOf(OsFile file);

// Waits for every queued file, ends the thread and gives the digest, unless a fault was
// found.
WrittenFileFault finishQueuedDataHash(std::string* hex, const WhileWaiting& whileWaiting);

// The checksum of each file queued, in order, once the hash is finished.
const std::vector<FileChecksumValue>& dataHashChecksums();

// Ends the thread at once, closing what is still queued.
void abandonDataHash();

// Bytes read back since the hash was started.
int64_t queuedDataHashedBytes();

}  // namespace floppysplit
