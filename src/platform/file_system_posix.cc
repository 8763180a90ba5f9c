#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/file_name.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
#include "platform/posix_private.h"

namespace floppysplit {

namespace {

// One open() call, repeated when a signal interrupts it.
int openName(const std::string& name, int flags) {
  int fd;
  do {
    fd = ::open(name.c_str(), flags, 0666);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// The interruptions wait while one of these lives, on the thread that made it.
class HeldInterrupts {
 public:
  HeldInterrupts() {
    sigset_t interruptions;
    sigemptyset(&interruptions);
    for (const int signo : kInterruptSignals) sigaddset(&interruptions, signo);
    ::pthread_sigmask(SIG_BLOCK, &interruptions, &before_);
  }
  ~HeldInterrupts() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  HeldInterrupts(const HeldInterrupts&) = delete;
  HeldInterrupts& operator=(const HeldInterrupts&) = delete;

 private:
  sigset_t before_;
};

}  // namespace

Status osOpen(const std::string& name, OsExistence existence, OsAccess access, OsFile* file) {
  // Non-blocking, so that naming a pipe cannot hang the dialogue; it changes nothing for
  // regular files.
  int flags = O_CLOEXEC | O_NONBLOCK;
  switch (access) {
    case OsAccess::read:
      flags |= O_RDONLY;
      break;
    case OsAccess::write:
      flags |= O_WRONLY;
      break;
    case OsAccess::readWrite:
      flags |= O_RDWR;
      break;
  }
  if (!isFileName(name)) return EINVAL;
  file->created = false;
  int fd = -1;
  if (existence == OsExistence::openOrCreate) {
    // A file the program writes is never reached through a link: one planted at the name
    // could point anywhere, so each open below fails on it (ELOOP) instead of following it.
    flags |= O_NOFOLLOW;
    // Creating first tells whether the file is new, which spares the caller asking the
    // system about it. An existing file is then opened as before, and a name that vanished
    // in between gets the plain create, so every outcome and error code is the one a single
    // open gives.
    fd = openName(name, flags | O_CREAT | O_EXCL);
    if (fd >= 0) {
      file->created = true;
    } else if (errno == EEXIST) {
      fd = openName(name, flags);
      if (fd < 0 && errno == ENOENT) fd = openName(name, flags | O_CREAT);
    }
  } else {
    fd = openName(name, flags);
  }
  if (fd < 0) return lastError();
  // A folder opens for reading here, but never as a file: it gets the code that opening it
  // for writing gives, as Windows refuses every open of a folder.
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(fd);
    return EISDIR;
  }
  file->handle = fd;
  return kOk;
}

Status osCreateNew(const std::string& name, OsFile* file) {
  if (!isFileName(name)) return EINVAL;
  // O_EXCL fails on any entry of that name, a dangling link included, without following it.
  const int fd = openName(name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return errno == EEXIST ? kOsNameTaken : lastError();
  *file = OsFile{fd, true};
  return kOk;
}

Status osCreateTemporary(const std::string& name, OsFile* file,
                         const std::vector<std::string>& alsoDeleted) {
  // The interruptions wait while the file is made and watched for.
  const HeldInterrupts held;
  const Status status = osCreateNew(name, file);
  if (status == kOk) osDeleteOnInterrupt(name);
  if (status == kOk && !alsoDeleted.empty()) {
    std::vector<std::string> armed = alsoDeleted;
    armed.push_back(name);
    osDeleteOnInterrupt(armed);
  }
  return status;
}

OsEntryKind osEntryKind(const std::string& name) {
  struct stat entry {};
  if (!isFileName(name)) return OsEntryKind::other;
  if (::lstat(name.c_str(), &entry) != 0) {
    return errno == ENOENT ? OsEntryKind::none : OsEntryKind::other;
  }
  return S_ISREG(entry.st_mode) ? OsEntryKind::regularFile : OsEntryKind::other;
}

std::string osNameInFolder(const std::string& folder, const std::string& name) {
  if (folder == ".") return name;
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

bool osIsFolder(const std::string& name) {
  struct stat entry {};
  return isFileName(name) && ::stat(name.c_str(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

Status osEnterFolder(const std::string& name) {
  if (!isFileName(name)) return EINVAL;
  return ::chdir(name.c_str()) == 0 ? kOk : lastError();
}

Status osOpenRegularForReading(const std::string& name, OsFile* file) {
  if (!isFileName(name)) return EINVAL;
  const int fd = openName(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0) return lastError();
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    const Status status = S_ISDIR(opened.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    return status;
  }
  file->handle = fd;
  file->created = false;
  return kOk;
}

namespace {

// For a file system with neither the no-replace rename nor hard links (FAT and exFAT through
// FUSE): `to` is created new and empty first, which fails on a taken name, and `from` is then
// renamed over that file of its own, once it is sure the name still stands for it.
Status renameOverOwnPlaceholder(const std::string& from, const std::string& to) {
  // An interruption cannot leave the empty file behind.
  const HeldInterrupts held;
  OsFile placeholder;
  const Status created = osCreateNew(to, &placeholder);
  if (created != kOk) return created;
  Status status = kOk;
  if (!osNameIsFileEntry(placeholder, to)) {
    // Another file took the name from the empty one: it is not this rename's to replace.
    status = kOsNameTaken;
  } else if (::rename(from.c_str(), to.c_str()) != 0) {
    status = lastError();
    if (osNameIsFileEntry(placeholder, to)) ::unlink(to.c_str());
  }
  osClose(placeholder);
  return status;
}

}  // namespace

Status osRenameNoReplace(const std::string& from, const std::string& to) {
  if (!isFileName(from) || !isFileName(to)) return EINVAL;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return kOk;
  }
  if (errno == EEXIST) return kOsNameTaken;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return lastError();
  // A file system without the flag: a hard link fails on a taken name as well, and the old
  // name is removed only once the new one stands.
  if (::link(from.c_str(), to.c_str()) == 0) {
    return ::unlink(from.c_str()) == 0 ? kOk : lastError();
  }
  if (errno == EEXIST) return kOsNameTaken;
  // EPERM is how Linux refuses links on a file system that has none.
  if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP) return lastError();
  return renameOverOwnPlaceholder(from, to);
}

// POSIX renames a name, not an open file: the caller makes sure first (osNameIsFileEntry) that
// `from` still names that file.
Status osRenameOpenFile(OsFile /*file*/, const std::string& from, const std::string& to) {
  return osRenameNoReplace(from, to);
}

Status osDelete(const std::string& name) {
  if (!isFileName(name)) return EINVAL;
  return ::unlink(name.c_str()) == 0 ? kOk : lastError();
}

bool osCanOpenForReading(const std::string& name) {
  if (!isFileName(name)) return false;
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

Status osReadAt(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  auto* bytes = static_cast<char*>(data);
  int64_t done = 0;
  while (done < length) {
    const ssize_t n = ::pread(descriptor(file), bytes + done, static_cast<size_t>(length - done),
                              static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      *got = done;
      return lastError();
    }
    if (n == 0) break;
    done += n;
  }
  *got = done;
  return kOk;
}

Status osWriteAt(OsFile file, int64_t offset, const void* data, int64_t length) {
  const auto* bytes = static_cast<const char*>(data);
  int64_t done = 0;
  while (done < length) {
    const ssize_t n = ::pwrite(descriptor(file), bytes + done, static_cast<size_t>(length - done),
                               static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return lastError();
    }
    if (n == 0) return ENOSPC;
    done += n;
  }
  return kOk;
}

Status osCopyRange(OsFile from, int64_t fromOffset, OsFile to, int64_t toOffset, int64_t length,
                   int64_t* copied) {
  *copied = 0;
  // FLOPPYSPLIT_NO_SYSTEM_COPY builds the program as on a system without copy_file_range,
  // so that the copy through the program's buffer is tested on Linux too.
#if defined(__linux__) && !defined(FLOPPYSPLIT_NO_SYSTEM_COPY)
  auto fromAt = static_cast<off_t>(fromOffset);
  auto toAt = static_cast<off_t>(toOffset);
  while (*copied < length) {
    const ssize_t n = ::copy_file_range(descriptor(from), &fromAt, descriptor(to), &toAt,
                                        static_cast<size_t>(length - *copied), 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      // An old kernel, two different file systems, or files the kernel will not copy
      // between: nothing has moved yet, so the caller can copy another way.
      const bool refused = errno == ENOSYS || errno == EXDEV || errno == EOPNOTSUPP ||
                           errno == EINVAL || errno == EBADF;
      if (refused && *copied == 0) return kOsCopyUnsupported;
      return lastError();
    }
    if (n == 0) break;
    *copied += n;
  }
  return kOk;
#else
  (void)from, (void)fromOffset, (void)to, (void)toOffset, (void)length;
  return kOsCopyUnsupported;
#endif
}

Status osSetLength(OsFile file, int64_t length) {
  while (::ftruncate(descriptor(file), static_cast<off_t>(length)) != 0) {
    if (errno != EINTR) return lastError();
  }
  return kOk;
}

Status osLength(OsFile file, int64_t* length) {
  struct stat info;
  if (::fstat(descriptor(file), &info) != 0) return lastError();
  *length = info.st_size;
  return kOk;
}

Status osClose(OsFile file) { return ::close(descriptor(file)) == 0 ? kOk : lastError(); }

Status osDuplicate(OsFile file, OsFile* copy) {
  const int fd = ::fcntl(descriptor(file), F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return lastError();
  *copy = OsFile{fd, false};
  return kOk;
}

namespace {

bool sameIdentity(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool osSameFile(OsFile a, OsFile b) {
  struct stat infoA;
  struct stat infoB;
  if (::fstat(descriptor(a), &infoA) != 0 || ::fstat(descriptor(b), &infoB) != 0) return false;
  return sameIdentity(infoA, infoB);
}

bool osNameLeadsToFile(OsFile file, const std::string& name) {
  struct stat infoFile;
  struct stat infoName;
  if (!isFileName(name)) return false;
  if (::fstat(descriptor(file), &infoFile) != 0 || ::stat(name.c_str(), &infoName) != 0) {
    return false;
  }
  return sameIdentity(infoFile, infoName);
}

bool osNameIsFileEntry(OsFile file, const std::string& name) {
  struct stat infoFile;
  struct stat infoName;
  if (!isFileName(name)) return false;
  if (::fstat(descriptor(file), &infoFile) != 0 || ::lstat(name.c_str(), &infoName) != 0) {
    return false;
  }
  return S_ISREG(infoName.st_mode) && sameIdentity(infoFile, infoName);
}

void osStartWriteOut(OsFile file) {
#ifdef __linux__
  // Only a hint to begin: a failure shows at the flush, which waits for the medium.
  ::sync_file_range(descriptor(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
  (void)file;
#endif
}

Status osFlush(OsFile file) {
#ifdef __APPLE__
  while (::fsync(descriptor(file)) != 0) {
#else
  while (::fdatasync(descriptor(file)) != 0) {
#endif
    if (errno != EINTR) return lastError();
  }
  return kOk;
}

bool osFlushesFileSystems() {
#ifdef __linux__
  return true;
#else
  return false;
#endif
}

Status osOpenFolder(const std::string& name, OsFile* folder) {
  if (!isFileName(name)) return EINVAL;
  const int fd = openName(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return lastError();
  *folder = OsFile{fd, false};
  return kOk;
}

Status osFlushFileSystem(OsFile folder) {
#ifdef __linux__
  return ::syncfs(descriptor(folder)) == 0 ? kOk : lastError();
#else
  (void)folder;
  return ENOSYS;
#endif
}

Status osFlushFolderOf(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  const std::string folderName = slash == std::string::npos ? "."
                                 : slash == 0               ? "/"
                                                            : fileName.substr(0, slash);
  OsFile folder;
  if (osOpenFolder(folderName, &folder) != kOk) return kOk;
  Status status = kOk;
  while (::fsync(descriptor(folder)) != 0) {
    if (errno == EINTR) continue;
    // File systems that keep no separate folder entries to flush refuse it.
    if (errno != EINVAL && errno != EOPNOTSUPP && errno != ENOSYS) {
      status = lastError();
    }
    break;
  }
  ::close(descriptor(folder));
  return status;
}

std::vector<std::string> osNamesIgnoringCase(const std::string& folder, const std::string& name) {
  return osNamesIgnoringCase(folder, std::vector<std::string>{name}).front();
}

std::vector<std::vector<std::string>> osNamesIgnoringCase(const std::string& folder,
                                                          const std::vector<std::string>& names) {
  std::vector<std::vector<std::string>> found(names.size());
  if (!isFileName(folder)) return found;
  const auto lower = [](std::string_view name) {
    std::string text(name);
    std::ranges::transform(text, text.begin(), asciiLower);
    return text;
  };
  std::unordered_multimap<std::string, size_t> wanted;
  for (size_t i = 0; i < names.size(); ++i) {
    if (isFileName(names[i])) wanted.emplace(lower(names[i]), i);
  }
  DIR* const entries = ::opendir(folder.c_str());
  if (entries == nullptr) return found;
  while (const dirent* entry = ::readdir(entries)) {
    const std::string_view name = entry->d_name;
    const auto [first, last] = wanted.equal_range(lower(name));
    for (auto match = first; match != last; ++match) {
      std::vector<std::string>& same = found[match->second];
      same.emplace_back(name);
      if (name == names[match->second]) std::swap(same.front(), same.back());
    }
  }
  ::closedir(entries);
  return found;
}

std::vector<std::string> osNamesInFolder(const std::string& folder, const std::string& prefix,
                                         const std::string& suffix) {
  std::vector<std::string> names;
  if (!isFileName(folder)) return names;
  DIR* const entries = ::opendir(folder.c_str());
  if (entries == nullptr) return names;
  while (const dirent* entry = ::readdir(entries)) {
    const std::string_view found = entry->d_name;
    if (found.size() >= prefix.size() + suffix.size() && found.starts_with(prefix) &&
        found.ends_with(suffix)) {
      names.emplace_back(found);
    }
  }
  ::closedir(entries);
  return names;
}

OsFolderLock osLockFolder(const std::string& folder) {
  OsFile opened;
  if (osOpenFolder(folder, &opened) != kOk) return OsFolderLock::unavailable;
  // The descriptor stays open, and the lock held, until the process ends.
  while (::flock(descriptor(opened), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool taken = errno == EWOULDBLOCK;
    ::close(descriptor(opened));
    return taken ? OsFolderLock::heldByAnother : OsFolderLock::unavailable;
  }
  return OsFolderLock::held;
}

std::string osErrorText(Status code) { return std::strerror(code); }

}  // namespace floppysplit
