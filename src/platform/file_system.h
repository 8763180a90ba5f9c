#pragma once
// What the program needs from the operating system's file system, and nothing more.
// One implementation per platform sits behind this header (file_system_posix.cc,
// file_system_win32.cc). Every function returns 0 or the operating system's own error
// code, unchanged, so that the error report can show the system's own message for it.
//
// A name is the bytes the user typed, used unchanged. On Windows they are read as text in
// the console's input code page; bytes that are no text there name no file (osOpen gives
// ERROR_NO_UNICODE_TRANSLATION). Message texts are in the console's output code page.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/os_status.h"

namespace floppysplit {

// An open file; `handle` is a descriptor on POSIX and a HANDLE on Windows. `created` tells
// whether the open that gave it made the file: such a file is new and empty, and is no
// other file that was already open.
struct OsFile {
  intptr_t handle = -1;
  bool created = false;
};

enum class OsExistence { mustExist, openOrCreate };
enum class OsAccess { read, write, readWrite };

// Opens `name` shared for reading and writing with other processes. `mustExist` fails on
// a missing file; `openOrCreate` creates it empty. An existing file is never emptied. A
// folder is never opened, not even for reading: that gives the system's code for a folder.
// `openOrCreate` never follows a link at the name (a symbolic link, even a dangling one; on
// Windows any reparse point): it fails with the system's code for a link where none may be
// (ELOOP; ERROR_STOPPED_ON_SYMLINK), and nothing the link points to is created or opened.
Status osOpen(const std::string& name, OsExistence existence, OsAccess access, OsFile* file);

// Creates the file `name`, which must not exist yet, open for reading and writing: the
// result is kOsNameTaken where `name` names anything already, a link (even a dangling one),
// a folder or a file, and a link is never followed. On Windows the handle may also rename
// the file (osRenameOpenFile); while it is open, the file can be opened again only through
// it (osDuplicate, osOpenOnMediumFrom), since an open by name (osOpen, osOpenOnMedium) would
// have to share the right to delete it and does not.
Status osCreateNew(const std::string& name, OsFile* file);

// As osCreateNew, and from the moment the file exists until osForgetOnInterrupt, an
// interruption deletes it (osDeleteOnInterrupt, interruption.h): none falls between the two.
// The files `alsoDeleted`, temporaries made before it, are armed with it in the same step.
Status osCreateTemporary(const std::string& name, OsFile* file,
                         const std::vector<std::string>& alsoDeleted = {});

// True when `name` names something that can be opened for reading.
bool osCanOpenForReading(const std::string& name);

// What a name stands for, without following a link it ends in.
enum class OsEntryKind { none, regularFile, other };

// What `name` is in its folder: nothing, a regular file, or anything else (a link, a folder,
// a device). A name that cannot be looked up for another reason than its absence is other.
OsEntryKind osEntryKind(const std::string& name);

// The name that reaches the entry `name` of the folder `folder`: `name` itself where
// `folder` is ".", else the two joined by the system's separator (none after a separator
// already there; on Windows a drive alone, "D:", stands for that drive's current folder,
// "D:.\name").
std::string osNameInFolder(const std::string& folder, const std::string& name);

// True when `name` names a folder, itself or through a link.
bool osIsFolder(const std::string& name);

// Makes the folder `name` the process's current folder: from then on every name without a
// folder of its own (every fragment, the script, the lock) is found there. Names are read
// as given, relative to the current folder before the call.
Status osEnterFolder(const std::string& name);

// Opens the regular file `name` for reading only, refusing a link or anything else that is
// not a regular file (the code the system gives for a link where none may be, or for a
// folder).
Status osOpenRegularForReading(const std::string& name, OsFile* file);

// Gives the file `from` the name `to`, unless `to` names something already: then nothing
// changes and the result is kOsNameTaken. POSIX asks for a rename that refuses a taken name
// (renameat2 with RENAME_NOREPLACE); where the file system has none, a hard link to `to` and
// the removal of `from`; where it has neither (FAT and exFAT through FUSE), it creates `to`
// new and empty (osCreateNew), which fails on a taken name, makes sure that `to` still names
// that empty file and renames `from` over it. One window is left there: a process that
// removed the empty file and put one of its own in its place in the instant between that
// look and the rename would lose its file. Interruptions wait for that span, so none leaves
// the empty file behind; a process killed in it leaves `to` empty.
Status osRenameNoReplace(const std::string& from, const std::string& to);

// Gives the file open as `file`, now called `from`, the name `to`, unless `to` names
// something already: then nothing changes and the result is kOsNameTaken. Windows renames
// through the handle (SetFileInformationByHandle with FileRenameInfo, ReplaceIfExists
// FALSE; the handle from osCreateNew); POSIX renames `from` as osRenameNoReplace does.
Status osRenameOpenFile(OsFile file, const std::string& from, const std::string& to);

// Removes the file `name`.
Status osDelete(const std::string& name);

// Reads up to `length` bytes at `offset`; `*got` is less than `length` only at end of file.
Status osReadAt(OsFile file, int64_t offset, void* data, int64_t length, int64_t* got);

// Writes all `length` bytes at `offset`, growing the file as needed.
Status osWriteAt(OsFile file, int64_t offset, const void* data, int64_t length);

// Copies up to `length` bytes from `from` at `fromOffset` to `to` at `toOffset` inside the
// operating system, without passing them through the program. `*copied` is how many
// arrived; with status 0 it is less than `length` only at the end of `from`. A failure part
// way leaves the bytes before `*copied` written and those after it possibly written in part.
// The result is kOsCopyUnsupported where the system cannot copy between these two files by
// itself: nothing has been copied then, and the caller moves the bytes with osReadAt and
// osWriteAt. A platform without such a copy returns it every time.
Status osCopyRange(OsFile from, int64_t fromOffset, OsFile to, int64_t toOffset, int64_t length,
                   int64_t* copied);

// Cuts (or extends) the file to exactly `length` bytes. Some file systems refuse to extend a
// file or to set the length it has already (FAT through FUSE), or refuse it altogether: ask
// for it only where a file is longer than it should be.
Status osSetLength(OsFile file, int64_t length);

Status osLength(OsFile file, int64_t* length);

Status osClose(OsFile file);

// Opens a second handle on the file open as `file`, so that another thread can read it at
// its own offsets while `file` is used and closed; close the copy with osClose. The copy
// has no `created` flag of its own.
Status osDuplicate(OsFile file, OsFile* copy);

// True when both open files are the same file on disk (links and other spellings of the
// name included).
bool osSameFile(OsFile a, OsFile b);

// True when `name` exists and is the same file on disk as `file`.
bool osNameLeadsToFile(OsFile file, const std::string& name);

// True when `name` itself, not what a link of that name points to, is the regular file
// open as `file`.
bool osNameIsFileEntry(OsFile file, const std::string& name);

// Getting written bytes onto the medium (disk, card, stick). A write that returned has only
// reached the system's cache; these calls wait for the medium and report what failed on the
// way there, which the write itself could not know yet.

// Starts writing the file's cached bytes out to the medium, without waiting for them, where
// the system offers that (Linux); elsewhere it does nothing. A flush later then has little
// left to wait for.
void osStartWriteOut(OsFile file);

// Returns once the file's bytes, and what it takes to read them back, are on the medium
// (fdatasync; FlushFileBuffers). Fails with the code of a write-out that failed since the
// file was opened, even one that no call of this program made.
Status osFlush(OsFile file);

// True where osFlushFileSystem flushes a whole file system at once (Linux: syncfs), which
// costs far less than flushing many files one by one; elsewhere the caller flushes each file
// with osFlush.
bool osFlushesFileSystems();

// Opens the folder `name`, so that its file system can be flushed with osFlushFileSystem.
Status osOpenFolder(const std::string& name, OsFile* folder);

// Writes out everything cached for the file system that holds `folder`, and fails with the
// code of any write-out on it that failed since `folder` was opened.
Status osFlushFileSystem(OsFile folder);

// Flushes the entry of `fileName` in its folder, so that the name survives as well as the
// bytes (fsync on the folder, on POSIX). Where the file system refuses to flush a folder, or
// the folder cannot be opened for it, or the system keeps entries with their files
// (Windows), there is nothing to do and it succeeds.
Status osFlushFolderOf(const std::string& fileName);

// The entries of the folder `folder` whose names equal `name` when the letter case of
// A to Z is ignored, as the command processor finds files: `name` itself, where it is
// there, then the others in the folder's order. Where the file system ignores case itself
// (Windows), the one entry it finds.
std::vector<std::string> osNamesIgnoringCase(const std::string& folder, const std::string& name);

// The same for each of `names`, in their order, from one pass over the folder.
std::vector<std::vector<std::string>> osNamesIgnoringCase(const std::string& folder,
                                                          const std::vector<std::string>& names);

// The names of every entry of the folder `folder` that start with `prefix` and end with
// `suffix`, letter case as it stands, in the folder's order; none where it cannot be read.
std::vector<std::string> osNamesInFolder(const std::string& folder, const std::string& prefix,
                                         const std::string& suffix);

// What osLockFolder got.
enum class OsFolderLock {
  held,           // this process holds the folder until it ends
  heldByAnother,  // another process holds it; nothing was changed
  unavailable,    // the folder or its file system takes no lock: the caller goes on without
};

// Takes a lock on the folder `folder` that only one process at a time can hold, until it
// ends: the system drops it with the process, however that ends, so no lock outlives its
// run. POSIX locks the folder itself (flock). Windows holds the file `floppysplit.lock` in it
// open without sharing, made new and deleted as the process lets go of it; a file of that
// name already there is held open instead and kept.
OsFolderLock osLockFolder(const std::string& folder);

// The operating system's message text for one of its error codes.
std::string osErrorText(Status code);

}  // namespace floppysplit
