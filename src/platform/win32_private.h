#pragma once
// What the Windows files behind the platform seam share (file_system_win32.cc,
// medium_read_win32.cc); nothing outside them includes it.

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/code_page_win32.h"
#include "platform/file_name.h"
#include "platform/file_system.h"

namespace floppysplit {

// Every file is opened shared for reading and writing with other processes.
inline constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

// The handle is kept as an integer in OsFile, which every system's code shares.
inline HANDLE handleOf(OsFile file) {
  return reinterpret_cast<HANDLE>(file.handle);  // NOLINT(performance-no-int-to-ptr)
}

// The code of the call that just failed; a failure that left no code still counts as one.
inline Status lastError() {
  const DWORD code = GetLastError();
  return code == 0 ? static_cast<Status>(ERROR_GEN_FAILURE) : static_cast<Status>(code);
}

// The position of a transfer at `offset`, split into the two halves OVERLAPPED holds.
inline OVERLAPPED overlappedAt(int64_t offset) {
  OVERLAPPED position{};
  const auto unsignedOffset = static_cast<uint64_t>(offset);
  position.Offset = static_cast<DWORD>(unsignedOffset & 0xffffffffu);
  position.OffsetHigh = static_cast<DWORD>(unsignedOffset >> 32);
  return position;
}

// `name` as the wide calls take it: its bytes read in the code page the user typed them in.
// False when they are not text in that code page; such a name names no file.
inline bool wideName(const std::string& name, std::wstring* wide) {
  return isFileName(name) && wideFromCodePage(name, consoleInputCodePage(), wide);
}

}  // namespace floppysplit
