// Recomb.cmd run by a real command processor: the Windows build splits a file under wine,
// then wine's cmd runs the script it wrote, in the same folder.
//
// These tests need FLOPPYSPLIT_COMMAND to name the Windows build under wine (see
// scripts/test-windows.sh); without it they are skipped, and say so.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "script/fragment_name.h"
#include "script/recombination_script.h"
#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"
#include "support/windows_build_test.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

const std::string kCompletion =
    "File split and recombination script completed successfully.\r\nNormal exit.\r\n";
const std::string kRecoveryFilesArePresent =
    "Recovery files are present: rebuild the set with floppysplit --join or a PAR2 program.";

class RecombScript : public WindowsBuildTest {
 protected:
  // Writes `bytes` as `name` and splits it into pieces of `kilobytes` with the Windows
  // build, or with the native one, with `recovery` volumes of recovery files; the run must
  // end normally.
  void split(std::string_view name, const std::string& bytes, int kilobytes,
             bool nativeBuild = false, int recovery = 0) {
    folder_.write(name, bytes);
    const std::string answers =
        "y\n" + std::string(name) + "\ny\nn\n" + std::to_string(kilobytes) + "\ny\n";
    std::vector<std::string> command = nativeBuild ? nativeProgramCommand() : programCommand();
    if (recovery > 0) command.insert(command.end(), {"--recovery", std::to_string(recovery)});
    const RunResult run = runCommand(folder_.path(), command, answers);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    ASSERT_EQ(run.err, "");
    ASSERT_TRUE(run.out.ends_with(kCompletion)) << run.out;
    ASSERT_TRUE(fs::exists(folder_ / "Recomb.cmd"));
    // The tests list the folder's files; the lock is not one of the set's.
    folder_.waitForUnlock();
  }

  // Runs a script as a user would, in the folder, through the command processor.
  RunResult runScript(std::string_view script) {
    return runCommand(folder_.path(), commandProcessorCommand(script), "");
  }

  // Runs Recomb.cmd where certutil gives the SHA-256 of the fragments in the folder now.
  RunResult recombine() { return recombineIn(folder_.path()); }
  RunResult recombineIn(const fs::path& folder) {
    std::vector<std::string> fragments;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with("fragme")) fragments.push_back(name);
    }
    std::sort(fragments.begin(), fragments.end());
    return runCommand(folder,
                      commandProcessorWithCertutil(systemRoot_.path(),
                                                   sha256sumOf(folder, fragments), "Recomb.cmd"),
                      "");
  }

  // The folder that stands for %SystemRoot%, outside the folder whose files are checked.
  ScratchFolder systemRoot_;
};

// An input of n * 1024 - 100 bytes in pieces of 1 KB gives n fragments, the last one
// partial; exactly 1024 bytes gives one. So for pieces of `kilobytes`.
std::string inputFor(int fragments, int kilobytes = 1) {
  const int64_t piece = int64_t{kilobytes} * 1024;
  return patternBytes(fragments == 1 ? piece : fragments * piece - 100,
                      static_cast<uint32_t>(fragments));
}

class RecombScriptJoins : public RecombScript, public testing::WithParamInterface<int> {};

TEST_P(RecombScriptJoins, GivesTheInputBackAndCleansUp) {
  const int count = GetParam();
  const std::string bytes = inputFor(count);
  split("data.bin", bytes, 1);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / "data.bin");
  const std::string name = count < 10 ? "fragmen1" : "fragme01";
  ASSERT_TRUE(fs::exists(folder_ / name)) << folder_.listing();

  const RunResult run = recombine();
  EXPECT_TRUE(contains(run.out, "Recombination succeeded.\r\n")) << run.out << run.err;
  EXPECT_FALSE(contains(run.out, "failed")) << run.out;
  EXPECT_EQ(run.exitCode, 0);
  // Fragments, temporaries and the script are all gone.
  EXPECT_EQ(folder_.listing(), "data.bin\n");
  EXPECT_TRUE(folder_.read("data.bin") == bytes) << "the joined file differs from the input";
}

INSTANTIATE_TEST_SUITE_P(FragmentCounts, RecombScriptJoins, testing::Values(1, 2, 3, 4, 5, 8, 13),
                         [](const testing::TestParamInfo<int>& param) {
                           return std::to_string(param.param) + "Fragments";
                         });

// Where certutil gives no SHA-256 (wine's own, Windows 2000 and XP), the join is made and
// the set kept beside it, with the status of a success.
TEST_F(RecombScript, WithoutAHashTheJoinIsMadeAndTheSetKept) {
  const std::string bytes = inputFor(5);
  split("data.bin", bytes, 1);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / "data.bin");

  const RunResult run = runScript("Recomb.cmd");
  EXPECT_EQ(run.out,
            "Recombination succeeded.\r\n"
            "The recombined file could not be checked: certutil gave no SHA-256.\r\n"
            "The fragments and Recomb.cmd are kept.\r\n")
      << run.err;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.listing(),
            "Recomb.cmd\ndata.bin\nfragmen1\nfragmen2\nfragmen3\nfragmen4\nfragmen5\n");
  EXPECT_TRUE(folder_.read("data.bin") == bytes) << "the joined file differs from the input";
}

TEST_F(RecombScript, ExistingFileOfTheInputsNameIsKeptAndTheJoinStaysUnderItsTemporary) {
  const std::string bytes = inputFor(5);
  split("data.bin", bytes, 1);
  if (HasFatalFailure()) return;
  folder_.write("data.bin", "someone else's file");

  const RunResult run = recombine();
  EXPECT_TRUE(contains(run.out,
                       "data.bin already exists.\r\nRecombined file is zzztempb\r\n"
                       "Recombination succeeded.\r\n"))
      << run.out << run.err;
  EXPECT_EQ(folder_.read("data.bin"), "someone else's file");
  EXPECT_TRUE(folder_.read("zzztempb") == bytes) << "zzztempb differs from the input";
  // Success deletes the fragments and the script; the other temporary went before.
  EXPECT_EQ(folder_.listing(), "data.bin\nzzztempb\n");
}

TEST_F(RecombScript, FailingCopyReportsFailureAndKeepsFragmentsAndScript) {
  split("data.bin", inputFor(6), 1);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / "data.bin");
  // The first source of the first copy.
  fs::remove(folder_ / "fragmen1");

  const RunResult run = recombine();
  EXPECT_TRUE(contains(run.out, "Recombination of files failed.\r\n")) << run.out << run.err;
  EXPECT_FALSE(contains(run.out, "succeeded")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  for (const char* kept :
       {"Recomb.cmd", "fragmen2", "fragmen3", "fragmen4", "fragmen5", "fragmen6"}) {
    EXPECT_TRUE(fs::exists(folder_ / kept)) << kept << " is gone; left: " << folder_.listing();
  }
  EXPECT_FALSE(fs::exists(folder_ / "data.bin"));
}

// A fragment lost or damaged on the way to the other machine: the script must fail before
// it deletes anything, whichever build wrote it, and name the fragment. "copy /b" alone
// passes over a missing source after the first and copies a short one as it is, without an
// error level.
struct Damage {
  const char* name;
  int fragments;
  const char* fragment;
  // Bytes to add to the fragment's length, or kRemove.
  int64_t change;
  // The lines that name what is wrong.
  const char* says;
  int kilobytes = 1;
  // Volumes of recovery files beside the set.
  int recovery = 0;
};
constexpr int64_t kRemove = INT64_MIN;

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class RecombScriptRefuses : public RecombScript,
                            public testing::WithParamInterface<std::tuple<Damage, bool>> {};

TEST_P(RecombScriptRefuses, DamagedFragmentsAndDeletesNothing) {
  const auto& [damage, nativeBuild] = GetParam();
  split("data.bin", inputFor(damage.fragments, damage.kilobytes), damage.kilobytes, nativeBuild,
        damage.recovery);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / "data.bin");
  const fs::path fragment = folder_ / damage.fragment;
  if (damage.change == kRemove) {
    fs::remove(fragment);
  } else {
    fs::resize_file(fragment, static_cast<uintmax_t>(static_cast<int64_t>(fs::file_size(fragment)) +
                                                     damage.change));
  }
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    left.push_back(entry.path().filename().string());
  }

  const RunResult run = recombine();
  EXPECT_TRUE(
      contains(run.out, std::string(damage.says) + "\r\nRecombination of files failed.\r\n"))
      << run.out << run.err;
  EXPECT_FALSE(contains(run.out, "succeeded")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  std::sort(left.begin(), left.end());
  std::string listing;
  for (const std::string& kept : left) listing += kept + "\n";
  EXPECT_EQ(folder_.listing(), listing);
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, RecombScriptRefuses,
    testing::Combine(
        testing::Values(Damage{"MiddleMissing", 5, "fragmen2", kRemove, "fragmen2 is missing."},
                        Damage{"LastMissing", 5, "fragmen5", kRemove, "fragmen5 is missing."},
                        Damage{"CutShort", 5, "fragmen2", -100, "fragmen2 has the wrong length."},
                        Damage{"OneByteShort", 5, "fragmen2", -1, "fragmen2 has the wrong length."},
                        Damage{"Grown", 5, "fragmen4", 10, "fragmen4 has the wrong length."},
                        Damage{"Emptied", 5, "fragmen3", -1024, "fragmen3 has the wrong length."},
                        Damage{"OnlyOneCutShort", 1, "fragmen1", -100,
                               "fragmen1 has the wrong length."},
                        // Beside recovery files, which the script cannot use itself.
                        Damage{"MissingBesideRecoveryFilesAtTheFloppySize", 3, "fragmen2", kRemove,
                               "fragmen2 is missing.\r\nRecovery files are present: rebuild the "
                               "set with floppysplit --join or a PAR2 program.",
                               1423, 2}),
        testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<Damage, bool>>& param) {
      return std::string(std::get<0>(param.param).name) +
             (std::get<1>(param.param) ? "NativeBuild" : "WindowsBuild");
    });

// The hash check, with stand-ins for the system's certutil: the script calls the one in
// %SystemRoot%\System32, and wine's own prints nothing for -hashfile. Each stand-in prints
// the true hash of what is joined, in the form of one Windows version, or an error text.
enum class Certutil { windows10, windows7, errorText, none };

struct HashCheck {
  const char* name;
  Certutil standIn;
  // Whether a certutil.cmd that prints a wrong hash lies beside the fragments.
  bool planted;
  // Whether one byte inside fragmen2 is changed, keeping its length.
  bool byteChanged;
  int kilobytes = 1;
  // Volumes of recovery files beside the set.
  int recovery = 0;
};

void PrintTo(const HashCheck& check, std::ostream* out) { *out << check.name; }

// A SHA-256 as `form` prints it.
std::string inForm(Certutil form, const std::string& sha256) {
  if (form != Certutil::windows7) return sha256;
  // Upper case, a blank between bytes.
  std::string hash;
  for (size_t i = 0; i < sha256.size(); i += 2) {
    if (i > 0) hash += ' ';
    for (const char c : sha256.substr(i, 2)) hash += static_cast<char>(std::toupper(c));
  }
  return hash;
}

// What `form` prints, as a batch file, for each file of `fileSha256` (by name, ignoring
// case) and for any other file, whose SHA-256 it takes to be `sha256`.
std::string certutilScript(
    Certutil form, const std::string& sha256,
    const std::vector<std::pair<std::string, std::string>>& fileSha256 = {}) {
  if (form == Certutil::errorText) {
    return consoleLines({"@echo off", "echo CertUtil: -hashfile command FAILED: 0x80070002",
                         "echo CertUtil: The system cannot find the file specified."});
  }
  // Called as "certutil -hashfile FILE SHA256": the file is its second argument.
  std::string script = consoleLines({"@echo off", "echo SHA256 hash of %2:"});
  for (const auto& [file, hash] : fileSha256) {
    const std::string test = R"(if /i "%2"==")" + file + "\" ";
    script += consoleLines({test + "echo " + inForm(form, hash), test + "goto done"});
  }
  return script + consoleLines({"echo " + inForm(form, sha256), ":done",
                                "echo CertUtil: -hashfile command completed successfully."});
}

class RecombScriptHashes : public RecombScript, public testing::WithParamInterface<HashCheck> {};

TEST_P(RecombScriptHashes, AreComparedWithTheSystemsCertutilOnly) {
  const HashCheck check = GetParam();
  const std::string bytes = inputFor(5, check.kilobytes);
  split("data.bin", bytes, check.kilobytes, false, check.recovery);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / "data.bin");
  if (check.byteChanged) {
    std::string fragment = folder_.read("fragmen2");
    fragment[500] = static_cast<char>(fragment[500] ^ 0x20);
    folder_.write("fragmen2", fragment);
  }
  const std::vector<std::string> fragments = {"fragmen1", "fragmen2", "fragmen3", "fragmen4",
                                              "fragmen5"};
  const std::string joinedSha256 = sha256sumOf(folder_.path(), fragments);
  if (check.planted) {
    folder_.write("certutil.cmd", certutilScript(Certutil::windows10, std::string(64, '0')));
  }
  std::string script = "Recomb.cmd";
  if (check.standIn != Certutil::none) {
    fs::create_directory(systemRoot_ / "System32");
    std::vector<std::pair<std::string, std::string>> fragmentSha256;
    fragmentSha256.reserve(fragments.size());
    for (const std::string& fragment : fragments) {
      fragmentSha256.emplace_back(fragment, sha256sumOf(folder_.path(), {fragment}));
    }
    systemRoot_.write("System32/certutil.cmd",
                      certutilScript(check.standIn, joinedSha256, fragmentSha256));
    std::string windowsPath = "Z:" + systemRoot_.path().string();
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    script = "set SystemRoot=" + windowsPath + "&& Recomb.cmd";
  }
  std::vector<std::string> before;
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    before.push_back(entry.path().filename().string());
  }

  const RunResult run = runScript(script);
  // What the folder holds when the set is kept, without and with the join.
  std::string kept;
  std::string keptWithJoin;
  before.emplace_back("data.bin");
  std::sort(before.begin(), before.end());
  for (const std::string& name : before) {
    if (name != "data.bin") kept += name + "\n";
    keptWithJoin += name + "\n";
  }
  const bool hashed = check.standIn == Certutil::windows10 || check.standIn == Certutil::windows7;
  if (check.byteChanged) {
    // Each fragment hashed in the version's form, and the one changed named.
    // Where recovery files are there, the line about them right after.
    EXPECT_EQ(run.out, "fragmen2 is damaged.\r\n" +
                           (check.recovery > 0 ? kRecoveryFilesArePresent + "\r\n" : "") +
                           "The recombined file does not match the original.\r\n"
                           "Recombination of files failed.\r\n")
        << run.err;
    EXPECT_EQ(run.exitCode, 1);
    // Every file kept, the temporaries gone.
    EXPECT_EQ(folder_.listing(), kept);
  } else if (hashed) {
    EXPECT_EQ(run.out, "Recombination succeeded.\r\n") << run.err;
    // The recovery files go with the set.
    EXPECT_EQ(folder_.listing(), "data.bin\n");
    EXPECT_TRUE(folder_.read("data.bin") == bytes) << "the joined file differs from the input";
  } else {
    // No hash from the system's certutil: the set, with its recovery files, stays beside
    // the join.
    EXPECT_TRUE(contains(run.out, "The fragments and Recomb.cmd are kept.\r\n")) << run.out;
    EXPECT_EQ(folder_.listing(), keptWithJoin);
  }
}

INSTANTIATE_TEST_SUITE_P(
    StandIns, RecombScriptHashes,
    testing::Values(HashCheck{"Windows10Joins", Certutil::windows10, false, false},
                    HashCheck{"Windows7Joins", Certutil::windows7, false, false},
                    HashCheck{"ErrorTextKeepsTheSet", Certutil::errorText, false, false},
                    HashCheck{"PlantedBesideTheFragmentsIsNeverRun", Certutil::none, true, false},
                    HashCheck{"Windows10FindsAChangedByte", Certutil::windows10, false, true},
                    HashCheck{"Windows7FindsAChangedByte", Certutil::windows7, false, true},
                    // Floppy-sized sets with recovery files.
                    HashCheck{"Windows10JoinsAndDeletesTheRecoveryFiles", Certutil::windows10,
                              false, false, 1423, 2},
                    HashCheck{"ErrorTextKeepsTheRecoveryFiles", Certutil::errorText, false, false,
                              1423, 2},
                    HashCheck{"Windows10FindsAChangedByteBesideRecoveryFiles", Certutil::windows10,
                              false, true, 1423, 2}),
    [](const testing::TestParamInfo<HashCheck>& param) { return param.param.name; });

// The length check of a join of 4 GiB or more, on a sparse file rather than a real join:
// the command processor may show such a size as its low 32 bits, and either form passes.
TEST_F(RecombScript, LengthCheckFromFourGibibytesOnTakesExactlyThatLength) {
  constexpr int64_t kLength = int64_t{4} << 30;
  const std::vector<FragmentName> one = {makeFragmentName(1, 1)};
  const std::vector<Sha256Digest> digests(1);
  std::string check;
  for (const std::string& line :
       recombinationScriptLines("big.bin", one, WrittenData{kLength, kLength, "", digests, {}})) {
    if (line.rfind("for %%F in (zzztempb) do ", 0) == 0) check = line;
  }
  ASSERT_NE(check, "");
  folder_.write("check.cmd", consoleLines({"@echo off", check, "echo Length accepted.", "goto end",
                                           ":nocopy", "echo Length refused.", ":end"}));
  for (const int64_t length : {kLength, kLength - 1}) {
    folder_.write("zzztempb", "");
    fs::resize_file(folder_ / "zzztempb", static_cast<uintmax_t>(length));
    const RunResult run = runScript("check.cmd");
    EXPECT_EQ(run.out, length == kLength ? "Length accepted.\r\n" : "Length refused.\r\n")
        << length << run.err;
  }
}

// Names that the command processor would take apart if they stood bare in the script. If
// "x & del marker.bin" were split at its ampersand, the script would delete marker.bin.
class RecombScriptNames : public RecombScript, public testing::WithParamInterface<const char*> {};

TEST_P(RecombScriptNames, AreJoinedUnderTheirOwnNameAndRunNothing) {
  const std::string name = GetParam();
  const std::string bytes = inputFor(2);
  folder_.write("marker.bin", "marker");
  split(name, bytes, 1);
  if (HasFatalFailure()) return;
  fs::remove(folder_ / name);

  const RunResult run = recombine();
  EXPECT_TRUE(contains(run.out, "Recombination succeeded.\r\n")) << run.out << run.err;
  const std::string marker = "marker.bin";
  EXPECT_EQ(folder_.listing(), std::min(name, marker) + "\n" + std::max(name, marker) + "\n");
  EXPECT_TRUE(folder_.read(name) == bytes) << "the joined file differs from the input";
  EXPECT_EQ(folder_.read("marker.bin"), "marker");
}

INSTANTIATE_TEST_SUITE_P(Awkward, RecombScriptNames,
                         testing::Values("a & b.bin", "x & del marker.bin", "50% off.bin",
                                         "100%%.bin", "(1) a^b;c,d=e!.bin", "a&b.bin"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           return "Name" + std::to_string(param.index);
                         });

// A name typed with a folder, joined where that folder does not exist (the receiver's
// machine): the script joins under the name's last part, in its own folder.
class RecombScriptFolders : public RecombScript, public testing::WithParamInterface<const char*> {};

TEST_P(RecombScriptFolders, JoinUnderTheNamesLastPart) {
  const std::string bytes = inputFor(3);
  ScratchFolder work(folder_.path());
  // The input in a folder beside the work folder, or on drive C: of wine's prefix.
  const bool onDriveC = std::string_view(GetParam()) == "C:";
  const char* prefix = std::getenv("WINEPREFIX");
  if (onDriveC && prefix == nullptr) GTEST_SKIP() << "WINEPREFIX is not set";
  ScratchFolder source(onDriveC ? fs::path(prefix) / "drive_c" : folder_.path());
  const std::string folder = source.path().filename().string();
  const std::string typed = onDriveC ? "C:\\" + folder + "\\big.bin" : "../" + folder + "/big.bin";
  source.write("big.bin", bytes);
  const RunResult run = runCommand(work.path(), programCommand(), "y\n" + typed + "\ny\nn\n1\ny\n");
  ASSERT_TRUE(run.out.ends_with(kCompletion)) << run.out << run.err;
  fs::remove(source / "big.bin");

  const RunResult joined = recombineIn(work.path());
  EXPECT_EQ(joined.out, "Recombination succeeded.\r\n") << joined.err;
  EXPECT_EQ(work.listing(), "big.bin\n");
  EXPECT_TRUE(work.read("big.bin") == bytes) << "the joined file differs from the input";
}

INSTANTIATE_TEST_SUITE_P(Typed, RecombScriptFolders, testing::Values("..", "C:"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           return param.index == 0 ? "RelativeFolder" : "DriveAndFolder";
                         });

// Names beyond ASCII as a console in code page 437 hands them over (wine's OEM code page,
// which a process with no console, as on these pipes, reads its names in). On the host
// the file has the same letters in UTF-8.
struct TypedName {
  const char* onDisk;
  const char* typed;
};

void PrintTo(const TypedName& name, std::ostream* out) { *out << name.onDisk; }

class RecombScriptOemNames : public RecombScript, public testing::WithParamInterface<TypedName> {};

TEST_P(RecombScriptOemNames, AreFoundShownWrittenAsTypedAndJoinedBackUnderTheirName) {
  const std::string onDisk = GetParam().onDisk;
  const std::string typed = GetParam().typed;
  const std::string bytes = inputFor(3);
  folder_.write(onDisk, bytes);
  const RunResult run = runProgram(folder_.path(), answersUpToOk(typed, 1) + "y\n");
  EXPECT_EQ(run.out, transcriptUpToOk(typed, {.length = 2972,
                                              .kilobytes = 1,
                                              .lengthInKilobytes = "2.9",
                                              .floppies = 1,
                                              .fragments = 3}) +
                         completionText());
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.exitCode, 0);

  // The script names the file with the bytes typed, and holds nothing else beyond ASCII.
  std::string script = folder_.read("Recomb.cmd");
  const std::string quoted = "\"" + typed + "\"";
  size_t names = 0;
  for (size_t at; (at = script.find(quoted)) != std::string::npos; ++names) {
    script.erase(at, quoted.size());
  }
  EXPECT_GT(names, 0u) << folder_.read("Recomb.cmd");
  EXPECT_TRUE(std::all_of(script.begin(), script.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  })) << folder_.read("Recomb.cmd");

  fs::remove(folder_ / onDisk);
  const RunResult joined = recombine();
  EXPECT_TRUE(contains(joined.out, "Recombination succeeded.\r\n")) << joined.out << joined.err;
  EXPECT_EQ(folder_.listing(), onDisk + "\n");
  EXPECT_TRUE(folder_.read(onDisk) == bytes) << "the joined file differs from the input";
}

INSTANTIATE_TEST_SUITE_P(CodePage437, RecombScriptOemNames,
                         testing::Values(TypedName{"caf\u00e9.bin", "caf\x82.bin"},
                                         TypedName{"na\u00efve r\u00e9sum\u00e9.bin",
                                                   "na\x8bve r\x82sum\x82.bin"},
                                         TypedName{"Gr\u00f6\u00dfe.bin",
                                                   "Gr\x94\xe1"
                                                   "e.bin"},
                                         TypedName{"\u00d1and\u00fa.bin",
                                                   "\xa5"
                                                   "and\xa3.bin"}),
                         [](const testing::TestParamInfo<TypedName>& param) {
                           return "Name" + std::to_string(param.index);
                         });

TEST_F(RecombScript, FloppySizeRunMatchesTheNativeBuildAndJoinsBack) {
  const std::string bytes = patternBytes(3000000, 42);
  const std::string answers = "y\nbig.bin\ny\ny\ny\n";
  ScratchFolder native;
  native.write("big.bin", bytes);
  const RunResult expected = runCommand(native.path(), nativeProgramCommand(), answers);
  ASSERT_EQ(expected.exitCode, 0) << expected.out << expected.err;

  folder_.write("big.bin", bytes);
  const RunResult run = runProgram(folder_.path(), answers);
  EXPECT_EQ(run.out, expected.out);
  EXPECT_EQ(run.err, expected.err);
  EXPECT_EQ(run.exitCode, expected.exitCode);
  ASSERT_EQ(folder_.listing(), "Recomb.cmd\nbig.bin\nfragmen1\nfragmen2\nfragmen3\n");
  ASSERT_EQ(native.listing(), folder_.listing());
  for (const char* name : {"Recomb.cmd", "fragmen1", "fragmen2", "fragmen3"}) {
    EXPECT_TRUE(folder_.read(name) == native.read(name)) << name << " differs";
  }

  fs::remove(folder_ / "big.bin");
  const RunResult joined = recombine();
  EXPECT_TRUE(contains(joined.out, "Recombination succeeded.\r\n")) << joined.out << joined.err;
  EXPECT_EQ(folder_.listing(), "big.bin\n");
  EXPECT_TRUE(folder_.read("big.bin") == bytes) << "the joined file differs from the input";
}

}  // namespace

}  // namespace floppysplit
