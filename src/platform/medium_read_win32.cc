// Reading back from the medium on Windows: a handle reopened with FILE_FLAG_NO_BUFFERING,
// whose reads bypass the system's cache and so must start on a sector, ask for whole
// sectors and land in a buffer that starts on one (VirtualAlloc gives whole pages).

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/medium_read.h"
#include "platform/win32_private.h"

namespace floppysplit {

namespace {

// The largest single read, in whole blocks.
constexpr int64_t kMaxRead = std::numeric_limits<int32_t>::max() / kMediumBlock * kMediumBlock;

// A new handle for reading the file open as `open`, whose reads go past the system's cache:
// the flag cannot be added to a handle that exists, and ReOpenFile makes a new one with it.
// `share` has to allow whatever `open` may do to the file.
Status reopenPastCache(HANDLE open, DWORD share, OsFile* file) {
  HANDLE direct = ReOpenFile(open, GENERIC_READ, share, FILE_FLAG_NO_BUFFERING);
  if (direct == INVALID_HANDLE_VALUE) return lastError();
  *file = OsFile{reinterpret_cast<intptr_t>(direct), false};
  return kOk;
}

}  // namespace

// Windows cannot empty its cache of one file: every read goes past it.
Status osOpenOnMedium(const std::string& name, int64_t /*readLength*/, OsFile* file) {
  if (!isFileName(name)) return ERROR_INVALID_NAME;
  std::wstring wide;
  if (!wideName(name, &wide)) return ERROR_NO_UNICODE_TRANSLATION;
  HANDLE cached = CreateFileW(wide.c_str(), GENERIC_READ, kShareReadWrite, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (cached == INVALID_HANDLE_VALUE) return lastError();
  const Status status = reopenPastCache(cached, kShareReadWrite, file);
  CloseHandle(cached);
  return status;
}

// A file from osCreateNew is open for writing and deleting, which the reader has to share;
// sharing the delete also leaves the file free to be renamed while the reader is open.
Status osOpenOnMediumFrom(OsFile file, int64_t /*readLength*/, OsFile* reader) {
  return reopenPastCache(handleOf(file), kShareReadWrite | FILE_SHARE_DELETE, reader);
}

Status osReadFromMedium(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  auto* bytes = static_cast<char*>(data);
  *got = 0;
  while (*got < length) {
    OVERLAPPED position = overlappedAt(offset + *got);
    const int64_t asked = std::min(length - *got, kMaxRead);
    DWORD n = 0;
    if (ReadFile(handleOf(file), bytes + *got, static_cast<DWORD>(asked), &n, &position) == FALSE) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return lastError();
    }
    *got += n;
    if (mediumReadReachedEnd(n, asked)) break;
  }
  return kOk;
}

// Every read from the medium is a request of its own.
bool osMediumReadsAhead() { return false; }

void* osAllocateMediumBuffer(int64_t bytes) {
  return VirtualAlloc(nullptr, static_cast<SIZE_T>(bytes), MEM_COMMIT | MEM_RESERVE,
                      PAGE_READWRITE);
}

}  // namespace floppysplit
