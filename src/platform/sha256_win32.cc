// SHA-256 on Windows: the system's BCrypt, present from Windows 7 on. Its NTSTATUS
// failures become the Windows error codes that the error report can word.

#include <windows.h>
// windows.h first: these need its types.
#include <bcrypt.h>
#include <winternl.h>

#include <algorithm>
#include <limits>

#include "platform/sha256.h"

namespace floppysplit {

namespace {

Status codeOf(NTSTATUS status) {
  if (BCRYPT_SUCCESS(status)) return kOk;
  const ULONG code = RtlNtStatusToDosError(status);
  return code == 0 ? static_cast<Status>(ERROR_GEN_FAILURE) : static_cast<Status>(code);
}

}  // namespace

struct Sha256::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;

  void closeHash() {
    if (hash != nullptr) BCryptDestroyHash(hash);
    hash = nullptr;
  }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() {
  state_->closeHash();
  if (state_->algorithm != nullptr) BCryptCloseAlgorithmProvider(state_->algorithm, 0);
}

Status Sha256::start() {
  state_->closeHash();
  if (state_->algorithm == nullptr) {
    const Status status = codeOf(
        BCryptOpenAlgorithmProvider(&state_->algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0));
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

Status Sha256::add(const void* data, int64_t length) {
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

Status Sha256::finish(Sha256Digest* digest) {
  const Status status = codeOf(BCryptFinishHash(state_->hash, digest->data(), sizeof *digest, 0));
  state_->closeHash();
  return status;
}

Status Sha256::finish(std::string* hex) {
  Sha256Digest digest;
  const Status status = finish(&digest);
  if (status == kOk) *hex = hexDigits(digest);
  return status;
}

}  // namespace floppysplit
