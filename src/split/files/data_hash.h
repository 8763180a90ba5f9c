#pragma once
// The record file layer's own view of the run's data hash (data_hash.cc): a second thread
// that reads back files handed to it and hashes their bytes in order. Nothing outside
// src/split/files uses it; record_file.h offers it to the stages.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "runtime/termination.h"

namespace floppysplit {

// What a caller does every tenth of a second while it waits for the hash.
using WhileWaiting = std::function<void()>;

// Queues the first `length` bytes of `file` (a handle of its own, which the hash closes),
// read on `unit`. Returns the failure of an earlier file, if any, with its unit.
Status queueDataHash(OsFile file, int64_t length, Unit unit, Unit* failedUnit,
                     const WhileWaiting& whileWaiting);

// Returns once no queued file that is still to be read is `file` on disk, so that writing
// into it cannot change bytes not hashed yet.
void awaitDataHashOf(OsFile file);

// Waits for every queued file, ends the thread and gives the digest; or the first failure
// and its unit. The hash is empty again afterwards.
Status finishQueuedDataHash(std::string* hex, Unit* failedUnit, const WhileWaiting& whileWaiting);

// Ends the thread at once, closing what is still queued; the hash is empty again.
void abandonDataHash();

// Bytes hashed since the hash last became empty.
int64_t queuedDataHashedBytes();

}  // namespace floppysplit
