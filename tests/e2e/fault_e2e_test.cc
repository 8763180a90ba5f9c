// Writes that fail for real: a file size limit, a full disk, a folder in the way of
// Recomb.cmd. Every run must report in its own words, keep what it wrote complete and
// correct as far as it got, and leave the input as it was. An input that may only be read
// is split whole.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/immutable_file.h"
#include "support/mounted_disk.h"
#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// The splits made here, with what the console shows for them.
constexpr TypedSplit k5000BytesIn2K{
    .length = 5000, .kilobytes = 2, .lengthInKilobytes = "4.9", .floppies = 1, .fragments = 3};
constexpr TypedSplit k16384BytesIn8K{
    .length = 16384, .kilobytes = 8, .lengthInKilobytes = "16.0", .floppies = 1, .fragments = 2};
constexpr TypedSplit k20000BytesIn8K{
    .length = 20000, .kilobytes = 8, .lengthInKilobytes = "19.5", .floppies = 1, .fragments = 3};
constexpr TypedSplit k20580BytesIn8K{
    .length = 20580, .kilobytes = 8, .lengthInKilobytes = "20.1", .floppies = 1, .fragments = 3};

// How UnwritableFile makes its file unwritable: by the first means at hand, or only by a
// read-only bind mount of its folder.
enum class Unwritable { anyWay, byBindMount };

// A file that this process, even as root, cannot open for writing: read-only permissions
// for an ordinary user; the immutable attribute or a read-only bind mount for root.
class UnwritableFile {
 public:
  UnwritableFile(const ScratchFolder& home, std::string_view name, std::string_view bytes,
                 Unwritable way = Unwritable::anyWay) {
    const fs::path folder = home / "readonly-source";
    fs::create_directory(folder);
    path_ = folder / name;
    std::ofstream(path_, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (::geteuid() != 0) {
      if (way == Unwritable::anyWay) {
        fs::permissions(path_,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        how_ = "read-only permissions";
      }
    } else if (way == Unwritable::anyWay && setImmutable(path_, true)) {
      immutable_ = true;
      how_ = "the immutable attribute";
    } else {
      const fs::path mountPoint = home / "readonly";
      fs::create_directory(mountPoint);
      if (::mount(folder.c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) == 0) {
        bindMount_ = mountPoint;
        ::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
        path_ = mountPoint / name;
        how_ = "a read-only bind mount";
      }
    }
    const int fd = ::open(path_.c_str(), O_RDWR);
    if (fd >= 0) {
      ::close(fd);
    } else {
      openError_ = errno;
    }
  }
  ~UnwritableFile() {
    if (immutable_) setImmutable(path_, false);
    if (!bindMount_.empty()) ::umount2(bindMount_.c_str(), MNT_DETACH);
  }
  UnwritableFile(const UnwritableFile&) = delete;
  UnwritableFile& operator=(const UnwritableFile&) = delete;

  const fs::path& path() const { return path_; }
  // The error that opening it for writing gives, or 0 when it could be opened after all.
  int openError() const { return openError_; }
  const std::string& how() const { return how_; }

 private:
  fs::path path_;
  bool immutable_ = false;
  fs::path bindMount_;
  std::string how_;
  int openError_ = 0;
};

// The expected statuses and texts below are this host's (Linux) error numbers and messages.
#define SKIP_UNLESS_POSIX_BUILD()                                                              \
  if (testingWindowsBuild()) {                                                                 \
    GTEST_SKIP() << "expects the POSIX error numbers and texts, not those of a Windows build"; \
  }

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(WriteFailure, FileSizeLimitStopsPartWayThroughTheFirstFragment) {
  SKIP_UNLESS_POSIX_BUILD();
  // A per-process limit bites in the first fragment already: every full fragment has the
  // same size. What the fragment holds must be the input's first bytes, nothing else.
  ScratchFolder folder;
  const std::string input = patternBytes(5000, 11);
  folder.write("big.bin", input);

  const RunResult run = runProgramWith(folder.path(), answersUpToOk("big.bin", 2) + "y\n",
                                       {.command = {}, .environment = {}, .fileSizeLimit = 1000});

  EXPECT_EQ(run.out,
            transcriptUpToOk("big.bin", k5000BytesIn2K) +
                consoleLines({" ###Error  " + std::to_string(EFBIG) + "  writing fragmen1"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder.listing(), "big.bin\nfragmen1\n");
  EXPECT_EQ(folder.read("fragmen1"), input.substr(0, 1000));
  EXPECT_EQ(folder.read("big.bin"), input);
}

TEST(WriteFailure, FullDiskStopsInTheSecondFragmentAndKeepsTheFirstWhole) {
  SKIP_UNLESS_POSIX_BUILD();
  ScratchFolder home;
  MountedDisk disk(home / "disk", DiskKind::tmpfs, int64_t{3} * 4096);
  MOUNT_OR_SKIP(disk);
  const std::string input = patternBytes(20000, 12);
  home.write("big.bin", input);
  const std::string name = (home / "big.bin").string();

  const RunResult run = runProgramWith(disk.path(), answersUpToOk(name, 8) + "y\n", {});

  EXPECT_EQ(run.out,
            transcriptUpToOk(name, k20000BytesIn8K) +
                consoleLines({" ###Error  " + std::to_string(ENOSPC) + "  writing fragmen2"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(fs::exists(disk.path() / "fragmen3"));
  EXPECT_FALSE(fs::exists(disk.path() / "Recomb.cmd"));
  EXPECT_EQ(readFile(disk.path() / "fragmen1"), input.substr(0, 8192));
  // As far as the second fragment got, it holds the right bytes.
  const std::string second = readFile(disk.path() / "fragmen2");
  EXPECT_LT(second.size(), 8192u);
  EXPECT_EQ(second, input.substr(8192, second.size()));
  EXPECT_EQ(home.read("big.bin"), input);
}

TEST(WriteFailure, FullDiskInTheTailOfTheFinalFragment) {
  SKIP_UNLESS_POSIX_BUILD();
  // Two full fragments of 8 KiB and the final fragment's one whole page fill the disk; the
  // first tail byte needs a page more.
  ScratchFolder home;
  MountedDisk disk(home / "disk", DiskKind::tmpfs, int64_t{5} * 4096);
  MOUNT_OR_SKIP(disk);
  const std::string input = patternBytes(20580, 13);
  home.write("big.bin", input);
  const std::string name = (home / "big.bin").string();

  const RunResult run = runProgramWith(disk.path(), answersUpToOk(name, 8) + "y\n", {});

  EXPECT_EQ(run.out, transcriptUpToOk(name, k20580BytesIn8K) +
                         consoleLines({" Error  " + std::to_string(ENOSPC) +
                                       "  in writing last record at byte  1 record:  4097"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(fs::exists(disk.path() / "Recomb.cmd"));
  EXPECT_EQ(readFile(disk.path() / "fragmen1"), input.substr(0, 8192));
  EXPECT_EQ(readFile(disk.path() / "fragmen2"), input.substr(8192, 8192));
  EXPECT_EQ(readFile(disk.path() / "fragmen3"), input.substr(16384, 4096));
  EXPECT_EQ(home.read("big.bin"), input);
}

TEST(WriteFailure, FullDiskWhileWritingTheScriptEndsWithTheErrorReport) {
  SKIP_UNLESS_POSIX_BUILD();
  // The fragments fill the disk exactly; the script's lines cannot be written out.
  ScratchFolder home;
  MountedDisk disk(home / "disk", DiskKind::tmpfs, int64_t{4} * 4096);
  MOUNT_OR_SKIP(disk);
  const std::string input = patternBytes(16384, 14);
  home.write("big.bin", input);
  const std::string name = (home / "big.bin").string();

  const RunResult run = runProgramWith(disk.path(), answersUpToOk(name, 8) + "y\n", {});

  EXPECT_EQ(run.out, transcriptUpToOk(name, k16384BytesIn8K));
  EXPECT_EQ(run.err,
            "? System Error:\n? " + std::string(std::strerror(ENOSPC)) + "\n? CLOSE(UNIT=12,...\n");
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(joinFiles(disk.path(), {"fragmen1", "fragmen2"}), input);
  EXPECT_EQ(home.read("big.bin"), input);
}

TEST(ScriptFailure, FolderNamedRecombCmdKeepsTheFragmentsAndShowsNoCompletion) {
  ScratchFolder folder;
  const std::string input = patternBytes(5000, 15);
  folder.write("big.bin", input);
  fs::create_directory(folder / "Recomb.cmd");

  const RunResult run = runProgram(folder.path(), answersUpToOk("big.bin", 2) + "y\n");

  EXPECT_EQ(run.out, transcriptUpToOk("big.bin", k5000BytesIn2K) +
                         consoleLines({" Error opening Recomb.cmd:  " +
                                       std::to_string(testingWindowsBuild() ? 5 : EISDIR)}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(joinFiles(folder.path(), {"fragmen1", "fragmen2", "fragmen3"}), input);
  EXPECT_TRUE(fs::is_directory(folder / "Recomb.cmd"));
  EXPECT_TRUE(fs::is_empty(folder / "Recomb.cmd"));
  EXPECT_EQ(folder.read("big.bin"), input);
}

// Ways to meet an input that may be read but not written.
enum class ReadOnlyBy {
  // Whatever UnwritableFile finds at hand for this process.
  anyMeansAtHand,
  // The program runs as another user (uid 65534) on a file that root owns, mode 0444, in a
  // folder that user may write to.
  anotherUsersFile,
  // The input's folder is bound read-only elsewhere, and the input named there.
  readOnlyBindMount,
};

struct ReadOnlyRow {
  std::string_view name;
  ReadOnlyBy by;
};

constexpr uid_t kNobody = 65534;

class ReadOnlyInput : public ::testing::TestWithParam<ReadOnlyRow> {};

// Reading is all the split does with its input: a file that may only be read is split
// whole, exit status 0, and stays as it was.
TEST_P(ReadOnlyInput, IsSplitWhole) {
  SKIP_UNLESS_POSIX_BUILD();
  const ReadOnlyRow& row = GetParam();
  ScratchFolder home;
  const std::string input = patternBytes(5000, 16);
  ScratchFolder folder;
  std::string name;
  std::vector<std::string> command = programCommand();
  std::optional<UnwritableFile> file;
  if (row.by == ReadOnlyBy::anotherUsersFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can run the program as another user";
    if (::system("command -v setpriv >/dev/null") != 0) {
      GTEST_SKIP() << "setpriv (util-linux) is not installed";
    }
    // The program, copied where that user can reach it, works in a folder it may write to.
    const fs::path program = home / "floppysplit";
    fs::copy_file(command.front(), program);
    fs::permissions(home.path(),
                    fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
    fs::permissions(program, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    command = {"setpriv", "--reuid=" + std::to_string(kNobody),
               "--regid=" + std::to_string(kNobody), "--clear-groups", program.string()};
    fs::permissions(folder.path(), fs::perms::all);
    folder.write("big.bin", input);
    fs::permissions(folder / "big.bin",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    name = "big.bin";
  } else {
    file.emplace(
        home, "big.bin", input,
        row.by == ReadOnlyBy::readOnlyBindMount ? Unwritable::byBindMount : Unwritable::anyWay);
    if (file->openError() == 0) {
      GTEST_SKIP() << "cannot make a file that this process may not open for writing (tried "
                   << (row.by == ReadOnlyBy::readOnlyBindMount
                           ? "a read-only bind mount, which needs root)"
                           : "read-only permissions, the immutable attribute, a read-only bind "
                             "mount)");
    }
    name = file->path().string();
  }

  const RunResult run = runCommand(folder.path(), command, answersUpToOk(name, 2) + "y\n");

  EXPECT_EQ(run.out, transcriptUpToOk(name, k5000BytesIn2K) + completionText())
      << (file ? "made unwritable by " + file->how() : std::string(row.name));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(joinFiles(folder.path(), {"fragmen1", "fragmen2", "fragmen3"}), input);
  EXPECT_TRUE(fs::exists(folder / "Recomb.cmd"));
  EXPECT_EQ(readFile(file ? file->path() : folder / "big.bin"), input);
  if (!file) {
    struct stat status {};
    ASSERT_EQ(::stat((folder / "big.bin").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 0u);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    EXPECT_EQ(::stat((folder / "fragmen1").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
  }
}

INSTANTIATE_TEST_SUITE_P(
    , ReadOnlyInput,
    ::testing::Values(ReadOnlyRow{"AnyMeansAtHand", ReadOnlyBy::anyMeansAtHand},
                      ReadOnlyRow{"AnotherUsersFile", ReadOnlyBy::anotherUsersFile},
                      ReadOnlyRow{"ReadOnlyBindMount", ReadOnlyBy::readOnlyBindMount}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NameWithANulCharacter, NamesNoFileEvenWhenThePartBeforeItDoes) {
  ScratchFolder folder;
  const std::string input = patternBytes(3000, 17);
  folder.write("a", input);
  const std::string name("a\0b", 3);

  const RunResult run = runProgram(folder.path(), "y\n" + name + "\n");

  EXPECT_TRUE(run.out.starts_with(disclaimerAndConsent() +
                                  consoleLines({" File name for splitting?",
                                                " File " + name + " does not exist in this folder.",
                                                " File name for splitting?"})))
      << run.out;
  EXPECT_EQ(folder.listing(), "a\n");
  EXPECT_EQ(folder.read("a"), input);
}

}  // namespace

}  // namespace floppysplit
