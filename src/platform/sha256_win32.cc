// SHA-256 on Windows: the system's BCrypt (bcrypt_hash_win32.h).

#include "platform/bcrypt_hash_win32.h"
#include "platform/sha256.h"

namespace floppysplit {

struct Sha256::State {
  BcryptHash hash{BCRYPT_SHA256_ALGORITHM};
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() = default;

Status Sha256::start() { return state_->hash.start(); }

Status Sha256::add(const void* data, int64_t length) { return state_->hash.add(data, length); }

Status Sha256::finish(Sha256Digest* digest) {
  return state_->hash.finish(digest->data(), static_cast<ULONG>(digest->size()));
}

Status Sha256::finish(std::string* hex) {
  Sha256Digest digest;
  const Status status = finish(&digest);
  if (status == kOk) *hex = hexDigits(digest);
  return status;
}

}  // namespace floppysplit
