// floppysplit --join run natively: sets split under awkward names join back under the
// name's last part, the script of release 1.0.0 is followed too, and what is not a set of
// this program is refused with nothing touched.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

RunResult joinIn(const fs::path& folder) {
  std::vector<std::string> command = nativeProgramCommand();
  command.emplace_back("--join");
  return runCommand(folder, command, "");
}

class NativeJoin : public testing::TestWithParam<const char*> {};

TEST_P(NativeJoin, GivesTheInputBackUnderTheLastPartOfItsName) {
  const std::string typed = GetParam();
  const std::string joined = fs::path(typed).filename().string();
  ScratchFolder folder;
  const std::string bytes = patternBytes(7000, 3);
  if (typed != joined) fs::create_directory(folder / fs::path(typed).parent_path().string());
  folder.write(typed, bytes);
  const RunResult split =
      runCommand(folder.path(), nativeProgramCommand(), "y\n" + typed + "\ny\nn\n1\ny\n");
  ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
  fs::remove(folder / typed);

  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, "Recombination succeeded.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.listing(), typed == joined ? joined + "\n" : joined + "\nsub\n");
  EXPECT_TRUE(folder.read(joined) == bytes) << "the join differs from the input";
}

INSTANTIATE_TEST_SUITE_P(Names, NativeJoin,
                         testing::Values("big.bin", "a & b.bin", "100%.bin", "50%% off!.bin",
                                         "caf\xc3\xa9 (1).bin", "sub/big.bin"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           return "Name" + std::to_string(param.index);
                         });

// A set of release 1.0.0, whose script checks only that the fragments are there and the
// join's length.
const std::string kOldScript =
    "@echo off\r\nif not exist fragmen1 goto nocopy\r\nif not exist fragmen2 goto nocopy\r\n"
    "copy /b fragmen1+fragmen2 /v zzztempb\r\nif errorlevel 1 goto nocopy\r\n"
    "for %%F in (zzztempb) do if not \"%%~zF\"==\"5\" goto nocopy\r\n"
    "if not exist old.bin goto do_ren\r\necho old.bin already exists.\r\n"
    "echo Recombined file is zzztempb\r\ngoto ok\r\n:do_ren\r\nrename zzztempb old.bin\r\n"
    "if errorlevel 1 goto nocopy\r\ndel zzztempa\r\nif exist old.bin goto ok\r\n"
    "echo old.bin not created.\r\ngoto end\r\n:nocopy\r\necho Recombination of files failed.\r\n"
    "goto end\r\n:ok\r\nEcho Recombination succeeded.\r\ndel fragmen1\r\ndel fragmen2\r\n"
    "del recomb.cmd\r\n:end\r\n\r\n";

struct Refusal {
  const char* name;
  // Changes the folder that holds the old set.
  void (*prepare)(const ScratchFolder& folder);
  std::string err;
  int exitCode;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class NativeJoinRefuses : public testing::TestWithParam<Refusal> {};

TEST(NativeJoinOldForm, FollowsTheScriptOfTheFirstRelease) {
  ScratchFolder folder;
  folder.write("Recomb.cmd", kOldScript);
  folder.write("fragmen1", "abc");
  folder.write("fragmen2", "de");
  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, "Recombination succeeded.\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.listing(), "old.bin\n");
  EXPECT_EQ(folder.read("old.bin"), "abcde");
}

TEST_P(NativeJoinRefuses, AndTouchesNothing) {
  const Refusal& refusal = GetParam();
  ScratchFolder folder;
  folder.write("Recomb.cmd", kOldScript);
  folder.write("fragmen1", "abc");
  folder.write("fragmen2", "de");
  refusal.prepare(folder);
  const std::string before = folder.listing();
  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, refusal.err);
  EXPECT_EQ(run.exitCode, refusal.exitCode);
  EXPECT_EQ(folder.listing(), before);
  EXPECT_EQ(folder.read("fragmen1"), "abc");
}

const std::string kNotOurs =
    "floppysplit: Recomb.cmd is not a recombination script of this program\n";

INSTANTIATE_TEST_SUITE_P(
    Sets, NativeJoinRefuses,
    testing::Values(
        Refusal{"NoScript", [](const ScratchFolder& f) { fs::remove(f / "Recomb.cmd"); },
                "floppysplit: no Recomb.cmd in this folder\n", 2},
        Refusal{"ScriptOfAnotherKind",
                [](const ScratchFolder& f) { f.write("Recomb.cmd", "@echo off\r\ndel *.*\r\n"); },
                kNotOurs, 2},
        Refusal{"FragmentOutsideTheFolder",
                [](const ScratchFolder& f) {
                  std::string script = kOldScript;
                  for (size_t at; (at = script.find("fragmen2")) != std::string::npos;) {
                    script.replace(at, 8, "../frag2");
                  }
                  f.write("Recomb.cmd", script);
                },
                kNotOurs, 2},
        Refusal{"TemporaryIsALink",
                [](const ScratchFolder& f) {
                  f.write("target", "kept");
                  fs::create_symlink("target", f / "zzztempb");
                },
                "floppysplit: zzztempb is not a regular file; nothing was joined\n", 1},
        Refusal{"TemporaryIsAFolder",
                [](const ScratchFolder& f) {
                  fs::create_directory(f / "zzztempa");
                  f.write("zzztempa/inside", "kept");
                },
                "floppysplit: zzztempa is not a regular file; nothing was joined\n", 1}),
    [](const testing::TestParamInfo<Refusal>& param) { return param.param.name; });

}  // namespace

}  // namespace floppysplit
