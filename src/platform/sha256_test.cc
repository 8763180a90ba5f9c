#include "platform/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace floppysplit {

namespace {

// The digest of `text` added in pieces of `piece` bytes.
std::string digestOf(const std::string& text, size_t piece) {
  Sha256 sha;
  EXPECT_EQ(sha.start(), kOk);
  for (size_t at = 0; at < text.size(); at += piece) {
    const std::string part = text.substr(at, piece);
    EXPECT_EQ(sha.add(part.data(), static_cast<int64_t>(part.size())), kOk);
  }
  std::string hex;
  EXPECT_EQ(sha.finish(&hex), kOk);
  return hex;
}

TEST(Sha256, GivesTheStandardDigestsWhateverThePieces) {
  const std::pair<std::string, std::string> vectors[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& [text, digest] : vectors) {
    EXPECT_EQ(digestOf(text, 1), digest) << text.size() << " bytes one at a time";
    EXPECT_EQ(digestOf(text, 4096), digest) << text.size() << " bytes";
  }
}

}  // namespace

}  // namespace floppysplit
