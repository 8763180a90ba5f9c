// One set, three joiners: wine's cmd running Recomb.cmd, the native program's --join and
// the Windows build's --join, each on its own copy of a set the native program split. For
// every kind of damage they must print the same lines and leave the same files.
//
// These tests need FLOPPYSPLIT_COMMAND to name the Windows build under wine (see
// scripts/test-windows.sh); without it they are skipped, and say so.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"
#include "support/windows_build_test.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

struct SetDamage {
  const char* name;
  // The typed name, which may hold a folder, and the fragments of 1 KB it gives.
  const char* typed;
  int fragments;
  // What happens to the set before it is joined.
  void (*damage)(const ScratchFolder& set);
  std::vector<std::string> lines;
};

void PrintTo(const SetDamage& damage, std::ostream* out) { *out << damage.name; }

void resize(const ScratchFolder& set, const char* fragment, int64_t change) {
  const auto length = static_cast<int64_t>(fs::file_size(set / fragment));
  fs::resize_file(set / fragment, static_cast<uintmax_t>(length + change));
}

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Files filesIn(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    files[name] = entry.is_regular_file() ? readAll(entry.path()) : "(folder)";
  }
  return files;
}

std::vector<std::string> linesOf(std::string out) {
  std::erase(out, '\r');
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

class Joiners : public WindowsBuildTest, public testing::WithParamInterface<SetDamage> {
 protected:
  // The folder that stands for %SystemRoot%: its certutil prints the SHA-256 of what the
  // fragments join to as they are now, as Windows' own does; wine's prints nothing.
  ScratchFolder systemRoot_;
};

TEST_P(Joiners, PrintTheSameLinesAndLeaveTheSameFiles) {
  const SetDamage& damage = GetParam();
  const std::string typed = damage.typed;
  const std::string bytes =
      patternBytes(damage.fragments == 1 ? 1024 : damage.fragments * 1024 - 100,
                   static_cast<uint32_t>(damage.fragments));
  ScratchFolder input;
  fs::create_directories((input / typed).parent_path());
  input.write(typed, bytes);
  const RunResult split =
      runCommand(input.path(), nativeProgramCommand(), "y\n" + typed + "\ny\nn\n1\ny\n");
  ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
  std::vector<std::string> fragments;
  for (const auto& [name, content] : filesIn(input.path())) {
    if (name.starts_with("fragme")) fragments.push_back(name);
    if (name.starts_with("fragme") || name == "Recomb.cmd") folder_.write(name, content);
  }
  damage.damage(folder_);
  fs::create_directory(systemRoot_ / "System32");
  systemRoot_.write("System32/certutil.cmd",
                    consoleLines({"@echo off", "echo SHA256 hash of zzztempb:",
                                  "echo " + sha256sumOf(folder_.path(), fragments),
                                  "echo CertUtil: -hashfile command completed successfully."}));
  std::string systemRoot = "Z:" + systemRoot_.path().string();
  std::replace(systemRoot.begin(), systemRoot.end(), '/', '\\');

  std::vector<std::string> nativeJoin = nativeProgramCommand();
  nativeJoin.emplace_back("--join");
  std::vector<std::string> windowsJoin = programCommand();
  windowsJoin.emplace_back("--join");
  const std::vector<std::pair<const char*, std::vector<std::string>>> joiners = {
      {"cmd", commandProcessorCommand("set SystemRoot=" + systemRoot + "&& Recomb.cmd")},
      {"native --join", nativeJoin},
      {"Windows --join", windowsJoin},
  };
  std::vector<Files> after;
  for (const auto& [joiner, command] : joiners) {
    ScratchFolder copy;
    for (const auto& [name, content] : filesIn(folder_.path())) copy.write(name, content);
    const RunResult run = runCommand(copy.path(), command, "");
    EXPECT_EQ(linesOf(run.out), damage.lines) << joiner << ": " << run.err;
    after.push_back(filesIn(copy.path()));
    if (damage.lines.back() == "Recombination succeeded." && damage.lines.size() == 1) {
      const std::string joined = fs::path(typed).filename().string();
      EXPECT_EQ(after.back().count(joined), 1u) << joiner;
      EXPECT_TRUE(after.back()[joined] == bytes) << joiner << ": the join differs from the input";
    }
  }
  for (size_t i = 1; i < after.size(); ++i) {
    EXPECT_TRUE(after[i] == after[0]) << joiners[i].first << " leaves other files than cmd";
  }
}

const std::vector<std::string> kSucceeded = {"Recombination succeeded."};
void intact(const ScratchFolder& /*set*/) {}

INSTANTIATE_TEST_SUITE_P(
    Damage, Joiners,
    testing::Values(
        SetDamage{"OneFragment", "data.bin", 1, intact, kSucceeded},
        SetDamage{"ThreeFragments", "data.bin", 3, intact, kSucceeded},
        SetDamage{"FiveFragments", "data.bin", 5, intact, kSucceeded},
        SetDamage{"ThirteenFragments", "in/data.bin", 13, intact, kSucceeded},
        SetDamage{"Missing",
                  "data.bin",
                  5,
                  [](const ScratchFolder& set) { fs::remove(set / "fragmen3"); },
                  {"fragmen3 is missing.", "Recombination of files failed."}},
        SetDamage{"OneByteShort",
                  "data.bin",
                  5,
                  [](const ScratchFolder& set) { resize(set, "fragmen2", -1); },
                  {"fragmen2 has the wrong length.", "Recombination of files failed."}},
        SetDamage{"OneByteLong",
                  "data.bin",
                  5,
                  [](const ScratchFolder& set) { resize(set, "fragmen5", 1); },
                  {"fragmen5 has the wrong length.", "Recombination of files failed."}},
        SetDamage{"Emptied",
                  "data.bin",
                  5,
                  [](const ScratchFolder& set) { fs::resize_file(set / "fragmen4", 0); },
                  {"fragmen4 has the wrong length.", "Recombination of files failed."}},
        SetDamage{
            "OneByteChanged",
            "data.bin",
            13,
            [](const ScratchFolder& set) {
              std::string fragment = set.read("fragme07");
              fragment[500] = static_cast<char>(fragment[500] ^ 0x20);
              set.write("fragme07", fragment);
            },
            {"The recombined file does not match the original.", "Recombination of files failed."}},
        SetDamage{"NameAlreadyThere",
                  "data.bin",
                  13,
                  [](const ScratchFolder& set) { set.write("data.bin", "another file"); },
                  {"data.bin already exists.", "Recombined file is zzztempb",
                   "Recombination succeeded."}},
        SetDamage{"LastPartIsAFragmentsName",
                  "in/fragmen2",
                  3,
                  intact,
                  {"fragmen2 already exists.", "Recombined file is zzztempb",
                   "Recombination succeeded."}}),
    [](const testing::TestParamInfo<SetDamage>& param) { return param.param.name; });

}  // namespace

}  // namespace floppysplit
