// MD5 on POSIX: nettle. It cannot fail.

#include <nettle/md5.h>

#include <cstddef>

#include "platform/md5.h"

namespace floppysplit {

struct Md5::State {
  md5_ctx context{};
};

Md5::Md5() : state_(std::make_unique<State>()) {}

Md5::~Md5() = default;

Status Md5::start() {
  md5_init(&state_->context);
  return kOk;
}

Status Md5::add(const void* data, int64_t length) {
  md5_update(&state_->context, static_cast<size_t>(length), static_cast<const uint8_t*>(data));
  return kOk;
}

Status Md5::finish(Md5Digest* digest) {
  md5_digest(&state_->context, MD5_DIGEST_SIZE, digest->data());
  return kOk;
}

}  // namespace floppysplit
