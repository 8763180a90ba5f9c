#pragma once
// An open file with one owner, which closes it when the owner goes, on every path out of a
// step; release() hands the file on where another owner takes it over.

#include <utility>

#include "platform/file_system.h"

namespace floppysplit {

class OwnedFile {
 public:
  OwnedFile() = default;
  explicit OwnedFile(OsFile file) : file_(file) {}
  ~OwnedFile() { close(); }
  OwnedFile(OwnedFile&& other) noexcept : file_(other.release()) {}
  OwnedFile& operator=(OwnedFile&& other) noexcept {
    if (this != &other) {
      close();
      file_ = other.release();
    }
    return *this;
  }
  OwnedFile(const OwnedFile&) = delete;
  OwnedFile& operator=(const OwnedFile&) = delete;

  // The file, for the calls that use it; it stays owned here.
  OsFile get() const { return file_; }
  bool isOpen() const { return file_.handle != OsFile{}.handle; }
  // The file where one is open, for the calls that take an optional file.
  const OsFile* getIfOpen() const { return isOpen() ? &file_ : nullptr; }

  // Where an open fills in the file: whatever was held before is closed first.
  OsFile* receive() {
    close();
    return &file_;
  }

  OsFile release() { return std::exchange(file_, OsFile{}); }

  // Closes the file now, for a caller that reports how the close went.
  Status close() { return isOpen() ? osClose(release()) : kOk; }

 private:
  OsFile file_;
};

}  // namespace floppysplit
