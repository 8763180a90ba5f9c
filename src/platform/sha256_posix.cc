// SHA-256 on POSIX: nettle, which picks the processor's SHA instructions where there are
// any. It cannot fail.

#include <nettle/sha2.h>

#include <cstddef>

#include "platform/sha256.h"

namespace floppysplit {

struct Sha256::State {
  sha256_ctx context{};
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() = default;

Status Sha256::start() {
  sha256_init(&state_->context);
  return kOk;
}

Status Sha256::add(const void* data, int64_t length) {
  sha256_update(&state_->context, static_cast<size_t>(length), static_cast<const uint8_t*>(data));
  return kOk;
}

Status Sha256::finish(Sha256Digest* digest) {
  static_assert(sizeof *digest == SHA256_DIGEST_SIZE);
  sha256_digest(&state_->context, SHA256_DIGEST_SIZE, digest->data());
  return kOk;
}

Status Sha256::finish(std::string* hex) {
  Sha256Digest digest;
  const Status status = finish(&digest);
  if (status == kOk) *hex = hexDigits(digest);
  return status;
}

}  // namespace floppysplit
