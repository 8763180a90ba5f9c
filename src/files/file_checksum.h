#pragma once
// A fast 64-bit checksum of a file's bytes (XXH3), fed in pieces: it tells a file read back
// from the medium from the bytes written into it at a fraction of the SHA-256's cost. It
// guards against media that lose or mix up bytes, not against anyone forging them. The
// length of the bytes is part of the checksum.

#include <cstdint>
#include <memory>

namespace floppysplit {

// What is kept of a file's checksum: 32 bits, so that a run of many small fragments keeps
// little memory for them. A fragment the medium changed passes as unchanged only once in
// four billion times, and Recomb.cmd's SHA-256 would still find it.
using FileChecksumValue = uint32_t;

class FileChecksum {
 public:
  FileChecksum();
  ~FileChecksum();
  FileChecksum(const FileChecksum&) = delete;
  FileChecksum& operator=(const FileChecksum&) = delete;

  // Starts again with no bytes.
  void start();
  void add(const void* data, int64_t length);
  // The checksum of every byte added since the start.
  FileChecksumValue value() const;
  // All 64 bits of it, for one large file whose check may cost that much memory.
  uint64_t wideValue() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace floppysplit
