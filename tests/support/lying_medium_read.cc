// A medium that lies, for tests: linked into a test build of the program in place of
// medium_read_posix.cc. FLOPPYSPLIT_LYING_MEDIUM="NAME" gives back NAME's bytes with the
// first one changed, as failing flash does; "NAME=LATER" gives back LATER's bytes for NAME,
// as a stick that holds less than it claims does once it has wrapped round and written the
// later file over the earlier one. Every other file reads back as it is.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <set>

#include "platform/medium_read.h"

namespace floppysplit {

namespace {

std::mutex gMutex;
// Files opened whose first byte is still to be changed.
std::set<int> gToChange;

}  // namespace

Status osOpenOnMedium(const std::string& name, int64_t /*readLength*/, OsFile* file) {
  const char* lie = std::getenv("FLOPPYSPLIT_LYING_MEDIUM");
  const std::string told = lie == nullptr ? "" : lie;
  const size_t equals = told.find('=');
  const bool named = told.substr(0, equals) == name;
  const std::string opened = named && equals != std::string::npos ? told.substr(equals + 1) : name;
  const int fd = ::open(opened.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  if (named && equals == std::string::npos) {
    const std::lock_guard lock(gMutex);
    gToChange.insert(fd);
  }
  *file = OsFile{fd, false};
  return kOk;
}

Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  const int fd = static_cast<int>(file.handle);
  const ssize_t n = ::pread(fd, data, static_cast<size_t>(length), static_cast<off_t>(offset));
  if (n < 0) return errno;
  *got = n;
  const std::lock_guard lock(gMutex);
  if (n > 0 && gToChange.erase(fd) > 0) static_cast<char*>(data)[0] ^= 1;
  return kOk;
}

void* osAllocateMediumBuffer(int64_t bytes) {
  return std::aligned_alloc(static_cast<size_t>(kMediumBlock), static_cast<size_t>(bytes));
}

}  // namespace floppysplit
