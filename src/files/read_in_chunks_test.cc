#include "files/read_in_chunks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/medium_read.h"
#include "platform/owned_file.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

// Every read reaches the receiver, the empty one at the end of a file of whole buffers too;
// a length the file does not hold is kEndOfFile, and the receiver's kEndOfFile stops early.
TEST(ReadInChunks, HandsOverEveryReadAndStopsWhereTold) {
  ScratchFolder folder;
  folder.write("data", "0123456789ab");
  OwnedFile file;
  ASSERT_EQ(
      osOpen((folder / "data").string(), OsExistence::mustExist, OsAccess::read, file.receive()),
      kOk);
  char buffer[4];
  std::vector<std::string> reads;
  const auto keep = [&reads](const char* data, int64_t bytes) {
    reads.emplace_back(data, static_cast<size_t>(bytes));
    return reads.size() < 2 ? kOk : kEndOfFile;
  };
  const auto keepAll = [&reads](const char* data, int64_t bytes) {
    reads.emplace_back(data, static_cast<size_t>(bytes));
    return kOk;
  };
  EXPECT_EQ(readInChunks(file.get(), ReadFrom::system, buffer, 4, keepAll), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89ab", ""}));
  reads.clear();
  EXPECT_EQ(readFirstBytes(file.get(), 10, buffer, 4, keepAll), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89"}));
  reads.clear();
  EXPECT_EQ(readFirstBytes(file.get(), 14, buffer, 4, keepAll), kEndOfFile);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89ab"}));
  reads.clear();
  EXPECT_EQ(readInChunks(file.get(), ReadFrom::system, buffer, 4, keep), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567"}));
}

// A floppy-size file read back from the medium, as the checks read fragments: whole blocks
// a read, the last one short inside its block, every byte once and in order.
TEST(ReadInChunks, ReadsAFloppySizeFileFromTheMediumWhole) {
  constexpr int64_t kFloppy = 1457152;
  constexpr int64_t kBufferBytes = int64_t{64} * 1024;
  ScratchFolder folder;
  std::string bytes(static_cast<size_t>(kFloppy), '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 31 + i / 4096);
  folder.write("fragmen1", bytes);
  OwnedFile file;
  ASSERT_EQ(osOpenOnMedium((folder / "fragmen1").string(), kBufferBytes, file.receive()), kOk);
  alignas(kMediumBlock) static char buffer[kBufferBytes];
  std::string read;
  int32_t reads = 0;
  EXPECT_EQ(readInChunks(file.get(), ReadFrom::medium, buffer, kBufferBytes,
                         [&](const char* data, int64_t got) {
                           read.append(data, static_cast<size_t>(got));
                           ++reads;
                           return kOk;
                         }),
            kOk);
  EXPECT_TRUE(read == bytes) << read.size() << " bytes read";
  EXPECT_EQ(reads, (kFloppy + kBufferBytes - 1) / kBufferBytes);
}

}  // namespace

}  // namespace floppysplit
