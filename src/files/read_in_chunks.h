#pragma once
// Reading a file from its start through one buffer and handing each read's bytes to the
// caller, which adds them to its digests and shows how far it has come. The bytes stay in
// the caller's buffer: nothing is copied or allocated for a read.

#include <cstdint>

#include "platform/file_system.h"
#include "runtime/status.h"

namespace floppysplit {

// Where the reads go: through the system (osReadAt), which may answer from its cache, or
// past the cache to the medium (osReadFromMedium, on a file opened for it, into a buffer
// from osAllocateMediumBuffer).
enum class ReadFrom { system, medium };

// A reference to the caller's receiver of one read's bytes, which must outlive it. The
// receiver returns kOk to go on, kEndOfFile to stop as if the file ended there, and any
// other status to end the reading with it.
class ChunkReceiver {
 public:
  // Not explicit, so that a call can pass its lambda as it is.
  template <typename Receive>
  ChunkReceiver(const Receive& receive)
      : receiver_(&receive), call_([](const void* receiver, const char* data, int64_t bytes) {
          return (*static_cast<const Receive*>(receiver))(data, bytes);
        }) {}

  Status operator()(const char* data, int64_t bytes) const { return call_(receiver_, data, bytes); }

 private:
  const void* receiver_;
  Status (*call_)(const void* receiver, const char* data, int64_t bytes);
};

// Reads all of `file`, `bufferBytes` at a time into `buffer`, and hands the bytes of every
// read, the empty one at the end included, to `receive` in order. Returns the first failed
// read's status or the receiver's, else kOk.
Status readInChunks(OsFile file, ReadFrom from, char* buffer, int64_t bufferBytes,
                    ChunkReceiver receive);

// As readInChunks through the system, for the first `length` bytes of `file` alone. A file
// that ends sooner gives kEndOfFile, and the bytes of its last read are not handed over.
Status readFirstBytes(OsFile file, int64_t length, char* buffer, int64_t bufferBytes,
                      ChunkReceiver receive);

}  // namespace floppysplit
