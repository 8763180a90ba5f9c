// Reading back from the medium on POSIX: O_DIRECT where the file system takes it; where it
// does not (or a read at these alignments is refused after all), the file's cached pages
// are dropped with posix_fadvise and it is read as usual, so that the system fetches the
// bytes from the medium again.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/medium_read.h"

namespace floppysplit {

namespace {

Status lastError() { return errno == 0 ? EIO : errno; }

int descriptor(OsFile file) { return static_cast<int>(file.handle); }

// Turns `fd` into a descriptor that reads through the cache, with the file's cached pages
// dropped first. Its bytes were flushed before, so none of them is still to be written.
void readPastDroppedPages(int fd) {
#ifdef O_DIRECT
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0 && (flags & O_DIRECT) != 0) ::fcntl(fd, F_SETFL, flags & ~O_DIRECT);
#endif
#ifdef POSIX_FADV_DONTNEED
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
}

int openForReading(const std::string& name, int moreFlags) {
  int fd;
  do {
    fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | moreFlags);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

Status osOpenOnMedium(const std::string& name, OsFile* file) {
  if (name.find('\0') != std::string::npos) return EINVAL;
  int fd = -1;
#ifdef O_DIRECT
  fd = openForReading(name, O_DIRECT);
  // EINVAL: this file system does not read past its cache.
  if (fd < 0 && errno != EINVAL) return lastError();
#endif
  if (fd < 0) {
    fd = openForReading(name, 0);
    if (fd < 0) return lastError();
    readPastDroppedPages(fd);
  }
  *file = OsFile{fd, false};
  return kOk;
}

Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  auto* bytes = static_cast<char*>(data);
  bool retried = false;
  *got = 0;
  while (*got < length) {
    const ssize_t n = ::pread(descriptor(file), bytes + *got, static_cast<size_t>(length - *got),
                              static_cast<off_t>(offset + *got));
    if (n < 0) {
      if (errno == EINTR) continue;
      // A device that wants larger blocks than these refuses the read itself: read it
      // through the cache, emptied of the file first.
      if (errno == EINVAL && !retried) {
        retried = true;
        readPastDroppedPages(descriptor(file));
        continue;
      }
      return lastError();
    }
    *got += n;
    if (mediumReadReachedEnd(n, length - (*got - n))) break;
  }
  return kOk;
}

void* osAllocateMediumBuffer(int64_t bytes) {
  return std::aligned_alloc(static_cast<size_t>(kMediumBlock), static_cast<size_t>(bytes));
}

void osFreeMediumBuffer(void* buffer) { std::free(buffer); }

}  // namespace floppysplit
