// MD5 on Windows: the system's BCrypt (bcrypt_hash_win32.h).

#include "platform/bcrypt_hash_win32.h"
#include "platform/md5.h"

namespace floppysplit {

struct Md5::State {
  BcryptHash hash{BCRYPT_MD5_ALGORITHM};
};

Md5::Md5() : state_(std::make_unique<State>()) {}

Md5::~Md5() = default;

Status Md5::start() { return state_->hash.start(); }

Status Md5::add(const void* data, int64_t length) { return state_->hash.add(data, length); }

Status Md5::finish(Md5Digest* digest) {
  return state_->hash.finish(digest->data(), static_cast<ULONG>(digest->size()));
}

}  // namespace floppysplit
