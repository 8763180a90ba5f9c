// "Completed successfully" means the fragments are on the medium, holding the bytes
// written: media that lose or change what they were given must be named, on real loop
// disks where the fault is the medium's, and through a test build whose medium gives back
// other bytes. A run that finds a fault keeps every fragment and writes no Recomb.cmd.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/mounted_disk.h"
#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

constexpr TypedSplit k6000000BytesIn1000K{.length = 6000000,
                                          .kilobytes = 1000,
                                          .lengthInKilobytes = "5859.4",
                                          .floppies = 5,
                                          .fragments = 6};
constexpr TypedSplit k5000BytesIn2K{
    .length = 5000, .kilobytes = 2, .lengthInKilobytes = "4.9", .floppies = 1, .fragments = 3};
// Two floppies' worth and a tail of 85,696 bytes.
constexpr TypedSplit k3000000BytesIn1423K{.length = 3000000,
                                          .kilobytes = 1423,
                                          .lengthInKilobytes = "2929.7",
                                          .floppies = 3,
                                          .fragments = 3};

// Two floppies' worth and a final fragment of 1,385,696 bytes.
constexpr TypedSplit k4300000BytesIn1423K{.length = 4300000,
                                          .kilobytes = 1423,
                                          .lengthInKilobytes = "4199.2",
                                          .floppies = 3,
                                          .fragments = 3};

// Seven fragments of 20,000K, no final fragment: the hand-over of the last one brings the
// set past 128 MiB, where the file system is flushed while the run goes on.
constexpr TypedSplit k143360000BytesIn20000K{.length = 143360000,
                                             .kilobytes = 20000,
                                             .lengthInKilobytes = "140000.0",
                                             .floppies = 99,
                                             .fragments = 7};

const std::vector<std::string> kSixFragments = {"fragmen1", "fragmen2", "fragmen3",
                                                "fragmen4", "fragmen5", "fragmen6"};

TEST(Medium, StickThatHoldsLessThanItClaimsNamesAFragmentThatDidNotReachIt) {
  // The stick claims more than it holds: the fragments fit into the system's cache, and
  // writing them out fails part-way, after every write has returned. Full fragments are
  // named without blanks, the final one with them, as when a write to them fails.
  struct Case {
    const char* what;
    TypedSplit split;
    int64_t claimsBytes;
    int64_t holdsBytes;
    // The system's codes the failure may have: on a larger set, whose file system's own
    // writes fail too, EIO may come first.
    std::vector<int> errors;
    // The fragments that may be the first to fail.
    std::vector<std::string> failing;
  };
  const Case cases[] = {
      {"holding 4 MiB, any of six fragments",
       k6000000BytesIn1000K,
       int64_t{32} << 20,
       int64_t{4} << 20,
       {ENOSPC},
       {"fragmen1", "fragmen2", "fragmen3", "fragmen4", "fragmen5", "fragmen6  "}},
      // Its file system and the two full floppies' worth take 3.1 MiB: only the final
      // fragment, half of it, does not reach the medium.
      {"holding 3.75 MiB, only the final floppy-size fragment",
       k4300000BytesIn1423K,
       int64_t{32} << 20,
       int64_t{3840} << 10,
       {ENOSPC},
       {"fragmen3  "}},
      // The file system is flushed while the set is still written, and that flush meets
      // the failure first.
      {"holding 64 MiB, a set flushed while it is written",
       k143360000BytesIn20000K,
       int64_t{256} << 20,
       int64_t{64} << 20,
       {ENOSPC, EIO},
       {"fragmen3", "fragmen4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder home;
    MountedDisk stick(home / "stick", DiskKind::ext4, c.claimsBytes, c.holdsBytes);
    MOUNT_OR_SKIP(stick);
    const std::string input = patternBytes(c.split.length, 21);
    home.write("big.bin", input);
    const std::string name = (home / "big.bin").string();

    const RunResult run = runProgram(stick.path(), answersUpToOk(name, c.split.kilobytes) + "y\n");

    const std::string dialogue = transcriptUpToOk(name, c.split);
    ASSERT_TRUE(run.out.starts_with(dialogue)) << run.out;
    std::set<std::string> failureLines;
    for (const std::string& shown : c.failing) {
      for (const int error : c.errors) {
        failureLines.insert(
            consoleLines({" ###Error  " + std::to_string(error) + "  writing " + shown}));
      }
    }
    EXPECT_TRUE(failureLines.contains(run.out.substr(dialogue.size()))) << run.out;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(fs::exists(stick.path() / "Recomb.cmd"));
    EXPECT_EQ(home.read("big.bin"), input);
  }
}

// The set in `folder` is, byte for byte, the one a split of `input` into pieces of
// `kilobytes` writes in the input's own folder.
void expectTheSetOfASplitInItsFolder(const fs::path& folder, const std::string& input,
                                     int64_t kilobytes, std::vector<std::string> written) {
  ScratchFolder reference;
  reference.write("big.bin", input);
  ASSERT_EQ(runProgram(reference.path(), answersUpToOk("big.bin", kilobytes) + "y\n").exitCode, 0);
  written.emplace_back("Recomb.cmd");
  for (const std::string& file : written) {
    EXPECT_TRUE(joinFiles(folder, {file}) == joinFiles(reference.path(), {file})) << file;
  }
}

// On ext4 the fragments are read back from the medium, and they and Recomb.cmd must be on
// it when the program ends, as a stick pulled out then holds them; tmpfs keeps its files
// in memory, where they are read back from. FAT and exFAT, as sticks come, have neither
// hard links nor a rename that refuses a taken name, and FAT through FUSE refuses to set a
// file's length to the one it has or to extend it.
TEST(Medium, HealthyMediaHoldTheFragmentsAndTheirHash) {
  struct Case {
    const char* what;
    DiskKind kind;
    int64_t bytes;
    const TypedSplit& split;
    // Splits a second time, over the first split's files, and finds the joined name taken.
    bool again = false;
    // Runs in the folder that holds the disk and writes onto it with --into.
    bool into = false;
  };
  const Case cases[] = {
      {"ext4", DiskKind::ext4, int64_t{32} << 20, k6000000BytesIn1000K},
      {"tmpfs", DiskKind::tmpfs, int64_t{32} << 20, k6000000BytesIn1000K},
      {"FAT", DiskKind::fat, int64_t{64} << 20, k3000000BytesIn1423K},
      {"exFAT", DiskKind::exfat, int64_t{32} << 20, k3000000BytesIn1423K},
      {"FAT, split again, the joined name taken", DiskKind::fat, int64_t{64} << 20,
       k3000000BytesIn1423K, true},
      {"ext4 from the folder beside it, --into", DiskKind::ext4, int64_t{32} << 20,
       k3000000BytesIn1423K, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder home;
    MountedDisk disk(home / "disk", c.kind, c.bytes);
    MOUNT_OR_SKIP(disk);
    const std::string input = patternBytes(c.split.length, 22);
    home.write("big.bin", input);
    const std::string name = c.into ? "big.bin" : (home / "big.bin").string();
    const std::vector<std::string> fragments(kSixFragments.begin(),
                                             kSixFragments.begin() + c.split.fragments);
    std::vector<std::string> command = programCommand();
    if (c.into) command.insert(command.end(), {"--into", "disk"});
    const std::string homeBefore = home.listing();

    const int64_t readBefore = disk.bytesReadFromMedium();
    for (int run = c.again ? 2 : 1; run > 0; --run) {
      const RunResult split = runCommand(c.into ? home.path() : disk.path(), command,
                                         answersUpToOk(name, c.split.kilobytes) + "y\n");
      EXPECT_EQ(split.out, transcriptUpToOk(name, c.split) + completionText());
      EXPECT_EQ(split.err, "");
      EXPECT_EQ(split.exitCode, 0);
    }
    // The check read every fragment from the medium itself, not from the system's cache.
    if (c.kind == DiskKind::ext4) {
      EXPECT_GE(disk.bytesReadFromMedium() - readBefore, c.split.length);
      ASSERT_TRUE(disk.pullOutAndPlugIn()) << disk.refusal();
    }
    const std::string script = joinFiles(disk.path(), {"Recomb.cmd"});
    EXPECT_EQ(fragmentsDeletedByScript(script), fragments);
    // Compared as a whole: a difference of megabytes is no message to read.
    EXPECT_TRUE(joinFiles(disk.path(), fragments) == input) << "the fragments";
    if (c.into) {
      // Nothing beside the disk changed.
      EXPECT_EQ(home.listing(), homeBefore);
      expectTheSetOfASplitInItsFolder(disk.path(), input, c.split.kilobytes, fragments);
    }
    EXPECT_EQ(scriptSha256(script), sha256sumOf(home.path(), {"big.bin"}));

    // The program's own join, read back from the same medium, deletes the set. A file of the
    // joined name keeps its bytes, and the join its temporary's name.
    const std::string other = patternBytes(1000, 24);
    if (c.again) home.write("disk/big.bin", other);
    std::vector<std::string> joinCommand = nativeProgramCommand();
    joinCommand.emplace_back("--join");
    const RunResult join = runCommand(disk.path(), joinCommand, "");
    EXPECT_EQ(join.out, std::string(c.again ? "big.bin already exists.\n"
                                              "Recombined file is zzztempb\n"
                                            : "") +
                            "Recombination succeeded.\n")
        << join.err;
    EXPECT_EQ(join.exitCode, 0);
    EXPECT_TRUE(joinFiles(disk.path(), {c.again ? "zzztempb" : "big.bin"}) == input) << "the join";
    if (c.again) {
      EXPECT_TRUE(joinFiles(disk.path(), {"big.bin"}) == other) << "the file in the join's way";
    }
    for (const std::string& file : fragments) EXPECT_FALSE(fs::exists(disk.path() / file));
    EXPECT_FALSE(fs::exists(disk.path() / "Recomb.cmd"));
  }
}

TEST(Medium, OneThatGivesBackOtherBytesIsNamedAndTheFragmentsAreKept) {
  struct Case {
    const char* lie;  // FLOPPYSPLIT_LYING_MEDIUM
    std::string line;
    int exitCode;
    const TypedSplit& split = k5000BytesIn2K;
  };
  const Case cases[] = {
      {"fragmen2", " ###Error reading back fragmen2: not the bytes written", 1},
      // A medium that wrapped round: the last fragment went over the first.
      {"fragmen1=fragmen3", " ###Error reading back fragmen1: not the bytes written", 1},
      {"fragmen3=lost", " ###Error  " + std::to_string(ENOENT) + "  reading back fragmen3", 1},
      // Of two fragments at fault the lowest is named, though the shorter one is read first.
      {"fragmen3,fragmen2", " ###Error reading back fragmen2: not the bytes written", 1,
       k3000000BytesIn1423K},
      // And though the higher one's fault is found first: the medium answers for fragmen2 late.
      {"fragmen3=lost,fragmen2/late", " ###Error reading back fragmen2: not the bytes written", 1},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lie);
    ScratchFolder folder;
    const std::string input = patternBytes(c.split.length, 23);
    folder.write("big.bin", input);

    const RunResult run =
        runProgramWith(folder.path(), answersUpToOk("big.bin", c.split.kilobytes) + "y\n",
                       {.command = {FLOPPYSPLIT_LYING_MEDIUM_BINARY},
                        .environment = {{"FLOPPYSPLIT_LYING_MEDIUM", c.lie}},
                        .fileSizeLimit = {}});

    const bool lies = !c.line.empty();
    EXPECT_EQ(run.out, transcriptUpToOk("big.bin", c.split) +
                           (lies ? consoleLines({c.line}) : completionText()));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(folder.listing(), lies ? "big.bin\nfragmen1\nfragmen2\nfragmen3\n"
                                     : "Recomb.cmd\nbig.bin\nfragmen1\nfragmen2\nfragmen3\n");
    EXPECT_EQ(joinFiles(folder.path(), {"fragmen1", "fragmen2", "fragmen3"}), input);
    if (lies) continue;

    // The join is read back from the medium too: a changed byte fails it, keeping every
    // fragment and removing the join.
    const RunResult join =
        runProgramWith(folder.path(), "",
                       {.command = {FLOPPYSPLIT_LYING_MEDIUM_BINARY, "--join"},
                        .environment = {{"FLOPPYSPLIT_LYING_MEDIUM", "zzztempb"}},
                        .fileSizeLimit = {}});
    EXPECT_EQ(join.out,
              "The recombined file does not match the original.\nRecombination of files failed.\n");
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_EQ(folder.listing(), "Recomb.cmd\nbig.bin\nfragmen1\nfragmen2\nfragmen3\n");
  }
}

// Every file in `folder` with its bytes and its time of last change.
std::map<std::string, std::pair<std::string, fs::file_time_type>> filesAndTimes(
    const fs::path& folder) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    files[name] = {joinFiles(folder, {name}), entry.last_write_time()};
  }
  return files;
}

// A set on a read-only medium (a CD, a write-protected floppy) is checked and joined from the
// folder beside it: the join comes into the current folder, and the set stays as it was,
// names, bytes and times. A fragment the recovery file rebuilds is a temporary there, gone
// after the join. The lock and the temporaries are never sought on the medium.
TEST(Medium, ReadOnlySetJoinsIntoTheCurrentFolderAndStaysAsItWas) {
  const std::string joined = "Recombination succeeded.\nThe fragments and Recomb.cmd are kept.\n";
  struct Case {
    const char* what;
    // A loop-mounted ext4 image made read-only; else a read-only bind mount of a folder.
    bool image;
    // fragmen2 changed before the medium is made read-only; with it a recovery file.
    bool damaged;
    std::string checked;
    std::string out;
  };
  const Case cases[] = {
      {"bind mount", false, false, "The set is intact.\n", joined},
      {"ext4 image", true, false, "The set is intact.\n", joined},
      {"bind mount, a changed byte", false, true,
       "fragmen2 is damaged.\nThe set is damaged; the recovery files can rebuild it: run "
       "floppysplit --join.\n",
       "fragmen2 is damaged.\nfragmen2 was rebuilt from the recovery files.\n" + joined},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder home;
    std::optional<MountedDisk> disk;
    if (c.image) {
      disk.emplace(home / "disk", DiskKind::ext4, int64_t{32} << 20);
      MOUNT_OR_SKIP(*disk);
    }
    fs::create_directories(home / "disk");
    const std::string input = patternBytes(k3000000BytesIn1423K.length, 25);
    home.write("big.bin", input);
    std::vector<std::string> split = nativeProgramCommand();
    split.insert(split.end(), {"--yes", "--into", "disk", "--recovery", "1", "big.bin"});
    ASSERT_EQ(runCommand(home.path(), split, "").exitCode, 0);
    std::string changed = home.read("disk/fragmen2");
    changed[1000000] ^= 0x20;
    if (c.damaged) home.write("disk/fragmen2", changed);
    std::optional<MountedDisk> view;
    if (c.image) {
      ASSERT_TRUE(disk->makeReadOnly()) << disk->refusal();
    } else {
      view.emplace(home / "ro", home / "disk");
      MOUNT_OR_SKIP(*view);
    }
    const fs::path medium = c.image ? disk->path() : view->path();
    const auto before = filesAndTimes(medium);
    fs::create_directory(home / "out");
    const std::string dir = fs::relative(medium, home / "out").string();

    for (const bool check : {true, false}) {
      std::vector<std::string> command = nativeProgramCommand();
      command.insert(command.end(), {check ? "--check" : "--join", dir});
      SCOPED_TRACE(command[command.size() - 2]);
      const RunResult run = runCommand(home / "out", command, "");
      EXPECT_EQ(run.out, check ? c.checked : c.out);
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(run.exitCode, check && c.damaged ? 1 : 0);
      EXPECT_TRUE(filesAndTimes(medium) == before) << "the set on the medium changed";
    }
    EXPECT_EQ(home.listing("out"), "big.bin\n");
    EXPECT_TRUE(home.read("out/big.bin") == input) << "the join differs from the input";
  }
}

}  // namespace

}  // namespace floppysplit
