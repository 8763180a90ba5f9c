// MD5 on Windows: the system's BCrypt, present from Windows 7 on. Its NTSTATUS failures
// become the Windows error codes that the error report can word.

#include <windows.h>
// windows.h first: these need its types.
#include <bcrypt.h>
#include <winternl.h>

#include <algorithm>
#include <limits>

#include "platform/md5.h"

namespace floppysplit {

namespace {

Status codeOf(NTSTATUS status) {
  if (BCRYPT_SUCCESS(status)) return kOk;
  const ULONG code = RtlNtStatusToDosError(status);
  return code == 0 ? static_cast<Status>(ERROR_GEN_FAILURE) : static_cast<Status>(code);
}

}  // namespace

struct Md5::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;

  void closeHash() {
    if (hash != nullptr) BCryptDestroyHash(hash);
    hash = nullptr;
  }
};

Md5::Md5() : state_(std::make_unique<State>()) {}

Md5::~Md5() {
  state_->closeHash();
  if (state_->algorithm != nullptr) BCryptCloseAlgorithmProvider(state_->algorithm, 0);
}

Status Md5::start() {
  state_->closeHash();
  if (state_->algorithm == nullptr) {
    const Status status =
        codeOf(BCryptOpenAlgorithmProvider(&state_->algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0));
    if (status != kOk) {
      state_->algorithm = nullptr;
      return status;
    }
  }
  // From Windows 7 on the system keeps the hash object's memory itself.
  const Status status =
      codeOf(BCryptCreateHash(state_->algorithm, &state_->hash, nullptr, 0, nullptr, 0, 0));
  if (status != kOk) state_->hash = nullptr;
  return status;
}

Status Md5::add(const void* data, int64_t length) {
  auto* bytes = static_cast<UCHAR*>(const_cast<void*>(data));
  while (length > 0) {
    const auto piece =
        static_cast<ULONG>(std::min<int64_t>(length, std::numeric_limits<int32_t>::max()));
    const Status status = codeOf(BCryptHashData(state_->hash, bytes, piece, 0));
    if (status != kOk) return status;
    bytes += piece;
    length -= piece;
  }
  return kOk;
}

Status Md5::finish(Md5Digest* digest) {
  const Status status =
      codeOf(BCryptFinishHash(state_->hash, digest->data(), static_cast<ULONG>(digest->size()), 0));
  state_->closeHash();
  return status;
}

}  // namespace floppysplit
