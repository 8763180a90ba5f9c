// A medium that lies, for tests: linked into a test build of the program in place of
// medium_read_posix.cc. FLOPPYSPLIT_LYING_MEDIUM="NAME" gives back NAME's bytes with the
// first one changed, as failing flash does; "NAME=LATER" gives back LATER's bytes for NAME,
// as a stick that holds less than it claims does once it has wrapped round and written the
// later file over the earlier one; "NAME/late" gives back NAME's bytes with the first one
// changed a quarter of a second late, as a worn medium answers, so that faults in later
// files are found first. Several such entries are separated by commas. Every
// other file reads back as it is. A file read back from its open handle rather than by name
// goes by the last part of its name.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "platform/medium_read.h"

namespace floppysplit {

namespace {

std::mutex gMutex;
// Files opened whose first byte is still to be changed.
std::set<int> gToChange;
// Files opened whose first read is still to be answered late.
std::set<int> gLate;

// What FLOPPYSPLIT_LYING_MEDIUM says of `name`: its own entry in the list, or "".
std::string lieAbout(const std::string& name) {
  const char* lie = std::getenv("FLOPPYSPLIT_LYING_MEDIUM");
  const std::string list = lie == nullptr ? "" : lie;
  for (size_t start = 0; start <= list.size();) {
    const size_t end = std::min(list.find(',', start), list.size());
    std::string entry = list.substr(start, end - start);
    if (entry.substr(0, entry.find_first_of("=/")) == name) return entry;
    start = end + 1;
  }
  return "";
}

// Opens the file called `name` for its read back from the medium, as the list tells: `path`,
// where the file is, or the later file's name, whose bytes the medium gives back instead.
Status openLying(const std::string& name, const std::string& path, OsFile* file) {
  const std::string told = lieAbout(name);
  const size_t equals = told.find('=');
  const bool late = told.ends_with("/late");
  const bool named = told.substr(0, late ? told.size() - 5 : equals) == name;
  const std::string opened = named && equals != std::string::npos ? told.substr(equals + 1) : path;
  const int fd = ::open(opened.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  if (named && equals == std::string::npos) {
    const std::lock_guard lock(gMutex);
    gToChange.insert(fd);
    if (late) gLate.insert(fd);
  }
  *file = OsFile{fd, false};
  return kOk;
}

}  // namespace

Status osOpenOnMedium(const std::string& name, int64_t /*readLength*/, OsFile* file) {
  return openLying(name, name, file);
}

// The list names files as the program names them; an open file goes by the last part of the
// name the system knows it by.
Status osOpenOnMediumFrom(OsFile file, int64_t /*readLength*/, OsFile* reader) {
  const std::string path = "/proc/self/fd/" + std::to_string(file.handle);
  char target[4096];
  const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
  if (length < 0) return errno;
  const std::string name(target, static_cast<size_t>(length));
  return openLying(name.substr(name.rfind('/') + 1), path, reader);
}

Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  const int fd = static_cast<int>(file.handle);
  bool late = false;
  {
    const std::lock_guard lock(gMutex);
    late = gLate.erase(fd) > 0;
  }
  if (late) std::this_thread::sleep_for(std::chrono::milliseconds(250));
  const ssize_t n = ::pread(fd, data, static_cast<size_t>(length), static_cast<off_t>(offset));
  if (n < 0) return errno;
  *got = n;
  const std::lock_guard lock(gMutex);
  if (n > 0 && gToChange.erase(fd) > 0) static_cast<char*>(data)[0] ^= 1;
  return kOk;
}

bool osMediumReadsAhead() { return true; }

void* osAllocateMediumBuffer(int64_t bytes) {
  return std::aligned_alloc(static_cast<size_t>(kMediumBlock), static_cast<size_t>(bytes));
}

}  // namespace floppysplit
