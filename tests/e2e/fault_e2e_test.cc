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
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/immutable_file.h"
#include "support/mounted_disk.h"
#include "support/older_scripts.h"
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
  // A script cut short would join nothing: it is gone, the fragments stay.
  EXPECT_FALSE(fs::exists(disk.path() / "Recomb.cmd"));
  EXPECT_EQ(home.read("big.bin"), input);
}

TEST(WriteFailure, FileSizeLimitWhileWritingTheScriptLeavesNoPartOfIt) {
  SKIP_UNLESS_POSIX_BUILD();
  // 300 fragments of 1 KB fit the limit; their script's first 8 KiB do not.
  ScratchFolder folder;
  const std::string input = patternBytes(int64_t{300} << 10, 19);
  folder.write("big.bin", input);
  constexpr TypedSplit k300KIn1K{.length = 307200,
                                 .kilobytes = 1,
                                 .lengthInKilobytes = "300.0",
                                 .floppies = 1,
                                 .fragments = 300};

  const RunResult run = runProgramWith(folder.path(), answersUpToOk("big.bin", 1) + "y\n",
                                       {.command = {}, .environment = {}, .fileSizeLimit = 4096});

  EXPECT_EQ(run.out, transcriptUpToOk("big.bin", k300KIn1K));
  EXPECT_EQ(run.err,
            "? System Error:\n? " + std::string(std::strerror(EFBIG)) + "\n? WRITE(UNIT=12,...\n");
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_FALSE(fs::exists(folder / "Recomb.cmd"));
  EXPECT_EQ(folder.read("fragm300"), input.substr(299 << 10));
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

constexpr TypedSplit k3000000BytesInFloppies{.length = 3000000,
                                             .kilobytes = 1423,
                                             .lengthInKilobytes = "2929.7",
                                             .floppies = 3,
                                             .fragments = 3};

// What a link planted at an output name points to, outside the folder.
enum class LinkTo { file, nothing, folder };

struct OutputLinkRow {
  const char* name;
  const char* at;
  LinkTo to;
  const TypedSplit* split;
  // The line that ends the run, before the system's code, and that code on each system.
  const char* line;
  int posixCode;
  int windowsCode;
};

void PrintTo(const OutputLinkRow& row, std::ostream* out) { *out << row.name; }

class OutputLink : public testing::TestWithParam<OutputLinkRow> {};

// A link at a fragment's or the script's name is never followed: the open fails with the
// system's code, and nothing outside the folder is created or changed. Windows refuses a
// link itself (ERROR_STOPPED_ON_SYMLINK); wine shows a host's link as what it points to and
// gives that thing's code, but the program still refuses to write through it.
TEST_P(OutputLink, FailsTheOpenAndLeavesWhatItPointsTo) {
  const OutputLinkRow& row = GetParam();
  ScratchFolder home;
  ScratchFolder folder;
  const std::string input = patternBytes(row.split->length, 18);
  folder.write("big.bin", input);
  const fs::path target = home / "precious";
  if (row.to == LinkTo::file) home.write("precious", "precious");
  if (row.to == LinkTo::folder) fs::create_directory(target);
  // The failure line names the final fragment with its blanks.
  const std::string linkName = std::string(row.at).substr(0, std::string(row.at).find(' '));
  fs::create_symlink(target, folder / linkName);

  const RunResult run =
      runProgram(folder.path(), answersUpToOk("big.bin", row.split->kilobytes) + "y\n");

  const int code = testingWindowsBuild() ? row.windowsCode : row.posixCode;
  EXPECT_EQ(run.out, transcriptUpToOk("big.bin", *row.split) +
                         consoleLines({std::string(row.line) + std::to_string(code) +
                                       (std::string_view(row.line).starts_with(" #")
                                            ? "  writing " + std::string(row.at)
                                            : "")}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(home.listing(), row.to == LinkTo::nothing ? "" : "precious\n");
  if (row.to == LinkTo::file) {
    EXPECT_EQ(home.read("precious"), "precious");
  }
  if (row.to == LinkTo::folder) {
    EXPECT_TRUE(fs::is_empty(target));
  }
  EXPECT_TRUE(fs::is_symlink(folder / linkName));
  EXPECT_EQ(folder.read("big.bin"), input);
}

// clang-format off
const OutputLinkRow kOutputLinks[] = {
    {"FileAtTheFirstFragment", "fragmen1", LinkTo::file, &k5000BytesIn2K,
     " ###Error  ", ELOOP, 681},
    {"NothingAtALaterFragment", "fragmen2", LinkTo::nothing, &k5000BytesIn2K,
     " ###Error  ", ELOOP, 2},
    {"FolderAtTheFinalFloppy", "fragmen3  ", LinkTo::folder, &k3000000BytesInFloppies,
     " ###Error  ", ELOOP, 5},
    {"FileAtTheScript", "Recomb.cmd", LinkTo::file, &k5000BytesIn2K,
     " Error opening Recomb.cmd:  ", ELOOP, 681},
    {"NothingAtTheScript", "Recomb.cmd", LinkTo::nothing, &k5000BytesIn2K,
     " Error opening Recomb.cmd:  ", ELOOP, 2},
    {"FolderAtTheScript", "Recomb.cmd", LinkTo::folder, &k5000BytesIn2K,
     " Error opening Recomb.cmd:  ", ELOOP, 5},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(, OutputLink, testing::ValuesIn(kOutputLinks),
                         [](const auto& row) { return std::string(row.param.name); });

using Files = std::map<std::string, std::string>;

Files filesIn(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = readFile(entry.path());
  }
  return files;
}

// Splits `length` bytes (seed `seed`) typed as `typed` into `kilobytes` pieces in `folder`,
// with the native program; the input stays.
// `command` with `recovery` volumes of recovery files asked for, where that is more than 0.
std::vector<std::string> withRecovery(std::vector<std::string> command, int32_t recovery) {
  if (recovery > 0) command.insert(command.end(), {"--recovery", std::to_string(recovery)});
  return command;
}

void splitBeforehand(const ScratchFolder& folder, const std::string& typed, int64_t length,
                     int64_t kilobytes, uint32_t seed, int32_t recovery = 0) {
  folder.write(typed, patternBytes(length, seed));
  const RunResult made = runCommand(folder.path(), withRecovery(nativeProgramCommand(), recovery),
                                    answersUpToOk(typed, kilobytes) + "y\n");
  ASSERT_EQ(made.exitCode, 0) << made.out << made.err;
}

struct AnotherSetRow {
  const char* name;
  // The set already in the folder: `earlierTyped` split into `earlierKilobytes` pieces...
  const char* earlierTyped;
  int64_t earlierLength;
  int64_t earlierKilobytes;
  // ...and its script renamed to `scriptName`; or, with no earlier split, `scriptBytes`
  // written under that name.
  const char* scriptName;
  std::string_view scriptBytes;
  // The split that follows.
  const char* typed;
  const TypedSplit* split;
  bool refused;
  // The folder the split writes into (--into), made beforehand; none for its own.
  const char* into = nullptr;
  // Volumes of recovery files both splits write.
  int32_t recovery = 0;
  // The line a refused split stops with.
  const char* refusal = " Recomb.cmd of another set is in this folder: move it first.";
};

void PrintTo(const AnotherSetRow& row, std::ostream* out) { *out << row.name; }

class AnotherSet : public testing::TestWithParam<AnotherSetRow> {};

// A folder that holds another set's script, or any other file of that name, is refused
// before anything is written: the set it describes stays whole. A script of this program
// for the same name and length, of any form, is the file's own earlier set and is replaced.
TEST_P(AnotherSet, IsNeverWrittenOver) {
  const AnotherSetRow& row = GetParam();
  ScratchFolder folder;
  if (row.into != nullptr) fs::create_directory(folder / row.into);
  if (row.earlierTyped != nullptr) {
    splitBeforehand(folder, row.earlierTyped, row.earlierLength, row.earlierKilobytes, 20,
                    row.recovery);
    if (HasFatalFailure()) return;
    fs::rename(folder / "Recomb.cmd", folder / row.scriptName);
  } else {
    folder.write(row.scriptName, row.scriptBytes);
  }
  const std::string input = patternBytes(row.split->length, 21);
  folder.write(row.typed, input);
  const fs::path setFolder = row.into != nullptr ? folder / row.into : folder.path();
  const Files before = filesIn(folder.path());
  const Files setBefore = filesIn(setFolder);
  std::vector<std::string> command = programCommand();
  if (row.into != nullptr) command.insert(command.end(), {"--into", row.into});

  const RunResult run = runCommand(folder.path(), withRecovery(command, row.recovery),
                                   answersUpToOk(row.typed, row.split->kilobytes) + "y\n");

  EXPECT_EQ(run.err, "");
  folder.waitForUnlock();
  if (row.into != nullptr) folder.waitForUnlock(row.into);
  if (row.refused) {
    EXPECT_EQ(run.out, transcriptUpToOk(row.typed, *row.split) + consoleLines({row.refusal}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(filesIn(folder.path()) == before) << folder.listing();
    EXPECT_TRUE(filesIn(setFolder) == setBefore) << folder.listing(row.into);
    return;
  }
  EXPECT_EQ(run.out, transcriptUpToOk(row.typed, *row.split) + completionText());
  EXPECT_EQ(run.exitCode, 0);
  const std::string script = folder.read("Recomb.cmd");
  EXPECT_EQ(scriptSha256(script), sha256sumOf(folder.path(), {row.typed}));
  EXPECT_EQ(joinFiles(folder.path(), fragmentsDeletedByScript(script)), input);
  // The earlier run's recovery files are this run's now.
  if (row.recovery > 0) {
    EXPECT_FALSE(folder.read("Recomb.par2") == before.at("Recomb.par2"));
  }
}

constexpr TypedSplit k2500BytesIn1K{
    .length = 2500, .kilobytes = 1, .lengthInKilobytes = "2.4", .floppies = 1, .fragments = 3};

// clang-format off
const AnotherSetRow kAnotherSets[] = {
    {"AnotherFilesSet", "other.bin", 5000, 2, "Recomb.cmd", {}, "big.bin", &k5000BytesIn2K, true},
    {"TheSameNameOfAnotherLength", "big.bin", 6000, 2, "Recomb.cmd", {}, "big.bin",
     &k5000BytesIn2K, true},
    {"AnotherSetsScriptInCapitals", "other.bin", 5000, 2, "RECOMB.CMD", {}, "big.bin",
     &k5000BytesIn2K, true},
    {"AnotherSetsScriptInTheFolderItWritesInto", "other.bin", 5000, 2, "out/Recomb.cmd", {},
     "big.bin", &k5000BytesIn2K, true, "out"},
    {"AFileOfTheUsers", nullptr, 0, 0, "Recomb.cmd", "@echo off\r\necho mine\r\n", "big.bin",
     &k5000BytesIn2K, true},
    {"TheSameFilesSetAtTheFloppySize", "big.bin", 3000000, 1423, "Recomb.cmd", {}, "big.bin",
     &k3000000BytesInFloppies, false},
    {"TheSameFilesSetOfTheFirstRelease", nullptr, 0, 0, "Recomb.cmd", kJoinLengthOnlyScript,
     "old.bin", &k2500BytesIn1K, false},
    // Recovery files: another set's index, its script moved away, and this file's own.
    {"AnotherSetsRecoveryIndex", "other.bin", 5000, 2, "Other.cmd", {}, "big.bin",
     &k5000BytesIn2K, true, nullptr, 1,
     " Recomb.par2 of another set is in this folder: move it first."},
    {"TheSameFilesSetWithRecoveryFilesAtTheFloppySize", "big.bin", 3000000, 1423, "Recomb.cmd",
     {}, "big.bin", &k3000000BytesInFloppies, false, nullptr, 2},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(, AnotherSet, testing::ValuesIn(kAnotherSets),
                         [](const auto& row) { return std::string(row.param.name); });

// Waits until one of `files` appears, as a sign that the program has reached a point of its
// run.
bool waitForOneOf(std::initializer_list<fs::path> files) {
  for (int wait = 0; wait < 30000; ++wait) {
    for (const fs::path& file : files) {
      if (fs::exists(file)) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

// A split and a join never work in one folder at once: each holds the folder from its first
// check on, and the run that comes second says so and changes nothing. The first is held
// still (SIGSTOP) while the second runs, then finishes as if alone.
TEST(OneRunPerFolder, TheSecondRunStopsAndChangesNothing) {
  for (const bool joinFirst : {true, false}) {
    SCOPED_TRACE(joinFirst ? "a split while a join runs" : "a join while a split runs");
    ScratchFolder home;
    ScratchFolder folder;
    constexpr int64_t kLength = int64_t{20} << 20;
    std::vector<std::string> first = programCommand();
    if (joinFirst) {
      splitBeforehand(folder, "big.bin", kLength, 1423, 22);
      ASSERT_FALSE(HasFatalFailure());
      fs::remove(folder / "big.bin");
      first.emplace_back("--join");
    } else {
      folder.write("big.bin", patternBytes(kLength, 22));
      first.insert(first.end(), {"--yes", "big.bin"});
    }
    ProgramSession running(folder.path(),
                           {.command = first, .environment = {}, .fileSizeLimit = {}});
    // The join's temporary, or the split's first fragment: the folder is held by then.
    ASSERT_TRUE(joinFirst ? waitForOneOf({folder / "zzztempa", folder / "zzztempb"})
                          : waitForOneOf({folder / "fragme01"}));
    ASSERT_TRUE(running.holdStill());
    const Files before = filesIn(folder.path());

    home.write("new.bin", patternBytes(5000, 23));
    const std::string newName = (home / "new.bin").string();
    std::vector<std::string> second = programCommand();
    if (!joinFirst) second.emplace_back("--join");
    const RunResult run =
        runCommand(folder.path(), second, joinFirst ? answersUpToOk(newName, 2) + "y\n" : "");

    const Files after = filesIn(folder.path());
    running.signal(SIGCONT);
    if (joinFirst) {
      EXPECT_EQ(run.out, transcriptUpToOk(newName, k5000BytesIn2K) +
                             consoleLines({" Another floppysplit run is using this folder."}));
    } else {
      // The join's lines end as the system ends lines.
      std::string out = run.out;
      std::erase(out, '\r');
      EXPECT_EQ(out,
                "Another floppysplit run is using this folder.\nRecombination of files failed.\n");
    }
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(after == before) << "the second run changed the folder";
    const RunResult finished = running.finish();
    EXPECT_EQ(finished.exitCode, 0) << finished.out << finished.err;
  }
}

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
