// The file system seam on Windows: Win32 handles opened shared for reading and writing,
// transfers at 64-bit offsets through OVERLAPPED positions, and the system's own error
// codes (GetLastError) and message texts (FormatMessageW). Names arrive as the bytes the
// user typed in the console's input code page and reach the wide calls as UTF-16; message
// texts leave in the console's output code page.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "platform/code_page_win32.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
#include "platform/win32_private.h"

namespace floppysplit {

namespace {

// The largest single transfer; longer ones are done in pieces.
constexpr int64_t kMaxTransfer = std::numeric_limits<int32_t>::max();

// Opens `name` with no data access at all, for comparing identities; folders included.
// FILE_FLAG_OPEN_REPARSE_POINT in `flags` opens a link itself rather than what it points to.
HANDLE openForIdentity(const std::string& name, DWORD flags = 0) {
  std::wstring wide;
  if (!wideName(name, &wide)) return INVALID_HANDLE_VALUE;
  return CreateFileW(wide.c_str(), 0, kShareReadWrite | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

// kOsNameTaken where the call that just failed found its name taken, else its own code.
Status nameTakenOrLastError() {
  const DWORD code = GetLastError();
  return code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS ? kOsNameTaken : lastError();
}

// ERROR_STOPPED_ON_SYMLINK, which not every set of headers names: the open met a link
// where none may be.
constexpr Status kStoppedOnLink = 681;

// True when the handle, opened with FILE_FLAG_OPEN_REPARSE_POINT, is a link or another
// reparse point rather than a file; one whose kind is unknown counts as one.
bool isReparsePoint(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileInformationByHandle(handle, &info) == FALSE ||
         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The system's full name for what `handle` is open on, links and junctions resolved
// (GetFinalPathNameByHandleW); empty when it gives none.
std::wstring finalName(HANDLE handle) {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()), 0);
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    name.resize(length + 1);
  }
}

bool equalIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// True when `handle`, opened by `wide`, is the entry of that name in its folder and not a
// file reached through a link: its final name is the folder's final name and the name's last
// part. Windows opens a link itself under FILE_FLAG_OPEN_REPARSE_POINT and shows it by its
// attributes; wine shows a host's symbolic link as the file it points to, and only its final
// name tells where that file is.
bool isOwnEntry(HANDLE handle, const std::wstring& wide) {
  const size_t slash = wide.find_last_of(L"\\/");
  // A root keeps its separator: "\\" and "D:\\", not "D:", the drive's current folder.
  const bool root = slash == 0 || (slash == 2 && wide[1] == L':');
  const std::wstring folderName = slash == std::wstring::npos ? L"."
                                  : root                      ? wide.substr(0, slash + 1)
                                                              : wide.substr(0, slash);
  const std::wstring_view lastPart = slash == std::wstring::npos
                                         ? std::wstring_view(wide)
                                         : std::wstring_view(wide).substr(slash + 1);
  HANDLE folder = CreateFileW(folderName.c_str(), 0, kShareReadWrite | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  std::wstring inFolder = finalName(folder);
  CloseHandle(folder);
  if (inFolder.empty()) return false;
  if (inFolder.back() != L'\\') inFolder += L'\\';
  const std::wstring file = finalName(handle);
  return file.size() == inFolder.size() + lastPart.size() &&
         equalIgnoringCase(std::wstring_view(file).substr(0, inFolder.size()), inFolder) &&
         equalIgnoringCase(std::wstring_view(file).substr(inFolder.size()), lastPart);
}

bool sameIdentity(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION infoA;
  BY_HANDLE_FILE_INFORMATION infoB;
  if (GetFileInformationByHandle(a, &infoA) == FALSE ||
      GetFileInformationByHandle(b, &infoB) == FALSE) {
    return false;
  }
  return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
         infoA.nFileIndexHigh == infoB.nFileIndexHigh && infoA.nFileIndexLow == infoB.nFileIndexLow;
}

}  // namespace

Status osOpen(const std::string& name, OsExistence existence, OsAccess access, OsFile* file) {
  DWORD desired = 0;
  switch (access) {
    case OsAccess::read:
      desired = GENERIC_READ;
      break;
    case OsAccess::write:
      desired = GENERIC_WRITE;
      break;
    case OsAccess::readWrite:
      desired = GENERIC_READ | GENERIC_WRITE;
      break;
  }
  if (!isFileName(name)) return ERROR_INVALID_NAME;
  std::wstring wide;
  if (!wideName(name, &wide)) return ERROR_NO_UNICODE_TRANSLATION;
  if (existence == OsExistence::mustExist) {
    HANDLE handle = CreateFileW(wide.c_str(), desired, kShareReadWrite, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return lastError();
    *file = OsFile{reinterpret_cast<intptr_t>(handle), false};
    return kOk;
  }
  // A file the program writes is never reached through a link. It is made new where the
  // name is free (CREATE_NEW takes a link of that name, even a dangling one, for taken);
  // otherwise the entry itself is opened as it is, never emptied, and refused where it is a
  // link or a file only a link in the folder reaches.
  HANDLE handle = CreateFileW(wide.c_str(), desired, kShareReadWrite, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool created = handle != INVALID_HANDLE_VALUE;
  if (!created) {
    if (GetLastError() != ERROR_FILE_EXISTS) return lastError();
    handle = CreateFileW(wide.c_str(), desired, kShareReadWrite, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return lastError();
    if (isReparsePoint(handle) || !isOwnEntry(handle, wide)) {
      CloseHandle(handle);
      return kStoppedOnLink;
    }
  }
  file->handle = reinterpret_cast<intptr_t>(handle);
  file->created = created;
  return kOk;
}

Status osCreateNew(const std::string& name, OsFile* file) {
  if (!isFileName(name)) return ERROR_INVALID_NAME;
  std::wstring wide;
  if (!wideName(name, &wide)) return ERROR_NO_UNICODE_TRANSLATION;
  // DELETE access lets osRenameOpenFile rename the file through this handle. A link of that
  // name counts as itself, so CREATE_NEW finds the name taken even where it points nowhere.
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                              kShareReadWrite | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nameTakenOrLastError();
  *file = OsFile{reinterpret_cast<intptr_t>(handle), true};
  return kOk;
}

// The console's control handler runs on a thread of its own, and may find the file made and
// not yet watched for in the few instructions between the two.
Status osCreateTemporary(const std::string& name, OsFile* file,
                         const std::vector<std::string>& alsoDeleted) {
  const Status status = osCreateNew(name, file);
  if (status == kOk) {
    std::vector<std::string> armed = alsoDeleted;
    armed.push_back(name);
    osDeleteOnInterrupt(armed);
  }
  return status;
}

OsEntryKind osEntryKind(const std::string& name) {
  std::wstring wide;
  if (!wideName(name, &wide)) return OsEntryKind::other;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? OsEntryKind::none
                                                                        : OsEntryKind::other;
  }
  const DWORD notRegular =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
  if ((attributes & notRegular) != 0) return OsEntryKind::other;
  // A file that is a link to one elsewhere shows as a file under wine.
  HANDLE handle = CreateFileW(wide.c_str(), 0, kShareReadWrite | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return OsEntryKind::other;
  const bool own = isOwnEntry(handle, wide);
  CloseHandle(handle);
  return own ? OsEntryKind::regularFile : OsEntryKind::other;
}

std::string osNameInFolder(const std::string& folder, const std::string& name) {
  if (folder == ".") return name;
  // "D:" is that drive's current folder: "D:.\\name" keeps a separator for the checks
  // that find a name's folder by its last one.
  if (folder.ends_with(':')) return folder + ".\\" + name;
  const bool separated = folder.ends_with('\\') || folder.ends_with('/');
  return separated ? folder + name : folder + "\\" + name;
}

bool osIsFolder(const std::string& name) {
  std::wstring wide;
  if (!wideName(name, &wide)) return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Status osEnterFolder(const std::string& name) {
  std::wstring wide;
  if (!wideName(name, &wide)) return static_cast<Status>(ERROR_NO_UNICODE_TRANSLATION);
  return SetCurrentDirectoryW(wide.c_str()) != FALSE ? kOk : lastError();
}

Status osOpenRegularForReading(const std::string& name, OsFile* file) {
  std::wstring wide;
  if (!wideName(name, &wide)) return static_cast<Status>(ERROR_NO_UNICODE_TRANSLATION);
  // Opened as the link itself, if it is one, so that its kind shows and nothing it points
  // to is read.
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, kShareReadWrite, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  const DWORD notRegular = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  if (!known || (info.dwFileAttributes & notRegular) != 0) {
    CloseHandle(handle);
    return static_cast<Status>(known ? ERROR_ACCESS_DENIED : ERROR_GEN_FAILURE);
  }
  if (!isOwnEntry(handle, wide)) {
    CloseHandle(handle);
    return kStoppedOnLink;
  }
  file->handle = reinterpret_cast<intptr_t>(handle);
  file->created = false;
  return kOk;
}

Status osRenameNoReplace(const std::string& from, const std::string& to) {
  std::wstring wideFrom;
  std::wstring wideTo;
  if (!wideName(from, &wideFrom) || !wideName(to, &wideTo)) {
    return static_cast<Status>(ERROR_NO_UNICODE_TRANSLATION);
  }
  // Without MOVEFILE_REPLACE_EXISTING the move fails on a name that is taken.
  if (MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE) return kOk;
  return nameTakenOrLastError();
}

// The handle is renamed, not the name `from`: whatever `from` has come to stand for since the
// file was created, this file is the one that moves.
Status osRenameOpenFile(OsFile file, const std::string& /*from*/, const std::string& to) {
  if (!isFileName(to)) return ERROR_INVALID_NAME;
  std::wstring wide;
  if (!wideName(to, &wide)) return ERROR_NO_UNICODE_TRANSLATION;
  // The structure ends in the new name. The system reads it up to its NUL to make a full name
  // of it, so a name relative to the current folder works as it does everywhere else.
  const size_t nameBytes = (wide.size() + 1) * sizeof(wchar_t);
  const size_t bytes = offsetof(FILE_RENAME_INFO, FileName) + nameBytes;
  std::vector<FILE_RENAME_INFO> buffer((bytes + sizeof(FILE_RENAME_INFO) - 1) /
                                       sizeof(FILE_RENAME_INFO));
  FILE_RENAME_INFO* const info = buffer.data();
  info->ReplaceIfExists = FALSE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
  std::memcpy(reinterpret_cast<char*>(info) + offsetof(FILE_RENAME_INFO, FileName), wide.c_str(),
              nameBytes);
  if (SetFileInformationByHandle(handleOf(file), FileRenameInfo, info, static_cast<DWORD>(bytes)) !=
      FALSE) {
    return kOk;
  }
  return nameTakenOrLastError();
}

// Deletes through a handle on the entry itself, so that a link at the name is deleted as a
// link, and a file that only a link in the folder reaches (as wine shows a host's link) is
// refused instead of deleted.
Status osDelete(const std::string& name) {
  std::wstring wide;
  if (!wideName(name, &wide)) return static_cast<Status>(ERROR_NO_UNICODE_TRANSLATION);
  HANDLE handle = CreateFileW(wide.c_str(), DELETE, kShareReadWrite | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  Status status = kOk;
  if (!isReparsePoint(handle) && !isOwnEntry(handle, wide)) {
    status = kStoppedOnLink;
  } else {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    if (SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition) ==
        FALSE) {
      status = lastError();
    }
  }
  CloseHandle(handle);
  return status;
}

bool osCanOpenForReading(const std::string& name) {
  // FILE_FLAG_BACKUP_SEMANTICS lets a folder be opened too, so that a folder of that name
  // counts as existing, as it does where a folder can be opened read-only; opening it for
  // data transfer afterwards fails with the system's own code.
  std::wstring wide;
  if (!wideName(name, &wide)) return false;
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, kShareReadWrite, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

Status osReadAt(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got) {
  auto* bytes = static_cast<char*>(data);
  int64_t done = 0;
  while (done < length) {
    OVERLAPPED position = overlappedAt(offset + done);
    const auto piece = static_cast<DWORD>(std::min(length - done, kMaxTransfer));
    DWORD n = 0;
    if (ReadFile(handleOf(file), bytes + done, piece, &n, &position) == FALSE) {
      // A read that starts at or past the end of the file reports ERROR_HANDLE_EOF.
      if (GetLastError() == ERROR_HANDLE_EOF) break;
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
    OVERLAPPED position = overlappedAt(offset + done);
    const auto piece = static_cast<DWORD>(std::min(length - done, kMaxTransfer));
    DWORD n = 0;
    if (WriteFile(handleOf(file), bytes + done, piece, &n, &position) == FALSE) return lastError();
    if (n == 0) return ERROR_DISK_FULL;
    done += n;
  }
  return kOk;
}

Status osSetLength(OsFile file, int64_t length) {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = length;
  if (SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end) == FALSE) {
    return lastError();
  }
  return kOk;
}

Status osLength(OsFile file, int64_t* length) {
  LARGE_INTEGER size;
  if (GetFileSizeEx(handleOf(file), &size) == FALSE) return lastError();
  *length = size.QuadPart;
  return kOk;
}

// Windows has no call that copies a range between two open files inside the system; the
// caller moves the bytes through its own buffer.
Status osCopyRange(OsFile /*from*/, int64_t /*fromOffset*/, OsFile /*to*/, int64_t /*toOffset*/,
                   int64_t /*length*/, int64_t* copied) {
  *copied = 0;
  return kOsCopyUnsupported;
}

Status osClose(OsFile file) { return CloseHandle(handleOf(file)) != FALSE ? kOk : lastError(); }

Status osDuplicate(OsFile file, OsFile* copy) {
  HANDLE duplicate = nullptr;
  HANDLE process = GetCurrentProcess();
  if (DuplicateHandle(process, handleOf(file), process, &duplicate, 0, FALSE,
                      DUPLICATE_SAME_ACCESS) == FALSE) {
    return lastError();
  }
  *copy = OsFile{reinterpret_cast<intptr_t>(duplicate), false};
  return kOk;
}

bool osSameFile(OsFile a, OsFile b) { return sameIdentity(handleOf(a), handleOf(b)); }

bool osNameLeadsToFile(OsFile file, const std::string& name) {
  HANDLE named = openForIdentity(name);
  if (named == INVALID_HANDLE_VALUE) return false;
  const bool same = sameIdentity(handleOf(file), named);
  CloseHandle(named);
  return same;
}

bool osNameIsFileEntry(OsFile file, const std::string& name) {
  HANDLE named = openForIdentity(name, FILE_FLAG_OPEN_REPARSE_POINT);
  if (named == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const DWORD notRegular =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
  const bool entry = GetFileInformationByHandle(named, &info) != 0 &&
                     (info.dwFileAttributes & notRegular) == 0 &&
                     sameIdentity(handleOf(file), named);
  CloseHandle(named);
  return entry;
}

// Windows has no call that only starts a file's write-out; osFlush does it all.
void osStartWriteOut(OsFile /*file*/) {}

Status osFlush(OsFile file) {
  return FlushFileBuffers(handleOf(file)) != FALSE ? kOk : lastError();
}

// A whole volume can be flushed only by an administrator, so every file is flushed alone.
bool osFlushesFileSystems() { return false; }

Status osOpenFolder(const std::string& name, OsFile* folder) {
  std::wstring wide;
  if (!wideName(name, &wide)) return ERROR_NO_UNICODE_TRANSLATION;
  HANDLE handle = CreateFileW(wide.c_str(), 0, kShareReadWrite | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  *folder = OsFile{reinterpret_cast<intptr_t>(handle), false};
  return kOk;
}

Status osFlushFileSystem(OsFile /*folder*/) { return ERROR_NOT_SUPPORTED; }

// Windows offers programs no flush of a folder; the file's own flush is all there is.
Status osFlushFolderOf(const std::string& /*name*/) { return kOk; }

std::vector<std::string> osNamesIgnoringCase(const std::string& folder, const std::string& name) {
  std::vector<std::string> names;
  std::wstring wide;
  // The name itself, not a pattern: a name with a wildcard finds nothing.
  if (name.find_first_of("*?") != std::string::npos ||
      !wideName(osNameInFolder(folder, name), &wide)) {
    return names;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  names.push_back(codePageFromWide(found.cFileName, consoleInputCodePage()));
  FindClose(search);
  return names;
}

std::vector<std::vector<std::string>> osNamesIgnoringCase(const std::string& folder,
                                                          const std::vector<std::string>& names) {
  // The system finds each name in any case itself.
  std::vector<std::vector<std::string>> found;
  found.reserve(names.size());
  for (const std::string& name : names) found.push_back(osNamesIgnoringCase(folder, name));
  return found;
}

std::vector<std::string> osNamesInFolder(const std::string& folder, const std::string& prefix,
                                         const std::string& suffix) {
  std::vector<std::string> names;
  std::wstring wide;
  if (!wideName(osNameInFolder(folder, "*"), &wide)) return names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = codePageFromWide(found.cFileName, consoleInputCodePage());
    if (name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
        name.ends_with(suffix)) {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &found) != 0);
  FindClose(search);
  return names;
}

OsFolderLock osLockFolder(const std::string& folder) {
  std::wstring wide;
  if (!wideName(folder + "\\floppysplit.lock", &wide)) return OsFolderLock::unavailable;
  // Made new, it goes as the handle closes; one already there (left by a crash of the
  // system, or somebody's own) is only held, and stays. The handle stays open until the
  // process ends.
  HANDLE handle =
      CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE |
                      FILE_FLAG_OPEN_REPARSE_POINT,
                  nullptr);
  if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
    handle = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  }
  if (handle != INVALID_HANDLE_VALUE) return OsFolderLock::held;
  return GetLastError() == ERROR_SHARING_VIOLATION ? OsFolderLock::heldByAnother
                                                   : OsFolderLock::unavailable;
}

std::string osErrorText(Status code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length == 0 || buffer == nullptr) return "Unknown error " + std::to_string(code);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  // The system's messages end with CR LF (sometimes after a blank); the report ends its
  // lines itself.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  // A localized system words its messages beyond ASCII; the console shows them readably
  // only in its own output code page.
  return codePageFromWide(text, consoleOutputCodePage());
}

}  // namespace floppysplit
