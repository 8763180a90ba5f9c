#pragma once
// One hash of the system's BCrypt, present from Windows 7 on, behind the Windows build's
// digests (sha256_win32.cc, md5_win32.cc). Its NTSTATUS failures become the Windows error
// codes that the error report can word.

#include <windows.h>
// windows.h first: bcrypt.h needs its types.
#include <bcrypt.h>

#include <cstdint>

#include "platform/os_status.h"

namespace floppysplit {

class BcryptHash {
 public:
  // `algorithm` is one of BCrypt's names, such as BCRYPT_SHA256_ALGORITHM.
  explicit BcryptHash(LPCWSTR algorithm) : algorithmName_(algorithm) {}
  ~BcryptHash();
  BcryptHash(const BcryptHash&) = delete;
  BcryptHash& operator=(const BcryptHash&) = delete;

  // Starts a new digest, dropping whatever was added before.
  Status start();

  Status add(const void* data, int64_t length);

  // Writes the digest's `bytes` bytes to `digest`; a new start is needed after it.
  Status finish(unsigned char* digest, ULONG bytes);

 private:
  void closeHash();

  LPCWSTR algorithmName_;
  BCRYPT_ALG_HANDLE algorithm_ = nullptr;
  BCRYPT_HASH_HANDLE hash_ = nullptr;
};

}  // namespace floppysplit
