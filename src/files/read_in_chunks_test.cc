#include "files/read_in_chunks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

// Every read reaches the receiver, the empty one at the end of a file of whole buffers too;
// a length the file does not hold is kEndOfFile, and the receiver's kEndOfFile stops early.
TEST(ReadInChunks, HandsOverEveryReadAndStopsWhereTold) {
  ScratchFolder folder;
  folder.write("data", "0123456789ab");
  OsFile file;
  ASSERT_EQ(osOpen((folder / "data").string(), OsExistence::mustExist, OsAccess::read, &file), kOk);
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
  EXPECT_EQ(readInChunks(file, ReadFrom::system, buffer, 4, keepAll), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89ab", ""}));
  reads.clear();
  EXPECT_EQ(readFirstBytes(file, 10, buffer, 4, keepAll), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89"}));
  reads.clear();
  EXPECT_EQ(readFirstBytes(file, 14, buffer, 4, keepAll), kEndOfFile);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567", "89ab"}));
  reads.clear();
  EXPECT_EQ(readInChunks(file, ReadFrom::system, buffer, 4, keep), kOk);
  EXPECT_EQ(reads, (std::vector<std::string>{"0123", "4567"}));
  osClose(file);
}

}  // namespace

}  // namespace floppysplit
