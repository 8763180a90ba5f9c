#include "files/file_checksum.h"

#include <cstddef>

// The whole of XXH3 is compiled into this file: no library is needed at run time.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace floppysplit {

struct FileChecksum::State {
  XXH3_state_t xxh3{};
};

FileChecksum::FileChecksum() : state_(std::make_unique<State>()) { start(); }

FileChecksum::~FileChecksum() = default;

void FileChecksum::start() { XXH3_64bits_reset(&state_->xxh3); }

void FileChecksum::add(const void* data, int64_t length) {
  XXH3_64bits_update(&state_->xxh3, data, static_cast<size_t>(length));
}

FileChecksumValue FileChecksum::value() const {
  return static_cast<FileChecksumValue>(wideValue());
}

uint64_t FileChecksum::wideValue() const { return XXH3_64bits_digest(&state_->xxh3); }

}  // namespace floppysplit
