#include "platform/bcrypt_hash_win32.h"

#include <winternl.h>

#include <algorithm>
#include <limits>

namespace floppysplit {

namespace {

Status codeOf(NTSTATUS status) {
  if (BCRYPT_SUCCESS(status)) return kOk;
  const ULONG code = RtlNtStatusToDosError(status);
  return code == 0 ? static_cast<Status>(ERROR_GEN_FAILURE) : static_cast<Status>(code);
}

}  // namespace

BcryptHash::~BcryptHash() {
  closeHash();
  if (algorithm_ != nullptr) BCryptCloseAlgorithmProvider(algorithm_, 0);
}

void BcryptHash::closeHash() {
  if (hash_ != nullptr) BCryptDestroyHash(hash_);
  hash_ = nullptr;
}

Status BcryptHash::start() {
  closeHash();
  if (algorithm_ == nullptr) {
    const Status status =
        codeOf(BCryptOpenAlgorithmProvider(&algorithm_, algorithmName_, nullptr, 0));
    if (status != kOk) {
      algorithm_ = nullptr;
      return status;
    }
  }
  // From Windows 7 on the system keeps the hash object's memory itself.
  const Status status = codeOf(BCryptCreateHash(algorithm_, &hash_, nullptr, 0, nullptr, 0, 0));
  if (status != kOk) hash_ = nullptr;
  return status;
}

Status BcryptHash::add(const void* data, int64_t length) {
  auto* bytes = static_cast<UCHAR*>(const_cast<void*>(data));
  while (length > 0) {
    const auto piece =
        static_cast<ULONG>(std::min<int64_t>(length, std::numeric_limits<int32_t>::max()));
    const Status status = codeOf(BCryptHashData(hash_, bytes, piece, 0));
    if (status != kOk) return status;
    bytes += piece;
    length -= piece;
  }
  return kOk;
}

Status BcryptHash::finish(unsigned char* digest, ULONG bytes) {
  const Status status = codeOf(BCryptFinishHash(hash_, digest, bytes, 0));
  closeHash();
  return status;
}

}  // namespace floppysplit
