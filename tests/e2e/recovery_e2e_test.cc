// Recovery files (`--recovery N`): a PAR 2.0 tool, par2cmdline, finds an intact set correct
// and rebuilds up to N fragments deleted or changed from them; the Windows build writes
// the same recovery files as the native build, byte for byte. The other way round, the
// native --join rebuilds fragments from recovery files par2cmdline wrote over exactly the
// fragments, and from its own whose index copy is damaged.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

struct RecoveryCase {
  const char* label;
  int64_t length;
  int64_t kilobytes;  // 1423: the floppy size, which --yes takes
  int32_t fragments;
  int32_t volumes;
  std::vector<std::string> deleted;
  std::vector<std::string> changed;
};

void PrintTo(const RecoveryCase& row, std::ostream* out) { *out << row.label; }

std::vector<std::string> splitCommand(std::vector<std::string> command, const RecoveryCase& row) {
  command.insert(command.end(), {"--yes", "--recovery", std::to_string(row.volumes)});
  if (row.kilobytes != 1423)
    command.insert(command.end(), {"--size", std::to_string(row.kilobytes)});
  command.emplace_back("big.bin");
  return command;
}

std::vector<std::string> joinCommandOf(std::vector<std::string> program) {
  program.emplace_back("--join");
  return program;
}

std::vector<std::string> recoveryFiles(int32_t volumes) {
  std::vector<std::string> names = {"Recomb.par2", "Recomb.index2.par2"};
  for (int32_t exponent = 0; exponent < volumes; ++exponent) {
    names.push_back("Recomb.vol" + std::to_string(exponent) + "+1.par2");
  }
  return names;
}

class Recovery : public testing::TestWithParam<RecoveryCase> {};

TEST_P(Recovery, Par2FindsTheSetCorrectAndRebuildsLostFragments) {
  const RecoveryCase& row = GetParam();
  ScratchFolder folder;
  const std::string input = patternBytes(row.length, 36);
  folder.write("big.bin", input);
  const RunResult run = runCommand(folder.path(), splitCommand(programCommand(), row), "");
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_TRUE(run.out.ends_with(completionText())) << run.out;
  EXPECT_EQ(run.err, "");
  const int64_t slice = row.kilobytes * 1024;
  for (const std::string& name : recoveryFiles(row.volumes)) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(std::filesystem::exists(folder / name));
    if (name.starts_with("Recomb.vol")) {
      EXPECT_EQ(std::filesystem::file_size(folder / name), static_cast<uintmax_t>(68 + slice));
    }
  }
  EXPECT_EQ(folder.read("Recomb.index2.par2"), folder.read("Recomb.par2"));

  if (testingWindowsBuild()) {
    ScratchFolder native;
    native.write("big.bin", input);
    ASSERT_EQ(runCommand(native.path(), splitCommand(nativeProgramCommand(), row), "").exitCode, 0);
    for (const std::string& name : recoveryFiles(row.volumes)) {
      EXPECT_TRUE(native.read(name) == folder.read(name))
          << name << " differs from the native build's";
    }
  }

  if (!std::filesystem::exists("/usr/bin/par2")) {
    GTEST_SKIP() << "par2 (par2cmdline) is not installed: bash scripts/install-deps.sh";
  }
  const RunResult verified = runCommand(folder.path(), {"par2", "verify", "Recomb.par2"}, "");
  EXPECT_EQ(verified.exitCode, 0) << verified.out;
  EXPECT_NE(verified.out.find("All files are correct"), std::string::npos) << verified.out;

  std::vector<std::string> fragments;
  for (int32_t n = 1; n <= row.fragments; ++n) fragments.push_back("fragmen" + std::to_string(n));
  const std::string before = joinFiles(folder.path(), fragments);
  for (const std::string& name : row.deleted) std::filesystem::remove(folder / name);
  for (const std::string& name : row.changed) {
    std::string bytes = folder.read(name);
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x5A);
    folder.write(name, bytes);
  }
  const RunResult repaired = runCommand(folder.path(), {"par2", "repair", "Recomb.par2"}, "");
  EXPECT_EQ(repaired.exitCode, 0) << repaired.out;
  EXPECT_NE(repaired.out.find("Repair complete."), std::string::npos) << repaired.out;
  EXPECT_TRUE(joinFiles(folder.path(), fragments) == before) << "the rebuilt fragments differ";
  EXPECT_TRUE(before == input);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, Recovery,
    testing::Values(
        // 10 MB at the floppy size: six full fragments and a shorter final one.
        RecoveryCase{"FloppySizeTwoLost", 10000000, 1423, 7, 2, {"fragmen2"}, {"fragmen7"}},
        RecoveryCase{"FloppySizeFinalLost", 10000000, 1423, 7, 2, {"fragmen7", "fragmen1"}, {}},
        // 1 KB fragments, the final one 3 bytes.
        RecoveryCase{"SmallFragmentsTwoChanged", 8195, 1, 9, 2, {}, {"fragmen4", "fragmen9"}},
        RecoveryCase{"SmallFragmentsOneVolume", 8195, 1, 9, 1, {"fragmen5"}, {}}),
    [](const testing::TestParamInfo<RecoveryCase>& param) { return param.param.label; });

struct Par2Join {
  const char* label;
  int64_t kilobytes;
  int32_t fragments;
  // par2cmdline's slice size in bytes; 0: the split's own two volumes, Recomb.par2 damaged.
  int64_t par2Slice;
  std::vector<std::string> deleted;
  std::vector<std::string> changed;
  std::vector<std::string> lines;
  int exitCode;
};

void PrintTo(const Par2Join& row, std::ostream* out) { *out << row.label; }

std::vector<std::string> linesOf(const std::string& out) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

class RecoveryJoin : public testing::TestWithParam<Par2Join> {};

TEST_P(RecoveryJoin, JoinRebuildsFromRecoveryFilesThatCoverTheSet) {
  const Par2Join& row = GetParam();
  if (testingWindowsBuild()) {
    GTEST_SKIP() << "the native build's interoperability; the Windows build's rebuild runs in "
                    "the damage table";
  }
  if (!std::filesystem::exists("/usr/bin/par2")) {
    GTEST_SKIP() << "par2 (par2cmdline) is not installed: bash scripts/install-deps.sh";
  }
  ScratchFolder folder;
  const int64_t size = row.kilobytes * 1024;
  const std::string input = patternBytes(row.fragments * size - size / 10, 7);
  folder.write("big.bin", input);
  std::vector<std::string> split = nativeProgramCommand();
  split.insert(split.end(), {"--yes", "--size", std::to_string(row.kilobytes)});
  if (row.par2Slice == 0) split.insert(split.end(), {"--recovery", "2"});
  split.emplace_back("big.bin");
  ASSERT_EQ(runCommand(folder.path(), split, "").exitCode, 0);
  std::filesystem::remove(folder / "big.bin");
  std::vector<std::string> fragments;
  for (int32_t n = 1; n <= row.fragments; ++n) fragments.push_back("fragmen" + std::to_string(n));
  if (row.par2Slice > 0) {
    std::vector<std::string> create = {"par2", "create", "-s" + std::to_string(row.par2Slice),
                                       "-c2", "Recomb.par2"};
    create.insert(create.end(), fragments.begin(), fragments.end());
    const RunResult created = runCommand(folder.path(), create, "");
    ASSERT_EQ(created.exitCode, 0) << created.out << created.err;
  } else {
    std::string index = folder.read("Recomb.par2");
    index[index.size() / 2] = static_cast<char>(index[index.size() / 2] ^ 0x11);
    folder.write("Recomb.par2", index);
  }
  for (const std::string& name : row.deleted) std::filesystem::remove(folder / name);
  for (const std::string& name : row.changed) {
    std::string bytes = folder.read(name);
    bytes[bytes.size() / 3] = static_cast<char>(bytes[bytes.size() / 3] ^ 0x5A);
    folder.write(name, bytes);
  }

  const RunResult joined = runCommand(folder.path(), joinCommandOf(nativeProgramCommand()), "");
  EXPECT_EQ(linesOf(joined.out), row.lines) << joined.err;
  EXPECT_EQ(joined.exitCode, row.exitCode);
  if (row.exitCode == 0) {
    EXPECT_TRUE(folder.read("big.bin") == input) << "the join differs from what was split";
    for (const std::string& name : fragments) {
      EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
      EXPECT_FALSE(std::filesystem::exists(folder / (name + ".damaged"))) << name;
    }
  } else {
    EXPECT_FALSE(std::filesystem::exists(folder / "big.bin"));
  }
  // par2cmdline's files are no files of this program's: they stay.
  if (row.par2Slice > 0) {
    EXPECT_TRUE(std::filesystem::exists(folder / "Recomb.par2"));
  }
}

std::vector<std::string> rebuiltLines(std::vector<std::string> lines,
                                      const std::vector<std::string>& fragments) {
  for (const std::string& name : fragments) {
    lines.push_back(name + " was rebuilt from the recovery files.");
  }
  lines.emplace_back("Recombination succeeded.");
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Sets, RecoveryJoin,
    testing::Values(Par2Join{"OwnIndexCopyDamaged",
                             1423,
                             4,
                             0,
                             {"fragmen2"},
                             {},
                             rebuiltLines({"fragmen2 is missing."}, {"fragmen2"}),
                             0},
                    Par2Join{"Par2FilesAtFloppySize",
                             1423,
                             4,
                             1457152,
                             {"fragmen3"},
                             {"fragmen1"},
                             rebuiltLines({"fragmen3 is missing.", "fragmen1 is damaged."},
                                          {"fragmen1", "fragmen3"}),
                             0},
                    Par2Join{"Par2FilesSmallFragments",
                             1,
                             9,
                             1024,
                             {},
                             {"fragmen4", "fragmen9"},
                             rebuiltLines({"fragmen4 is damaged.", "fragmen9 is damaged."},
                                          {"fragmen4", "fragmen9"}),
                             0},
                    Par2Join{"Par2FilesOfAnotherSliceSize",
                             1,
                             5,
                             512,
                             {"fragmen2"},
                             {},
                             {"fragmen2 is missing.",
                              "The recovery files do not cover this set; they are not used.",
                              "Recombination of files failed."},
                             1}),
    [](const testing::TestParamInfo<Par2Join>& param) { return param.param.label; });

}  // namespace

}  // namespace floppysplit
