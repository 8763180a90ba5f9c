// On a copy-on-write file system the system's copy lends the input's blocks to a fragment
// instead of writing its bytes again, wherever both start on a block boundary. A split into
// pieces of a whole number of blocks then takes no disk space of its own. These tests hold
// the program to that on XFS, and show that the check can tell: the build that moves every
// record through its buffer shares nothing.

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/mounted_disk.h"
#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

constexpr int64_t kMiB = int64_t{1024} * 1024;

// Sixteen full fragments of 4096 KB and a short final one, with what the console shows.
constexpr TypedSplit kSplit{.length = 64 * kMiB + 5000,
                            .kilobytes = 4096,
                            .lengthInKilobytes = "65540.9",
                            .floppies = 47,
                            .fragments = 17};

// How a file's bytes lie on disk, as FIEMAP reports them after writing back what is cached.
struct Sharing {
  int64_t sharedBytes = 0;    // in extents that another file uses too
  int64_t unsharedBytes = 0;  // in extents of this file alone
  std::string error;          // why the mapping could not be read
};

Sharing sharingOf(const fs::path& path) {
  Sharing sharing;
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    sharing.error = std::strerror(errno);
    return sharing;
  }
  constexpr uint32_t kExtentsPerCall = 64;
  std::vector<char> buffer(sizeof(fiemap) + kExtentsPerCall * sizeof(fiemap_extent));
  auto* map = reinterpret_cast<fiemap*>(buffer.data());
  uint64_t start = 0;
  for (bool last = false; !last;) {
    std::fill(buffer.begin(), buffer.end(), '\0');
    map->fm_start = start;
    map->fm_length = FIEMAP_MAX_OFFSET - start;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = kExtentsPerCall;
    if (::ioctl(fd, FS_IOC_FIEMAP, map) != 0) {
      sharing.error = std::strerror(errno);
      break;
    }
    if (map->fm_mapped_extents == 0) break;
    for (uint32_t i = 0; i < map->fm_mapped_extents; ++i) {
      const fiemap_extent& extent = map->fm_extents[i];
      const auto length = static_cast<int64_t>(extent.fe_length);
      ((extent.fe_flags & FIEMAP_EXTENT_SHARED) != 0 ? sharing.sharedBytes
                                                     : sharing.unsharedBytes) += length;
      start = extent.fe_logical + extent.fe_length;
      last = (extent.fe_flags & FIEMAP_EXTENT_LAST) != 0;
    }
  }
  ::close(fd);
  return sharing;
}

std::string sharingText(int64_t shared, int64_t own) {
  return std::to_string(shared) + " bytes shared, " + std::to_string(own) + " its own";
}

// One line for each named file in `folder`: how many of its bytes lie in blocks shared with
// another file and how many in blocks of its own.
std::string sharingOfEach(const fs::path& folder, const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    const Sharing sharing = sharingOf(folder / name);
    text += name + ": " +
            (sharing.error.empty() ? sharingText(sharing.sharedBytes, sharing.unsharedBytes)
                                   : sharing.error) +
            "\n";
  }
  return text;
}

// The same lines for files that all have `shared` bytes in shared blocks and `own` in blocks
// of their own.
std::string sameSharingForEach(const std::vector<std::string>& names, int64_t shared, int64_t own) {
  std::string text;
  for (const std::string& name : names) text += name + ": " + sharingText(shared, own) + "\n";
  return text;
}

// Splits the disk's file "input" as kSplit with the program `binary` in a new folder `name`
// on the same disk, and returns the folder.
fs::path splitInto4096KbPieces(const MountedDisk& disk, const std::string& binary,
                               const std::string& name) {
  fs::path folder = disk.path() / name;
  fs::create_directory(folder);
  fs::create_hard_link(disk.path() / "input", folder / "input");
  const RunResult run = runCommand(folder, {binary}, answersUpToOk("input", 4096) + "y\n");
  EXPECT_EQ(run.out, transcriptUpToOk("input", kSplit) + completionText()) << binary;
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return folder;
}

TEST(SharedBlocks, FragmentsOfWholeBlocksShareTheInputsBlocksOnXfs) {
  if (testingWindowsBuild()) GTEST_SKIP() << "the system's block sharing is the native build's";
  ScratchFolder home;
  MountedDisk disk(home / "xfs", DiskKind::xfsWithReflink, 320 * kMiB);
  MOUNT_OR_SKIP(disk);
  const std::string input = patternBytes(kSplit.length, 21);
  std::ofstream(disk.path() / "input", std::ios::binary)
      .write(input.data(), static_cast<std::streamsize>(input.size()));
  const std::vector<std::string> names = {
      "fragme01", "fragme02", "fragme03", "fragme04", "fragme05", "fragme06",
      "fragme07", "fragme08", "fragme09", "fragme10", "fragme11", "fragme12",
      "fragme13", "fragme14", "fragme15", "fragme16", "fragme17"};
  const std::vector<std::string> fullFragments(names.begin(), names.end() - 1);

  const fs::path fast = splitInto4096KbPieces(disk, FLOPPYSPLIT_BINARY, "fast");
  EXPECT_TRUE(joinFiles(fast, names) == input) << "the fragments do not join to the input";
  EXPECT_EQ(sharingOfEach(fast, fullFragments), sameSharingForEach(fullFragments, 4 * kMiB, 0));

  const fs::path reference =
      splitInto4096KbPieces(disk, FLOPPYSPLIT_RECORD_COPY_BINARY, "reference");
  EXPECT_TRUE(joinFiles(reference, names) == input)
      << "the record-by-record build's fragments do not join to the input";
  // The check can tell: fragments written record by record share nothing.
  EXPECT_EQ(sharingOfEach(reference, fullFragments),
            sameSharingForEach(fullFragments, 0, 4 * kMiB));
}

}  // namespace

}  // namespace floppysplit
