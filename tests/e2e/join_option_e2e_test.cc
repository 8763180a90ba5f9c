// floppysplit --join run natively: sets split under awkward names join back under the
// name's last part, the scripts of earlier forms are followed too, an interrupted join
// removes what it made, and what is not a set of this program is refused with nothing
// touched.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <random>
#include <thread>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/older_scripts.h"
#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

RunResult joinIn(const fs::path& folder, const char* option = "--join") {
  std::vector<std::string> command = nativeProgramCommand();
  command.emplace_back(option);
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

// The name the join gets for a typed name: its last part after any folder or drive, without
// quotes and with colons made underscores; where that is empty, the whole name so, with
// folder separators made underscores too; where even that is empty, "_".
std::string plainJoinName(const std::string& typed) {
  auto mend = [](std::string name, const std::string& underscored) {
    std::erase(name, '"');
    for (char& c : name) {
      if (underscored.find(c) != std::string::npos) c = '_';
    }
    return name;
  };
  std::string last = typed;
  if (last.size() >= 2 && last[1] == ':' &&
      std::isalpha(static_cast<unsigned char>(last[0])) != 0) {
    last.erase(0, 2);
  }
  last = last.substr(last.find_last_of("/\\") + 1);
  std::string name = mend(last, ":");
  if (name.empty()) name = mend(typed, "/\\:");
  return name.empty() ? "_" : name;
}

// Whatever name the split takes, its own --join joins the set under that name's plain form.
TEST(NativeJoinNames, AnyNameTheSplitTakesJoinsUnderItsPlainForm) {
  const std::vector<std::string> pieces = {"a", "b", "Z", "7", ".",  "\"",       ":",           "%",
                                           "!", "^", "&", " ", "\\", "\xc3\xa9", "\xe8\xb3\x87"};
  std::mt19937 random(2026);
  const std::string input = patternBytes(2100, 5);
  int joins = 0;
  for (int round = 0; round < 300; ++round) {
    std::string typed;
    const int length = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i) typed += pieces[random() % pieces.size()];
    if (random() % 4 == 0) typed += '\\';
    // Blanks at either end are not part of a typed name; "." and ".." are folders.
    // A plain form of "." or ".." names a folder, which the join leaves under its temporary.
    if (typed.front() == ' ' || typed.back() == ' ' || typed == "." || typed == ".." ||
        plainJoinName(typed).find_first_not_of('.') == std::string::npos) {
      continue;
    }
    const bool inFolder = random() % 3 == 0;
    if (inFolder) typed.insert(0, "in/");
    SCOPED_TRACE(typed);
    ScratchFolder folder;
    if (inFolder) fs::create_directory(folder / "in");
    folder.write(typed, input);
    std::vector<std::string> split = nativeProgramCommand();
    split.push_back(typed);
    const RunResult made = runCommand(folder.path(), split, "y\ny\nn\n1\ny\n");
    ASSERT_EQ(made.exitCode, 0) << made.out << made.err;
    fs::remove(folder / typed);

    const RunResult run = joinIn(folder.path());
    const std::string joined = plainJoinName(typed);
    EXPECT_EQ(run.out, "Recombination succeeded.\n") << run.err;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(folder.listing(), inFolder ? std::min(joined, std::string("in")) + "\n" +
                                               std::max(joined, std::string("in")) + "\n"
                                         : joined + "\n");
    EXPECT_TRUE(folder.read(joined) == input) << "the join differs from the input";
    ++joins;
  }
  EXPECT_GT(joins, 200);
}

// The fragments of 1 KB of `input`, written into `folder`.
void writeFragments(const ScratchFolder& folder, const std::string& input) {
  for (size_t i = 0; i * 1024 < input.size(); ++i) {
    folder.write("fragmen" + std::to_string(i + 1), input.substr(i * 1024, 1024));
  }
}

// Ctrl+C, or a closed terminal, while the join is being written: the temporary goes, the
// set stays, and the exit status says the join was interrupted.
TEST(NativeJoinInterrupted, RemovesItsTemporaryAndKeepsTheSet) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    ScratchFolder folder;
    const std::string input = patternBytes(int64_t{160} << 20, 7);
    folder.write("big.bin", input);
    const RunResult split =
        runCommand(folder.path(), nativeProgramCommand(), "y\nbig.bin\ny\ny\ny\n");
    ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
    fs::remove(folder / "big.bin");
    const std::string before = folder.listing();

    std::vector<std::string> command = nativeProgramCommand();
    command.emplace_back("--join");
    ProgramSession join(folder.path(),
                        {.command = command, .environment = {}, .fileSizeLimit = {}});
    for (int wait = 0; wait < 10000 && !fs::exists(folder / "zzztempa"); ++wait) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    join.signal(signal);
    const RunResult run = join.finish();
    if (run.exitCode == 0) GTEST_SKIP() << "the join ended before the signal reached it";
    EXPECT_EQ(run.exitCode, 130) << run.out << run.err;
    EXPECT_EQ(folder.listing(), before);
  }
}

// Interrupted before it has a temporary, here while it tells that a fragment is missing (its
// output full), the join ends with the same status and has touched nothing.
TEST(NativeJoinInterrupted, BeforeItsTemporaryExistsEndsAsInterruptedToo) {
  ScratchFolder folder;
  folder.write("Recomb.cmd", kJoinLengthOnlyScript);
  writeFragments(folder, olderScriptInput(2500));
  fs::remove(folder / "fragmen2");
  const std::string before = folder.listing();
  std::vector<std::string> command = nativeProgramCommand();
  command.emplace_back("--join");
  ProgramSession join(folder.path(), {.command = command, .environment = {}, .fileSizeLimit = {}},
                      OutputAtStart::full);
  ASSERT_TRUE(join.waitUntilHandling(SIGHUP, std::chrono::seconds(10)))
      << "the join never watches for SIGHUP";
  join.signal(SIGHUP);
  const RunResult run = join.finish();
  EXPECT_EQ(run.exitCode, 130) << run.err;
  // The line under way may still get out as the output is read; the next one may not.
  EXPECT_EQ(run.out.find("failed"), std::string::npos) << "the join went on after SIGHUP";
  EXPECT_EQ(folder.listing(), before);
}

// The recovery files the script names go with the set after a checked join, the one the
// user already removed too; where the join fails, they stay with the set.
TEST(NativeJoinRecoveryFiles, GoWithTheSetAfterACheckedJoinOnly) {
  const struct {
    const char* change;
    const char* out;
    int exitCode;
  } cases[] = {{"", "Recombination succeeded.\n", 0},
               {"Recomb.vol1+1.par2", "Recombination succeeded.\n", 0},
               {"zzztempa",
                "zzztempa already exists: move or rename it first.\n"
                "Recombination of files failed.\n",
                1}};
  for (const auto& row : cases) {
    SCOPED_TRACE(row.change);
    ScratchFolder folder;
    const std::string input = patternBytes(3000000, 5);
    folder.write("big.bin", input);
    std::vector<std::string> split = nativeProgramCommand();
    split.insert(split.end(), {"--yes", "--recovery", "2", "big.bin"});
    ASSERT_EQ(runCommand(folder.path(), split, "").exitCode, 0);
    fs::remove(folder / "big.bin");
    const std::string change = row.change;
    if (change == "zzztempa") folder.write(change, "somebody's file");
    if (change.starts_with("Recomb.")) fs::remove(folder / change);
    const std::string before = folder.listing();

    const RunResult run = joinIn(folder.path());
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, row.exitCode);
    if (row.exitCode != 0) {
      EXPECT_EQ(folder.listing(), before);
      continue;
    }
    EXPECT_EQ(folder.listing(), "big.bin\n");
    EXPECT_TRUE(folder.read("big.bin") == input) << "the join differs from the input";
  }
}

struct OlderSet {
  const char* name;
  std::string_view script;
  int64_t length;
  std::string out;
  // The folder afterwards, with the join under `joined`.
  std::string listing;
  const char* joined;
};

void PrintTo(const OlderSet& set, std::ostream* out) { *out << set.name; }

// A script whose CR LF line ends a transfer tool turned into LF.
const std::string kGuardedScriptInLfLines = [] {
  std::string script(kGuardedScript);
  std::erase(script, '\r');
  return script;
}();

class NativeJoinOlderForm : public testing::TestWithParam<OlderSet> {};

// Sets split by earlier forms of the program join as the newest script would join them; the
// first release's script holds no SHA-256, so its set is kept.
TEST_P(NativeJoinOlderForm, JoinsAsTheNewestScriptWould) {
  const OlderSet& set = GetParam();
  ScratchFolder folder;
  folder.write("Recomb.cmd", set.script);
  const std::string input = olderScriptInput(set.length);
  writeFragments(folder, input);
  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, set.out);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.listing(), set.listing);
  EXPECT_TRUE(folder.read(set.joined) == input) << "the join differs from the input";
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, NativeJoinOlderForm,
    testing::Values(
        OlderSet{"FirstRelease", kJoinLengthOnlyScript, 2500,
                 "Recombination succeeded.\n"
                 "The recombined file could not be checked: the script holds no SHA-256.\n"
                 "The fragments and Recomb.cmd are kept.\n",
                 "Recomb.cmd\nfragmen1\nfragmen2\nfragmen3\nold.bin\n", "old.bin"},
        OlderSet{"NamedWithFolder", kNamedWithFolderScript, 5000, "Recombination succeeded.\n",
                 "big.bin\n", "big.bin"},
        OlderSet{"NamedByLastPart", kNamedByLastPartScript, 5000, "Recombination succeeded.\n",
                 "zzztempa\n", "zzztempa"},
        OlderSet{"Guarded", kGuardedScript, 3000, "Recombination succeeded.\n", "kept.bin\n",
                 "kept.bin"},
        OlderSet{"GuardedInLfLines", kGuardedScriptInLfLines, 3000, "Recombination succeeded.\n",
                 "kept.bin\n", "kept.bin"}),
    [](const testing::TestParamInfo<OlderSet>& param) { return param.param.name; });

// A set that travelled through a system that shows names in capitals is found by them
// where the file system tells letter case apart; a name with two such spellings is neither.
TEST(NativeJoinTravelledSet, IsFoundByNamesInAnotherCase) {
  ScratchFolder folder;
  const std::string input = patternBytes(3000000, 4);
  folder.write("big.bin", input);
  const RunResult split =
      runCommand(folder.path(), nativeProgramCommand(), "y\nbig.bin\ny\ny\ny\n");
  ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
  fs::remove(folder / "big.bin");
  for (const char* name : {"Recomb.cmd", "fragmen1", "fragmen2", "fragmen3"}) {
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    fs::rename(folder / name, folder / upper);
  }
  fs::copy_file(folder / "FRAGMEN2", folder / "Fragmen2");
  const RunResult twice = joinIn(folder.path(), "--check");
  EXPECT_EQ(twice.out, "fragmen2 is missing.\nThe set is damaged.\n");
  EXPECT_EQ(twice.exitCode, 1);

  fs::remove(folder / "Fragmen2");
  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, "Recombination succeeded.\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.listing(), "big.bin\n");
  EXPECT_TRUE(folder.read("big.bin") == input) << "the join differs from the input";
}

// The first release's script checks the join's length alone: a fragment one byte short
// makes a join of another length, which fails with the set as it was.
TEST(NativeJoinOlderFormDamaged, AJoinOfAnotherLengthFailsAndKeepsTheSet) {
  ScratchFolder folder;
  folder.write("Recomb.cmd", kJoinLengthOnlyScript);
  const std::string input = olderScriptInput(2500);
  writeFragments(folder, input.substr(0, 2499));
  const RunResult run = joinIn(folder.path());
  EXPECT_EQ(run.out, "Recombination of files failed.\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder.listing(), "Recomb.cmd\nfragmen1\nfragmen2\nfragmen3\n");
}

struct OlderCheck {
  const char* name;
  std::string_view script;
  int64_t length;
  // Changes the set's fragments.
  void (*damage)(const ScratchFolder& folder);
  std::string out;
  int exitCode;
};

void PrintTo(const OlderCheck& check, std::ostream* out) { *out << check.name; }

class NativeCheckOlderForm : public testing::TestWithParam<OlderCheck> {};

// A script that holds no fragment's own SHA-256 proves the set by the SHA-256 of them all,
// and the first release's by nothing but their lengths; the set is left as it was.
TEST_P(NativeCheckOlderForm, SaysWhatTheScriptCanProve) {
  const OlderCheck& check = GetParam();
  ScratchFolder folder;
  folder.write("Recomb.cmd", check.script);
  writeFragments(folder, olderScriptInput(check.length));
  check.damage(folder);
  const std::string before = folder.listing();
  const std::string second = fs::exists(folder / "fragmen2") ? folder.read("fragmen2") : "";
  const RunResult run = joinIn(folder.path(), "--check");
  EXPECT_EQ(run.out, check.out);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, check.exitCode);
  EXPECT_EQ(folder.listing(), before);
  if (!second.empty()) {
    EXPECT_EQ(folder.read("fragmen2"), second);
  }
}

void flipSecond(const ScratchFolder& folder) {
  std::string bytes = folder.read("fragmen2");
  bytes[100] ^= 1;
  folder.write("fragmen2", bytes);
}

const char* const kDamaged = "The set is damaged.\n";
const char* const kCannotSay = "The set is damaged; the script cannot say which fragment.\n";

INSTANTIATE_TEST_SUITE_P(
    Scripts, NativeCheckOlderForm,
    testing::Values(
        OlderCheck{"GuardedIntact", kGuardedScript, 3000, [](const ScratchFolder&) {},
                   "The set is intact.\n", 0},
        OlderCheck{"GuardedChanged", kGuardedScript, 3000, flipSecond, kCannotSay, 1},
        OlderCheck{"GuardedShortAndMissing", kGuardedScript, 3000,
                   [](const ScratchFolder& f) {
                     f.write("fragmen1", "short");
                     fs::remove(f / "fragmen3");
                   },
                   std::string("fragmen1 has the wrong length.\nfragmen3 is missing.\n") + kDamaged,
                   1},
        OlderCheck{"NamedWithFolderChanged", kNamedWithFolderScript, 5000, flipSecond, kCannotSay,
                   1},
        OlderCheck{"FirstReleaseIntact", kJoinLengthOnlyScript, 2500, [](const ScratchFolder&) {},
                   "The set has every fragment at its length; the script holds no SHA-256 to "
                   "check its bytes.\n",
                   0},
        OlderCheck{"FirstReleaseChanged", kJoinLengthOnlyScript, 2500, flipSecond,
                   "The set has every fragment at its length; the script holds no SHA-256 to "
                   "check its bytes.\n",
                   0},
        OlderCheck{"FirstReleaseShort", kJoinLengthOnlyScript, 2500,
                   [](const ScratchFolder& f) { f.write("fragmen3", "short"); }, kCannotSay, 1},
        OlderCheck{"FirstReleaseMissing", kJoinLengthOnlyScript, 2500,
                   [](const ScratchFolder& f) { fs::remove(f / "fragmen2"); },
                   std::string("fragmen2 is missing.\n") + kDamaged, 1}),
    [](const testing::TestParamInfo<OlderCheck>& param) { return param.param.name; });

struct Refusal {
  const char* name;
  // Changes the folder that holds the old set.
  void (*prepare)(const ScratchFolder& folder);
  std::string err;
  int exitCode;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class NativeJoinRefuses : public testing::TestWithParam<Refusal> {};

// --check refuses the same folders.
TEST_P(NativeJoinRefuses, AndTouchesNothing) {
  const Refusal& refusal = GetParam();
  for (const char* option : {"--join", "--check"}) {
    SCOPED_TRACE(option);
    ScratchFolder folder;
    folder.write("Recomb.cmd", kJoinLengthOnlyScript);
    writeFragments(folder, olderScriptInput(2500));
    refusal.prepare(folder);
    const std::string before = folder.listing();
    const RunResult run = joinIn(folder.path(), option);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, refusal.err);
    EXPECT_EQ(run.exitCode, refusal.exitCode);
    EXPECT_EQ(folder.listing(), before);
    EXPECT_EQ(folder.read("fragmen1"), olderScriptInput(1024));
  }
}

// The refusal of a script that is not this program's, at line `line` for `why`.
std::string notOurs(int line, const std::string& why = "is not one it writes") {
  return "floppysplit: Recomb.cmd is not a recombination script of this program (line " +
         std::to_string(line) + " " + why + ").\n";
}

INSTANTIATE_TEST_SUITE_P(
    Sets, NativeJoinRefuses,
    testing::Values(
        Refusal{"NoScript", [](const ScratchFolder& f) { fs::remove(f / "Recomb.cmd"); },
                "floppysplit: no Recomb.cmd in this folder\n", 2},
        Refusal{"ScriptOfAnotherKind",
                [](const ScratchFolder& f) { f.write("Recomb.cmd", "@echo off\r\ndel *.*\r\n"); },
                notOurs(2), 2},
        Refusal{"ScriptWithALineTooLong",
                [](const ScratchFolder& f) {
                  f.write("Recomb.cmd", "@echo off\n" + std::string(4097, ' ') + "\r\n");
                },
                notOurs(2, "is longer than 4096 bytes"), 2},
        Refusal{"FragmentOutsideTheFolder",
                [](const ScratchFolder& f) {
                  std::string script(kJoinLengthOnlyScript);
                  for (size_t at; (at = script.find("fragmen2")) != std::string::npos;) {
                    script.replace(at, 8, "../frag2");
                  }
                  f.write("Recomb.cmd", script);
                },
                notOurs(3), 2}),
    [](const testing::TestParamInfo<Refusal>& param) { return param.param.name; });

}  // namespace

}  // namespace floppysplit
