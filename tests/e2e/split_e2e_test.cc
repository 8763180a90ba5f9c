// Splitting real files through the real program: the console transcript, every file
// written and the exit status, compared byte for byte.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

constexpr int64_t kFloppy = 1457152;

// Answers for a run that agrees, names `name`, confirms it, takes the floppy size or types
// `kilobytes`, and answers `ok` at the last question.
std::string answers(const std::string& name, std::optional<std::string> kilobytes = {},
                    const std::string& ok = "y") {
  std::string text = "y\n" + name + "\ny\n";
  text += kilobytes ? "n\n" + *kilobytes + "\n" : "y\n";
  return text + ok + "\n";
}

// Console text from the name prompt to the length line of the plan.
std::string transcriptUpToPlan(const std::string& name, int64_t length,
                               const std::string& lengthLine) {
  return consoleLines({" File name for splitting?", " File to be split up: " + name,
                       " Length:  " + std::to_string(length) + "  bytes",
                       " Split up this file (Y for yes, N for no)?", lengthLine});
}

const std::string kFloppyQuestion = " Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?";
const std::string kSizePrompt = " Input file length for pieces in kilobytes (1K = 1024 bytes):";
const std::string kCompletion =
    consoleLines({"File split and recombination script completed successfully.", "Normal exit."});

std::string offer(const std::string& name, int count) {
  return consoleLines({" Break " + name + " into  " + std::to_string(count) + " files?",
                       " OK (Y for yes, N for no)?"});
}

std::string joined(const ScratchFolder& folder, std::initializer_list<const char*> names) {
  std::string bytes;
  for (const char* name : names) bytes += folder.read(name);
  return bytes;
}

class SplitRun : public testing::Test {
 protected:
  // Writes an input of `length` pattern bytes named `name` and returns its bytes.
  std::string makeInput(const std::string& name, int64_t length, uint32_t seed = 11) {
    std::string bytes = patternBytes(length, seed);
    folder_.write(name, bytes);
    return bytes;
  }

  ScratchFolder folder_;
};

TEST_F(SplitRun, TypicalFloppyRunGivesTheWholeTranscriptAndThreeFragments) {
  const std::string input = makeInput("big.bin", 3000000);
  const RunResult run = runProgram(folder_.path(), answers("big.bin"));
  EXPECT_EQ(run.out,
            disclaimerAndConsent() +
                transcriptUpToPlan("big.bin", 3000000,
                                   "File length is       3000000 bytes or     2929.7 kilobytes.") +
                consoleLines({" Will fit on  3  1.44 MB 3.5\" floppies --", kFloppyQuestion}) +
                offer("big.bin", 3) + kCompletion);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.listing(), "Recomb.cmd\nbig.bin\nfragmen1\nfragmen2\nfragmen3\n");
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, kFloppy));
  EXPECT_EQ(folder_.read("fragmen2"), input.substr(kFloppy, kFloppy));
  EXPECT_EQ(folder_.read("fragmen3"), input.substr(2 * kFloppy));
  EXPECT_EQ(folder_.read("fragmen3").size(), 85696u);
  EXPECT_EQ(folder_.read("big.bin"), input);
  const std::string sha256 = sha256sumOf(folder_.path(), {"fragmen1", "fragmen2", "fragmen3"});
  EXPECT_EQ(sha256, sha256sumOf(folder_.path(), {"big.bin"}));
  const std::string certutilLine =
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile zzztempb )"
      R"(SHA256 2^>nul') do if not defined fs_sha256 set "fs_sha256=%%H")";
  const std::string damagedLine =
      R"(if defined fs_got if /i not "%fs_got%"=="%fs_want%" echo %fs_frag% is damaged.)";
  const std::string fragmentCertutilLine =
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile %fs_frag% )"
      R"(SHA256 2^>nul') do if not defined fs_got set "fs_got=%%H")";
  EXPECT_EQ(folder_.read("Recomb.cmd"),
            consoleLines(
                {"@echo off",
                 "setlocal",
                 "set fs_frag=zzztempa",
                 "if exist zzztempa goto inway",
                 "set fs_frag=zzztempb",
                 "if exist zzztempb goto inway",
                 "set fs_frag=fragmen1",
                 "if not exist fragmen1 goto missing",
                 "for %%F in (fragmen1) do if not \"%%~zF\"==\"1457152\" goto wronglength",
                 "set fs_frag=fragmen2",
                 "if not exist fragmen2 goto missing",
                 "for %%F in (fragmen2) do if not \"%%~zF\"==\"1457152\" goto wronglength",
                 "set fs_frag=fragmen3",
                 "if not exist fragmen3 goto missing",
                 "for %%F in (fragmen3) do if not \"%%~zF\"==\"85696\" goto wronglength",
                 "copy /b fragmen1+fragmen2+fragmen3 /v zzztempb",
                 "if errorlevel 1 goto nocopy",
                 "for %%F in (zzztempb) do if not \"%%~zF\"==\"3000000\" goto nocopy",
                 "set fs_sha256=",
                 certutilLine,
                 "if defined fs_sha256 set \"fs_sha256=%fs_sha256: =%\"",
                 "if defined fs_sha256 if not \"%fs_sha256:~64%\"==\"\" set fs_sha256=",
                 "if defined fs_sha256 if \"%fs_sha256:~63%\"==\"\" set fs_sha256=",
                 "if defined fs_sha256 if /i not \"%fs_sha256%\"==\"" + sha256 + "\" goto mismatch",
                 "if exist zzztempa del zzztempa",
                 "if not exist big.bin goto do_ren",
                 "echo big.bin already exists.",
                 "echo Recombined file is zzztempb",
                 "goto ok",
                 ":do_ren",
                 "rename zzztempb big.bin",
                 "if errorlevel 1 goto nocopy",
                 "if exist big.bin goto ok",
                 "echo big.bin not created.",
                 "goto nocopy",
                 ":inway",
                 "echo %fs_frag% already exists: move or rename it first.",
                 "goto failed",
                 ":missing",
                 "echo %fs_frag% is missing.",
                 "goto nocopy",
                 ":wronglength",
                 "echo %fs_frag% has the wrong length.",
                 "goto nocopy",
                 ":mismatch",
                 "set fs_frag=fragmen1",
                 "set fs_want=" + sha256sumOf(folder_.path(), {"fragmen1"}),
                 "call :fragsha",
                 "set fs_frag=fragmen2",
                 "set fs_want=" + sha256sumOf(folder_.path(), {"fragmen2"}),
                 "call :fragsha",
                 "set fs_frag=fragmen3",
                 "set fs_want=" + sha256sumOf(folder_.path(), {"fragmen3"}),
                 "call :fragsha",
                 "echo The recombined file does not match the original.",
                 "goto nocopy",
                 ":nocopy",
                 "if exist zzztempa del zzztempa",
                 "if exist zzztempb del zzztempb",
                 ":failed",
                 "echo Recombination of files failed.",
                 "exit /b 1",
                 ":unchecked",
                 "echo The recombined file could not be checked: certutil gave no SHA-256.",
                 "echo The fragments and Recomb.cmd are kept.",
                 "exit /b 0",
                 ":fragsha",
                 "set fs_got=",
                 fragmentCertutilLine,
                 R"(if defined fs_got set "fs_got=%fs_got: =%")",
                 R"(if defined fs_got if not "%fs_got:~64%"=="" set fs_got=)",
                 R"(if defined fs_got if "%fs_got:~63%"=="" set fs_got=)",
                 damagedLine,
                 "exit /b 0",
                 ":ok",
                 "Echo Recombination succeeded.",
                 "if not defined fs_sha256 goto unchecked",
                 "del fragmen1",
                 "del fragmen2",
                 "del fragmen3",
                 "del recomb.cmd",
                 ":end",
                 ""}));
}

TEST_F(SplitRun, BadSizesAreAskedAgainUntilOneIsAccepted) {
  const std::string input = makeInput("in.dat", 1000000);
  const RunResult run =
      runProgram(folder_.path(), "y\nin.dat\ny\nn\n12k\n0\n-5\nbig\n1.5\n700 KB\ny\n");
  EXPECT_EQ(
      run.out,
      disclaimerAndConsent() +
          transcriptUpToPlan("in.dat", 1000000,
                             "File length is       1000000 bytes or      976.6 kilobytes.") +
          consoleLines({" Will fit on  1  1.44 MB 3.5\" floppies --", kFloppyQuestion, kSizePrompt,
                        " Error with your input:  0  please try again", kSizePrompt,
                        " Error with your input:  0  please try again", kSizePrompt,
                        " Error with your input: -5  please try again", kSizePrompt,
                        " Error with your input: -5  please try again", kSizePrompt,
                        " Error with your input: -5  please try again", kSizePrompt}) +
          offer("in.dat", 2) + kCompletion);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, 716800));
  EXPECT_EQ(folder_.read("fragmen2"), input.substr(716800));
}

TEST_F(SplitRun, InputSmallerThanTwoRecordsAlwaysStops) {
  makeInput("small", 1023);
  const RunResult run = runProgram(folder_.path(), answers("small", "1"));
  EXPECT_EQ(run.out,
            disclaimerAndConsent() +
                transcriptUpToPlan("small", 1023,
                                   "File length is          1023 bytes or        1.0 kilobytes.") +
                consoleLines({" Will fit on  1  1.44 MB 3.5\" floppies --", kFloppyQuestion,
                              kSizePrompt, " Fragment size is larger than the file itself."}));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "small\n");
}

TEST_F(SplitRun, TenMillionFragmentsAreOfferedInEightDigits) {
  // A sparse input of 10,240,000,000 bytes in 1 KB pieces, declined at the offer.
  folder_.write("big.bin", "");
  fs::resize_file(folder_.path() / "big.bin", 10240000000);
  const RunResult run = runProgram(folder_.path(), answers("big.bin", "1", "n"));
  EXPECT_EQ(run.out,
            disclaimerAndConsent() +
                transcriptUpToPlan("big.bin", 10240000000,
                                   "File length is   10240000000 bytes or 10000000.0 kilobytes.") +
                consoleLines({" Will fit on  7028  1.44 MB 3.5\" floppies --", kFloppyQuestion,
                              kSizePrompt}) +
                offer("big.bin", 10000000));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.listing(), "big.bin\n");
}

TEST_F(SplitRun, OneKilobyteFileWithOneKilobytePiecesIsOneFragment) {
  const std::string input = makeInput("one", 1024);
  const RunResult run = runProgram(folder_.path(), answers("one", "1"));
  EXPECT_NE(run.out.find(offer("one", 1)), std::string::npos);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.listing(), "Recomb.cmd\nfragmen1\none\n");
  EXPECT_EQ(folder_.read("fragmen1"), input);
  EXPECT_NE(folder_.read("Recomb.cmd").find("copy /b fragmen1 /v zzztempb\r\n"), std::string::npos);
}

struct FloppyCase {
  int64_t length;
  int floppies;
  std::vector<int64_t> fragmentLengths;
};

void PrintTo(const FloppyCase& c, std::ostream* out) { *out << c.length << "Bytes"; }

class FloppySizes : public SplitRun, public testing::WithParamInterface<FloppyCase> {};

TEST_P(FloppySizes, FragmentsCoverTheInputExactly) {
  const FloppyCase& c = GetParam();
  const std::string input = makeInput("data", c.length);
  const RunResult run = runProgram(folder_.path(), answers("data"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find(" Will fit on  " + std::to_string(c.floppies) + "  1.44 MB"),
            std::string::npos);
  EXPECT_NE(run.out.find(offer("data", static_cast<int>(c.fragmentLengths.size()))),
            std::string::npos);
  std::string all;
  for (size_t i = 0; i < c.fragmentLengths.size(); ++i) {
    const std::string fragment = folder_.read("fragmen" + std::to_string(i + 1));
    EXPECT_EQ(static_cast<int64_t>(fragment.size()), c.fragmentLengths[i]) << i + 1;
    all += fragment;
  }
  EXPECT_EQ(all, input);
  EXPECT_FALSE(fs::exists(folder_ / ("fragmen" + std::to_string(c.fragmentLengths.size() + 1))));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, FloppySizes,
                         testing::Values(FloppyCase{1457153, 1, {kFloppy, 1}},
                                         FloppyCase{2914304, 2, {kFloppy, kFloppy}},
                                         FloppyCase{2914404, 2, {kFloppy, kFloppy, 100}},
                                         FloppyCase{3145728, 3, {kFloppy, kFloppy, 231424}},
                                         FloppyCase{kFloppy + 511, 1, {kFloppy, 511}},
                                         FloppyCase{kFloppy + 512, 2, {kFloppy, 512}}));

TEST_F(SplitRun, MissingDeclinedAndEmptyNamesAskAgain) {
  const std::string input = makeInput("real.bin", 2048);
  makeInput("other.bin", 3000);
  const RunResult run =
      runProgram(folder_.path(), "y\nnofile.bin\n   \nother.bin\nn\n  real.bin  \ny\nn\n1\nn\n");
  EXPECT_EQ(run.out,
            disclaimerAndConsent() +
                consoleLines(
                    {" File name for splitting?", " File nofile.bin does not exist in this folder.",
                     " File name for splitting?", " File  does not exist in this folder.",
                     " File name for splitting?", " File to be split up: other.bin",
                     " Length:  3000  bytes", " Split up this file (Y for yes, N for no)?",
                     " File name for splitting?", " File to be split up: real.bin",
                     " Length:  2048  bytes", " Split up this file (Y for yes, N for no)?",
                     "File length is          2048 bytes or        2.0 kilobytes.",
                     " Will fit on  1  1.44 MB 3.5\" floppies --", kFloppyQuestion, kSizePrompt}) +
                offer("real.bin", 2));
  EXPECT_EQ(run.exitCode, 0);
  // Refusing at "OK?" writes nothing; naming a missing file creates nothing.
  EXPECT_EQ(folder_.listing(), "other.bin\nreal.bin\n");
  EXPECT_EQ(folder_.read("real.bin"), input);
}

TEST_F(SplitRun, LeftoversFromALongerEarlierRunAreReplacedCompletely) {
  // An earlier split of the same file in smaller pieces, whose script is longer, and
  // fragments grown since.
  const std::string input = makeInput("in", 2600);
  ASSERT_EQ(runProgram(folder_.path(), answers("in", "1")).exitCode, 0);
  folder_.write("fragmen1", std::string(5000, 'x'));
  folder_.write("fragmen2", std::string(5000, 'y'));
  const RunResult run = runProgram(folder_.path(), answers("in", "2"));
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, 2048));
  EXPECT_EQ(folder_.read("fragmen2"), input.substr(2048));
  const std::string script = folder_.read("Recomb.cmd");
  EXPECT_EQ(script.substr(script.size() - 8), ":end\r\n\r\n");
  EXPECT_EQ(script.find("fragmen3"), std::string::npos);
}

struct FolderCase {
  const char* folder;
  const char* shownName;  // full fragments trimmed, the final fragment with its blanks
  const char* leftBehind;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.folder; }

class FolderInTheWay : public SplitRun, public testing::WithParamInterface<FolderCase> {};

TEST_P(FolderInTheWay, StopsWithTheWriteErrorAndKeepsEarlierFragments) {
  const FolderCase& c = GetParam();
  const std::string input = makeInput("in", 2600);
  fs::create_directory(folder_ / c.folder);
  const RunResult run = runProgram(folder_.path(), answers("in", "1"));
  const std::string error = testingWindowsBuild() ? "  5" : "  21";  // access denied / EISDIR
  const std::string tail =
      offer("in", 3) + " ###Error" + error + "  writing " + c.shownName + "\r\n";
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), c.leftBehind);
  EXPECT_EQ(folder_.read("in"), input);
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, FolderInTheWay,
    testing::Values(FolderCase{"fragmen1", "fragmen1", "fragmen1\nin\n"},
                    FolderCase{"fragmen2", "fragmen2", "fragmen1\nfragmen2\nin\n"},
                    FolderCase{"fragmen3", "fragmen3  ", "fragmen1\nfragmen2\nfragmen3\nin\n"}));

TEST_F(SplitRun, InputIsNeverWrittenOverByItsOwnFragments) {
  const std::string input = makeInput("fragmen2", 3000);
  const RunResult run = runProgram(folder_.path(), answers("./fragmen2", "1"));
  EXPECT_NE(run.out.find(offer("./fragmen2", 3) +
                         consoleLines({" Cannot split ./fragmen2: fragmen2 would overwrite it."})),
            std::string::npos);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.read("fragmen2"), input);
  EXPECT_EQ(folder_.read("fragmen1"), input.substr(0, 1024));
  EXPECT_EQ(folder_.listing(), "fragmen1\nfragmen2\n");

  ScratchFolder other;
  other.write("fragmen1", input);
  const RunResult first = runProgram(other.path(), answers("fragmen1", "1"));
  EXPECT_NE(first.out.find(" Cannot split fragmen1: fragmen1 would overwrite it.\r\n"),
            std::string::npos);
  EXPECT_EQ(first.exitCode, 1);
  EXPECT_EQ(other.read("fragmen1"), input);
  EXPECT_EQ(other.listing(), "fragmen1\n");
}

TEST_F(SplitRun, RecombScriptAsInputIsRefusedBeforeAnyFragment) {
  const std::string input = makeInput("Recomb.cmd", 3000);
  const RunResult run = runProgram(folder_.path(), answers("Recomb.cmd", "1"));
  EXPECT_NE(
      run.out.find(offer("Recomb.cmd", 3) +
                   consoleLines({" Cannot split Recomb.cmd: Recomb.cmd would overwrite it."})),
      std::string::npos);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder_.listing(), "Recomb.cmd\n");
  EXPECT_EQ(folder_.read("Recomb.cmd"), input);
}

TEST_F(SplitRun, FileThatOnlyLooksLikeAFragmentOfAnotherCountIsSplit) {
  const std::string input = makeInput("fragmen5", 3000);
  const RunResult run = runProgram(folder_.path(), answers("fragmen5", "1"));
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(joined(folder_, {"fragmen1", "fragmen2", "fragmen3"}), input);
  EXPECT_EQ(folder_.read("fragmen5"), input);
}

// A signal once the second fragment of a split at the floppy size appears, or at the first
// question. The split deletes every fragment it wrote, an older file it wrote into as its
// first fragment included, says so and ends with 130; at a question it ends with 130 alone.
struct Interruption {
  const char* name;
  int signal;
  bool atConsent;
  // An older "fragm001", which the run writes into, and an older "fragmen1" of a set of
  // other names, which it never opens and keeps.
  bool olderFragments;
  // With --recovery 3, the signal once the first recovery volume appears instead.
  bool duringRecovery = false;
};

void PrintTo(const Interruption& row, std::ostream* out) { *out << row.name; }

class SplitInterrupted : public SplitRun, public testing::WithParamInterface<Interruption> {};

TEST_P(SplitInterrupted, DeletesWhatItWroteAndEndsWith130) {
  const Interruption& row = GetParam();
  // Wine turns SIGINT into the console's Ctrl+C; Windows has no other of these signals, and
  // the test preset "wine" leaves their rows (named Sig...) out.
  if (testingWindowsBuild() && row.signal != SIGINT) GTEST_SKIP() << "no such signal on Windows";
  // 108 fragments at the floppy size, named fragm001 to fragm108.
  makeInput("big.bin", row.atConsent ? 3000 : int64_t{150} << 20);
  if (row.olderFragments) {
    folder_.write("fragm001", "the first fragment of another set");
    folder_.write("fragmen1", "a fragment of a smaller set");
  }
  std::vector<std::string> command = programCommand();
  if (row.duringRecovery) command.insert(command.end(), {"--recovery", "3"});
  ProgramSession split(folder_.path(),
                       {.command = command, .environment = {}, .fileSizeLimit = {}});
  const fs::path sign = folder_ / (row.duringRecovery ? "Recomb.vol0+1.par2" : "fragm002");
  if (row.atConsent) {
    ASSERT_TRUE(split.waitForOutput(" Agree (Y for yes, N for no)?"));
  } else {
    split.writeInput(answers("big.bin"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!fs::exists(sign) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }
  split.signal(row.signal);
  const RunResult run = split.finish();
  if (run.exitCode == 0) GTEST_SKIP() << "the split ended before the signal reached it";
  EXPECT_EQ(run.exitCode, 130) << run.err;
  if (row.atConsent) {
    EXPECT_EQ(run.out, disclaimerAndConsent());
  } else {
    const std::string tail =
        offer("big.bin", 108) +
        consoleLines({"Split interrupted: the fragments it wrote are deleted."});
    ASSERT_GE(run.out.size(), tail.size()) << run.out;
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  }
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder_.listing(), row.olderFragments ? "big.bin\nfragmen1\n" : "big.bin\n");
  if (row.olderFragments) {
    EXPECT_EQ(folder_.read("fragmen1"), "a fragment of a smaller set");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SplitInterrupted,
    testing::Values(Interruption{"CtrlC", SIGINT, false, false},
                    Interruption{"Sigterm", SIGTERM, false, false},
                    Interruption{"Sighup", SIGHUP, false, false},
                    Interruption{"OlderFragmentWrittenInto", SIGINT, false, true},
                    Interruption{"CtrlCAtConsent", SIGINT, true, false},
                    Interruption{"SighupAtConsent", SIGHUP, true, false},
                    Interruption{"CtrlCInTheRecoveryFiles", SIGINT, false, false, true}),
    [](const testing::TestParamInfo<Interruption>& param) { return param.param.name; });

TEST_F(SplitRun, UnsafeInputNameIsQuotedInTheScript) {
  makeInput("a & b.bin", 2100);
  const RunResult run = runProgram(folder_.path(), answers("a & b.bin", "1"));
  ASSERT_EQ(run.exitCode, 0);
  const std::string script = folder_.read("Recomb.cmd");
  for (const char* line :
       {"if not exist \"a & b.bin\" goto do_ren\r\n", "echo \"a & b.bin\" already exists.\r\n",
        "rename zzztempb \"a & b.bin\"\r\n", "if exist \"a & b.bin\" goto ok\r\n",
        "echo \"a & b.bin\" not created.\r\n"}) {
    EXPECT_NE(script.find(line), std::string::npos) << line;
  }
}

}  // namespace

}  // namespace floppysplit
