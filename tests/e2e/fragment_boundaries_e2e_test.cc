// Concatenating the fragments in order gives the input back, for sizes around every boundary,
// and the fragments are exactly what GNU split makes for the same size.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

constexpr int64_t kPieceKilobytes = 3;
constexpr int64_t kPiece = kPieceKilobytes * 1024;

// Files in `folder` whose names start with `prefix`, in name order.
std::vector<std::string> filesStartingWith(const ScratchFolder& folder, const std::string& prefix) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<int64_t> boundaryLengths() {
  std::vector<int64_t> lengths;
  for (const int64_t base : {int64_t{512}, int64_t{1024}, kPiece, 2 * kPiece}) {
    for (int64_t records = -2; records <= 2; ++records) {
      for (int64_t bytes = -1; bytes <= 1; ++bytes) {
        const int64_t length = base + records * 512 + bytes;
        if (length >= 0) lengths.push_back(length);
      }
    }
  }
  return lengths;
}

TEST(FragmentBoundaries, FragmentsConcatenateToTheInputAndMatchGnuSplit) {
  if (testingWindowsBuild()) GTEST_SKIP() << "GNU split peer check runs against the native build";
  for (const int64_t length : boundaryLengths()) {
    SCOPED_TRACE("input length " + std::to_string(length));
    ScratchFolder ours;
    const std::string input = patternBytes(length, static_cast<uint32_t>(length));
    ours.write("in", input);
    const RunResult run =
        runProgram(ours.path(), "y\nin\ny\nn\n" + std::to_string(kPieceKilobytes) + "\ny\n");
    ASSERT_EQ(run.exitCode, length < kPiece ? 1 : 0);
    EXPECT_EQ(ours.read("in"), input);
    if (length < kPiece) {
      // The whole records do not fill one fragment: nothing is written.
      EXPECT_NE(run.out.find("Fragment size is larger than the file itself."), std::string::npos);
      EXPECT_EQ(ours.listing(), "in\n");
      continue;
    }

    std::string join;
    const std::vector<std::string> fragments = filesStartingWith(ours, "fragmen");
    for (const std::string& name : fragments) join += ours.read(name);
    EXPECT_EQ(join, input);

    ScratchFolder peer;
    peer.write("in", input);
    const std::string command =
        "cd '" + peer.path().string() + "' && split -b " + std::to_string(kPiece) + " in piece.";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::string> pieces = filesStartingWith(peer, "piece.");
    ASSERT_EQ(pieces.size(), fragments.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_EQ(ours.read(fragments[i]), peer.read(pieces[i])) << fragments[i];
    }
  }
}

TEST(HugeSizes, WrappedProductsStopWithoutWritingAnything) {
  ScratchFolder folder;
  folder.write("in", patternBytes(3000));
  // 2^54 - 1 kilobytes wraps to -1024 bytes: a negative fragment count.
  RunResult run = runProgram(folder.path(), "y\nin\ny\nn\n18014398509481983\ny\n");
  EXPECT_TRUE(endsWith(run.out, "\n Too many fragments: -2\r\n")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  // 2^54 kilobytes wraps to exactly 0 bytes.
  run = runProgram(folder.path(), "y\nin\ny\nn\n18014398509481984\ny\n");
  EXPECT_TRUE(endsWith(run.out, "\n Fragment size is larger than the file itself.\r\n"));
  EXPECT_EQ(run.exitCode, 1);
  // 2^53 kilobytes wraps to the most negative size.
  run = runProgram(folder.path(), "y\nin\ny\nn\n9007199254740992\ny\n");
  EXPECT_TRUE(endsWith(run.out, "\n Fragment size is larger than the file itself.\r\n"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder.listing(), "in\n");
}

TEST(HugeSizes, CountsNeedingLongerNamesAreTooMany) {
  ScratchFolder folder;
  // A sparse 110 GB file: the plan refuses before anything is copied.
  folder.write("huge", "");
  fs::resize_file(folder / "huge", 110000000000);
  const RunResult run = runProgram(folder.path(), "y\nhuge\ny\nn\n1\ny\n");
  EXPECT_NE(run.out.find(" Length:  110000000000  bytes\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("File length is  110000000000 bytes or ********** kilobytes.\r\n"),
            std::string::npos);
  EXPECT_TRUE(endsWith(run.out, "\n Too many fragments:  107421875\r\n")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder.listing(), "huge\n");
}

// Compares a file with the concatenation of others, a megabyte at a time.
bool sameBytes(const fs::path& whole, const std::vector<fs::path>& parts) {
  std::ifstream in(whole, std::ios::binary);
  std::vector<char> a(1 << 20);
  std::vector<char> b(1 << 20);
  for (const fs::path& part : parts) {
    std::ifstream piece(part, std::ios::binary);
    while (piece.read(b.data(), static_cast<std::streamsize>(b.size())) || piece.gcount() > 0) {
      const std::streamsize n = piece.gcount();
      if (!in.read(a.data(), n) || !std::equal(a.begin(), a.begin() + n, b.begin())) return false;
      if (n < static_cast<std::streamsize>(b.size())) break;
    }
  }
  return in.peek() == std::ifstream::traits_type::eof();
}

TEST(LargeFiles, SparseInputBeyondFourGibibytesSplitsIntoTwoGibibytePieces) {
  ScratchFolder folder;
  const int64_t length = (int64_t{4} << 30) + 12345;
  {
    std::fstream file(folder / "sparse", std::ios::binary | std::ios::in | std::ios::out);
    folder.write("sparse", "");
    for (const int64_t offset :
         {int64_t{0}, (int64_t{2} << 30) - 700, (int64_t{4} << 30) - 3, length - 5000}) {
      const std::string bytes = patternBytes(4000, static_cast<uint32_t>(offset));
      file.seekp(offset);
      file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
  fs::resize_file(folder / "sparse", static_cast<uintmax_t>(length));
  const RunResult run = runProgram(folder.path(), "y\nsparse\ny\nn\n2097152\ny\n");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find(" Break sparse into  3 files?"), std::string::npos);
  EXPECT_EQ(fs::file_size(folder / "fragmen1"), uintmax_t{2} << 30);
  EXPECT_EQ(fs::file_size(folder / "fragmen2"), uintmax_t{2} << 30);
  EXPECT_EQ(fs::file_size(folder / "fragmen3"), 12345u);
  EXPECT_TRUE(sameBytes(folder / "sparse",
                        {folder / "fragmen1", folder / "fragmen2", folder / "fragmen3"}));
  // The script's length check takes the full length and its low 32 bits.
  EXPECT_NE(folder.read("Recomb.cmd")
                .find("for %%F in (zzztempb) do if not \"%%~zF\"==\"4294979641\" "
                      "if not \"%%~zF\"==\"12345\" goto nocopy\r\n"),
            std::string::npos);
}

}  // namespace

}  // namespace floppysplit
