// Reading back from the medium on POSIX. A file that one read takes whole is read past the
// system's cache (O_DIRECT): one request to the medium. A longer one has its cached pages
// dropped (posix_fadvise) and, where mincore then finds none of them left, is read as
// usual: the system has to fetch every byte from the medium again, and reads ahead in long
// requests, into pages of its own rather than this program's memory. Where pages stay
// (another program maps the file), it too is read past the cache. Where the file system
// refuses that, the file is read through the cache, emptied of it as far as the system
// allows; on a file system that keeps its files in memory (tmpfs) that reads memory.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/medium_read.h"
#include "platform/posix_private.h"

namespace floppysplit {

namespace {

#ifdef __linux__
using PageFlags = unsigned char;
#else
using PageFlags = char;
#endif

// Turns reads past the cache (O_DIRECT) on or off for the file open as `fd`; false where
// the file system does not read past its cache.
bool readPastCache(int fd, bool on) {
#ifdef O_DIRECT
  const int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && ::fcntl(fd, F_SETFL, on ? flags | O_DIRECT : flags & ~O_DIRECT) == 0;
#else
  (void)fd, (void)on;
  return false;
#endif
}

bool readsPastCache(int fd) {
#ifdef O_DIRECT
  const int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && (flags & O_DIRECT) != 0;
#else
  (void)fd;
  return false;
#endif
}

// True when no page of the file open as `fd` is in the system's cache.
bool noPageCached(int fd, int64_t length) {
  if (length == 0) return true;
  void* const map = ::mmap(nullptr, static_cast<size_t>(length), PROT_READ, MAP_SHARED, fd, 0);
  if (map == MAP_FAILED) return false;
  const auto pageBytes = static_cast<int64_t>(::sysconf(_SC_PAGESIZE));
  PageFlags flags[256];
  const int64_t step = pageBytes * static_cast<int64_t>(sizeof flags);
  bool none = true;
  for (int64_t at = 0; at < length && none; at += step) {
    const int64_t bytes = std::min(step, length - at);
    none = ::mincore(static_cast<char*>(map) + at, static_cast<size_t>(bytes), flags) == 0;
    const int64_t pages = (bytes + pageBytes - 1) / pageBytes;
    for (int64_t page = 0; page < pages && none; ++page) none = (flags[page] & 1) == 0;
  }
  ::munmap(map, static_cast<size_t>(length));
  return none;
}

// Drops the cached pages of the file open as `fd`, `length` bytes long, which was flushed
// before, so that none of them is still to be written. True when none is left.
bool dropCachedPages(int fd, int64_t length) {
#ifdef POSIX_FADV_DONTNEED
  if (::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0 || !noPageCached(fd, length)) {
    return false;
  }
  // The reads that follow go from the start to the end: read ahead of them generously.
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return true;
#else
  (void)fd, (void)length;
  return false;
#endif
}

// How far the reads through an emptied cache are asked for ahead of the reader, and in
// what steps. The system's own read-ahead waits for the reader to come near before it asks
// for more, so on a medium that is slow to answer a first request (a disk just written to)
// the reader waits on every step; asked for this far ahead, the medium has several long
// requests to work on at once. The pages go to the system's cache, not this program's memory.
constexpr int64_t kReadAheadBytes = int64_t{32} << 20;
constexpr int64_t kReadAheadStep = int64_t{8} << 20;

// Before a read of `length` bytes at `offset` of the file open as `fd`, which the reads
// before it took up to `offset`: asks the system for the part of the file that has now come
// within kReadAheadBytes of the reader. Reads past the cache fetch their own bytes, and are
// left alone.
void readAhead(int fd, int64_t offset, int64_t length) {
#ifdef POSIX_FADV_WILLNEED
  // The steps whose first byte this read takes; each moves the end of what was asked for
  // one step on, from kReadAheadBytes at the start of the file.
  const int64_t firstStep = (offset + kReadAheadStep - 1) / kReadAheadStep;
  const int64_t lastStep = (offset + length - 1) / kReadAheadStep;
  if (length <= 0 || firstStep > lastStep || readsPastCache(fd)) return;
  const int64_t from = firstStep == 0 ? 0 : (firstStep - 1) * kReadAheadStep + kReadAheadBytes;
  const int64_t to = lastStep * kReadAheadStep + kReadAheadBytes;
  ::posix_fadvise(fd, static_cast<off_t>(from), static_cast<off_t>(to - from), POSIX_FADV_WILLNEED);
#else
  (void)fd, (void)offset, (void)length;
#endif
}

// Sets up `file`, just opened for reading, so that reads of `readLength` bytes fetch it from
// the medium; closes it where that fails. Only a file with an open of its own (`ownOpen`) may
// read past the cache: the setting belongs to the open, and would reach every descriptor that
// shares it.
Status prepareMediumReads(OsFile file, int64_t readLength, bool ownOpen) {
  const int fd = descriptor(file);
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    const Status failed = lastError();
    osClose(file);
    return failed;
  }
  if (ownOpen && info.st_size <= readLength) {
    if (!readPastCache(fd, true)) dropCachedPages(fd, info.st_size);
  } else if (!dropCachedPages(fd, info.st_size) && ownOpen) {
    readPastCache(fd, true);
  }
  return kOk;
}

}  // namespace

Status osOpenOnMedium(const std::string& name, int64_t readLength, OsFile* file) {
  const Status status = osOpen(name, OsExistence::mustExist, OsAccess::read, file);
  if (status != kOk) return status;
  return prepareMediumReads(*file, readLength, true);
}

Status osOpenOnMediumFrom(OsFile file, int64_t readLength, OsFile* reader) {
  // Opening the descriptor's entry in /proc opens the very file it is open on, afresh, even
  // once its name is gone or stands for another file. Without /proc, or where the file's
  // permissions refuse a new open, the reader is a copy of the descriptor.
  const std::string path = "/proc/self/fd/" + std::to_string(descriptor(file));
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const bool ownOpen = fd >= 0;
  if (!ownOpen) fd = ::fcntl(descriptor(file), F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return lastError();
  *reader = OsFile{fd, false};
  return prepareMediumReads(*reader, readLength, ownOpen);
}

Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  auto* bytes = static_cast<char*>(data);
  bool retried = false;
  *got = 0;
  readAhead(descriptor(file), offset, length);
  while (*got < length) {
    const ssize_t n = ::pread(descriptor(file), bytes + *got, static_cast<size_t>(length - *got),
                              static_cast<off_t>(offset + *got));
    if (n < 0) {
      const Status error = lastError();
      if (error == EINTR) continue;
      // A device that wants larger blocks than these refuses the read past the cache: read
      // the file through the cache, dropped of its pages first.
      if (error == EINVAL && !retried && readsPastCache(descriptor(file))) {
        retried = true;
        readPastCache(descriptor(file), false);
        struct stat info;
        if (::fstat(descriptor(file), &info) == 0) dropCachedPages(descriptor(file), info.st_size);
        continue;
      }
      return error;
    }
    *got += n;
    if (mediumReadReachedEnd(n, length - (*got - n))) break;
  }
  return kOk;
}

bool osMediumReadsAhead() {
#ifdef POSIX_FADV_WILLNEED
  return true;
#else
  return false;
#endif
}

void* osAllocateMediumBuffer(int64_t bytes) {
  return std::aligned_alloc(static_cast<size_t>(kMediumBlock), static_cast<size_t>(bytes));
}

}  // namespace floppysplit
