// Recovery files (`--recovery N`): a PAR 2.0 tool, par2cmdline, finds an intact set correct
// and rebuilds up to N fragments deleted or changed from them; the Windows build writes
// the same recovery files as the native build, byte for byte.

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

}  // namespace

}  // namespace floppysplit
