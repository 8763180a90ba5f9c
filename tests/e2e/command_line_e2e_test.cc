// The command line: a file named on it answers the first question for the file's name,
// --yes and --size answer others, each shown as if typed; --help and --version answer
// without the dialogue; anything else is a usage error.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

constexpr TypedSplit kSplit{
    .length = 3000, .kilobytes = 1, .lengthInKilobytes = "2.9", .floppies = 1, .fragments = 3};

// Fragments of 1,457,152 bytes, the floppy size: the size question is never asked.
constexpr TypedSplit kFloppySplit{.length = 3000000,
                                  .kilobytes = 1423,
                                  .lengthInKilobytes = "2929.7",
                                  .floppies = 3,
                                  .fragments = 3};

const std::string kLongName = std::string(96, 'n') + ".bin";

constexpr std::string_view kAgree = " Agree (Y for yes, N for no)?";
constexpr std::string_view kName = " File name for splitting?";
constexpr std::string_view kSplitUp = " Split up this file (Y for yes, N for no)?";
constexpr std::string_view kFloppy = " Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?";
constexpr std::string_view kSize = " Input file length for pieces in kilobytes (1K = 1024 bytes):";
constexpr std::string_view kOk = " OK (Y for yes, N for no)?";

// `transcript` with `shownLines` right after the first line that is `question`.
std::string insertedAfter(std::string transcript, std::string_view question,
                          const std::string& shownLines) {
  const std::string line = std::string(question) + "\r\n";
  transcript.insert(transcript.find(line) + line.size(), shownLines);
  return transcript;
}

// The usual console for `name`, with `shownLines` where the typed name would stand.
std::string transcriptWith(const std::string& name, const std::string& shownLines) {
  return insertedAfter(transcriptUpToOk(name, kSplit), kName, shownLines);
}

using Shown = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// `transcript` with each answer an option gives shown on the line after its question.
std::string withShown(std::string transcript, Shown shown) {
  for (const auto& [question, answer] : shown) {
    transcript = insertedAfter(transcript, question, std::string(answer) + "\r\n");
  }
  return transcript;
}

// `transcript` without the size question, as at the floppy size.
std::string withoutSizeQuestion(std::string transcript) {
  const std::string line = std::string(kSize) + "\r\n";
  transcript.erase(transcript.find(line), line.size());
  return transcript;
}

// Just over the most fragments recovery files cover: 32,769 fragments of 1 KB.
constexpr TypedSplit kRecoveryLimitSplit{.length = int64_t{32769} * 1024,
                                         .kilobytes = 1,
                                         .lengthInKilobytes = "32769.0",
                                         .floppies = 24,
                                         .fragments = 32769};

// `transcript` up to and including the line that is `question`.
std::string cutAfter(const std::string& transcript, std::string_view question) {
  const std::string line = std::string(question) + "\r\n";
  return transcript.substr(0, transcript.find(line) + line.size());
}

// The console of `--yes --size KB big.bin` up to the size, the line the plan refuses it with
// after it.
std::string refusedTranscript(std::string_view kilobytes, std::string_view refusal) {
  return withShown(cutAfter(transcriptUpToOk("big.bin", kSplit), kSize), {{kAgree, "y"},
                                                                          {kName, "big.bin"},
                                                                          {kSplitUp, "y"},
                                                                          {kFloppy, "n"},
                                                                          {kSize, kilobytes}}) +
         std::string(refusal) + "\r\n";
}

// The console of `arguments` that give `split` beside --yes, up to the plan's count, with the
// line that refuses the recovery files after it.
std::string refusedRecoveryTranscript(const TypedSplit& split, std::string_view refusal) {
  std::string transcript = transcriptUpToOk("big.bin", split);
  if (split.kilobytes == 1423) transcript = withoutSizeQuestion(transcript);
  transcript =
      cutAfter(transcript, " Break big.bin into  " + std::to_string(split.fragments) + " files?");
  if (split.kilobytes != 1423) {
    return withShown(
               transcript,
               {{kAgree, "y"}, {kName, "big.bin"}, {kSplitUp, "y"}, {kFloppy, "n"}, {kSize, "1"}}) +
           std::string(refusal) + "\r\n";
  }
  return withShown(transcript,
                   {{kAgree, "y"}, {kName, "big.bin"}, {kSplitUp, "y"}, {kFloppy, "y"}}) +
         std::string(refusal) + "\r\n";
}

std::string usageError(const std::string& what) {
  return "floppysplit: " + what + "\nTry 'floppysplit --help' for more information.\n";
}

struct Invocation {
  const char* label;
  std::vector<std::string> arguments;
  // The file in the folder, if any, and its length.
  std::string file;
  int64_t length;
  std::string input;
  std::string out;
  std::string err;
  int exitCode;
  // A folder made beside the file before the run: where --into writes the set, which
  // --join there must join back. The file may lie in it ("out/fragmen1").
  std::string into{};
};

constexpr std::string_view kBadSize =
    "--size takes a size in kilobytes, from 1 to 9223372036854775807";
constexpr std::string_view kBadRecovery =
    "--recovery takes a number of recovery files, from 1 to 32768";
constexpr std::string_view kMoreRecoveryThanFragments = " More recovery files than fragments.";
constexpr std::string_view kAnswersWithJoin =
    "--yes and --size answer the split's questions; --join asks none";
constexpr std::string_view kAnswersWithCheck =
    "--yes and --size answer the split's questions; --check asks none";
constexpr std::string_view kKeepWithoutJoin =
    "--keep keeps the set after a join; give it with --join";

// A usage error beside big.bin: nothing is read, and the file is left alone.
Invocation refusedUsage(const char* label, std::vector<std::string> arguments,
                        std::string_view error) {
  return {label, std::move(arguments),           "big.bin", kSplit.length, "y\n",
          "",    usageError(std::string(error)), 2};
}

void PrintTo(const Invocation& invocation, std::ostream* out) { *out << invocation.label; }

class CommandLine : public testing::TestWithParam<Invocation> {};

// The names, sorted, one a line.
std::string listed(const std::set<std::string>& names) {
  std::string listing;
  for (const std::string& name : names) listing += name + "\n";
  return listing;
}

TEST_P(CommandLine, AnswersAsTheUsualConventionsSay) {
  const Invocation& call = GetParam();
  ScratchFolder folder;
  if (!call.into.empty()) std::filesystem::create_directory(folder / call.into);
  const std::string input = patternBytes(call.length, 5);
  if (!call.file.empty()) folder.write(call.file, input);
  std::vector<std::string> command = programCommand();
  command.insert(command.end(), call.arguments.begin(), call.arguments.end());
  RunResult run = runCommand(folder.path(), command, call.input);
  // Outside the dialogue the Windows build ends its lines with CR LF, as text mode does.
  if (testingWindowsBuild() && call.out.find("\r\n") == std::string::npos) {
    std::erase(run.out, '\r');
    std::erase(run.err, '\r');
  }
  EXPECT_EQ(run.out, call.out);
  EXPECT_EQ(run.err, call.err);
  EXPECT_EQ(run.exitCode, call.exitCode);
  // The set goes into the --into folder, and nothing else changes.
  std::set<std::string> files;
  std::set<std::string> intoFiles;
  if (!call.file.empty()) files.insert(call.file.substr(0, call.file.find('/')));
  if (!call.into.empty()) files.insert(call.into);
  if (call.file.starts_with(call.into + "/"))
    intoFiles.insert(call.file.substr(call.into.size() + 1));
  const bool completed = call.out.ends_with(completionText());
  if (completed) {
    (call.into.empty() ? files : intoFiles)
        .insert({"Recomb.cmd", "fragmen1", "fragmen2", "fragmen3"});
  }
  EXPECT_EQ(folder.listing(), listed(files));
  if (!call.file.empty()) {
    EXPECT_TRUE(folder.read(call.file) == input) << "the file changed";
  }
  if (call.into.empty()) return;
  EXPECT_EQ(folder.listing(call.into), listed(intoFiles));
  if (!completed) return;

  // Recomb.cmd names the fragments without a folder: the join in that folder finds them.
  std::vector<std::string> join = programCommand();
  join.emplace_back("--join");
  RunResult joined = runCommand(folder / call.into, join, "");
  std::erase(joined.out, '\r');
  EXPECT_EQ(joined.out, "Recombination succeeded.\n") << joined.err;
  EXPECT_EQ(joined.exitCode, 0);
  EXPECT_EQ(folder.listing(call.into), "big.bin\n");
  EXPECT_TRUE(folder.read(call.into + "/big.bin") == input) << "the join differs from the file";
}

// The console of a --yes split of big.bin at the floppy size: every answer shown.
std::string yesAtTheFloppySize() {
  return withShown(
             withoutSizeQuestion(transcriptUpToOk("big.bin", kFloppySplit)),
             {{kAgree, "y"}, {kName, "big.bin"}, {kSplitUp, "y"}, {kFloppy, "y"}, {kOk, "y"}}) +
         completionText();
}

const std::string kAnswersAfterName = "y\ny\nn\n1\ny\n";

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(
        Invocation{"FileFound",
                   {"big.bin"},
                   "big.bin",
                   kSplit.length,
                   kAnswersAfterName,
                   transcriptWith("big.bin", "big.bin\r\n") + completionText(),
                   "",
                   0},
        Invocation{"FileWithBlanksAndComma",
                   {"a b, c.bin"},
                   "a b, c.bin",
                   kSplit.length,
                   kAnswersAfterName,
                   transcriptWith("a b, c.bin", "a b, c.bin\r\n") + completionText(),
                   "",
                   0},
        // Longer than a typed answer holds.
        Invocation{"LongFile",
                   {kLongName},
                   kLongName,
                   kSplit.length,
                   kAnswersAfterName,
                   transcriptWith(kLongName, kLongName + "\r\n") + completionText(),
                   "",
                   0},
        Invocation{"FileNotFoundThenTyped",
                   {"nofile.bin"},
                   "big.bin",
                   kSplit.length,
                   "y\nbig.bin\n" + kAnswersAfterName.substr(2),
                   transcriptWith("big.bin",
                                  "nofile.bin\r\n"
                                  " File nofile.bin does not exist in this folder.\r\n"
                                  " File name for splitting?\r\n") +
                       completionText(),
                   "",
                   0},
        Invocation{"DashFileAfterDoubleDash",
                   {"--", "-name.bin"},
                   "-name.bin",
                   kSplit.length,
                   kAnswersAfterName,
                   transcriptWith("-name.bin", "-name.bin\r\n") + completionText(),
                   "",
                   0},
        // Nothing left to type: standard input is empty.
        Invocation{"YesWithSize",
                   {"--yes", "--size", "1", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "",
                   withShown(transcriptUpToOk("big.bin", kSplit), {{kAgree, "y"},
                                                                   {kName, "big.bin"},
                                                                   {kSplitUp, "y"},
                                                                   {kFloppy, "n"},
                                                                   {kSize, "1"},
                                                                   {kOk, "y"}}) +
                       completionText(),
                   "",
                   0},
        // A typed name gets its own "Split up this file?".
        Invocation{"YesAloneTakesTheFloppySize",
                   {"--yes"},
                   "big.bin",
                   kFloppySplit.length,
                   "big.bin\ny\n",
                   withShown(withoutSizeQuestion(transcriptUpToOk("big.bin", kFloppySplit)),
                             {{kAgree, "y"}, {kFloppy, "y"}, {kOk, "y"}}) +
                       completionText(),
                   "",
                   0},
        Invocation{"YesWithFileAtTheFloppySize",
                   {"big.bin", "--yes"},
                   "big.bin",
                   kFloppySplit.length,
                   "",
                   yesAtTheFloppySize(),
                   "",
                   0},
        // Shown exactly as given, leading zeros and all.
        Invocation{"SizeAloneRestTyped",
                   {"--size", "0001", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "y\ny\ny\n",
                   withShown(transcriptUpToOk("big.bin", kSplit),
                             {{kName, "big.bin"}, {kFloppy, "n"}, {kSize, "0001"}}) +
                       completionText(),
                   "",
                   0},
        // Nobody is there to type another name; the input holds one that would do.
        Invocation{"YesWithMissingFile",
                   {"--yes", "nofile.bin"},
                   "big.bin",
                   kSplit.length,
                   "big.bin\ny\n",
                   withShown(cutAfter(transcriptUpToOk("nofile.bin", kSplit), kName),
                             {{kAgree, "y"}, {kName, "nofile.bin"}}) +
                       " File nofile.bin does not exist in this folder.\r\n",
                   "",
                   1},
        // The plan refuses a given size as it refuses a typed one.
        Invocation{"SizeLargerThanTheFile",
                   {"--yes", "--size", "3", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "",
                   refusedTranscript("3", " Fragment size is larger than the file itself."),
                   "",
                   1},
        // 2^63-1 kilobytes wrap to -1024 bytes when made bytes, as when typed.
        Invocation{"LargestSizeWraps",
                   {"--yes", "--size", "9223372036854775807", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "",
                   refusedTranscript("9223372036854775807", " Too many fragments: -2"),
                   "",
                   1},
        // Recovery files are counted against the fragments before "OK?".
        Invocation{"MoreRecoveryThanFragments",
                   {"--yes", "--size", "1", "--recovery", "4", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "",
                   refusedRecoveryTranscript(kSplit, kMoreRecoveryThanFragments),
                   "",
                   1},
        // The most volumes --recovery takes still reach the plan.
        Invocation{"MostRecoveryFilesAllowed",
                   {"--yes", "--size", "1", "--recovery", "32768", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "",
                   refusedRecoveryTranscript(kSplit, kMoreRecoveryThanFragments),
                   "",
                   1},
        Invocation{"MoreRecoveryThanFragmentsAtTheFloppySize",
                   {"--recovery", "4", "--yes", "big.bin"},
                   "big.bin",
                   kFloppySplit.length,
                   "",
                   refusedRecoveryTranscript(kFloppySplit, kMoreRecoveryThanFragments),
                   "",
                   1},
        Invocation{
            "RecoveryForTooManyFragments",
            {"--yes", "--size", "1", "--recovery", "1", "big.bin"},
            "big.bin",
            kRecoveryLimitSplit.length,
            "",
            refusedRecoveryTranscript(kRecoveryLimitSplit,
                                      " Too many fragments for recovery files (at most 32768)."),
            "",
            1},
        Invocation{"IntoAFolderAtTheFloppySize",
                   {"--yes", "--into", "out", "big.bin"},
                   "big.bin",
                   kFloppySplit.length,
                   "",
                   yesAtTheFloppySize(),
                   "",
                   0,
                   "out"},
        // The input is one of the names the run writes in the folder: refused before a byte.
        Invocation{"IntoTheFolderOfItsOwnFragment",
                   {"--yes", "--into", "out", "out/fragmen1"},
                   "out/fragmen1",
                   kFloppySplit.length,
                   "",
                   withShown(withoutSizeQuestion(transcriptUpToOk("out/fragmen1", kFloppySplit)),
                             {{kAgree, "y"},
                              {kName, "out/fragmen1"},
                              {kSplitUp, "y"},
                              {kFloppy, "y"},
                              {kOk, "y"}}) +
                       " Cannot split out/fragmen1: fragmen1 would overwrite it.\r\n",
                   "",
                   1,
                   "out"},
        Invocation{
            "Version", {"--version"}, "", 0, "", "floppysplit " FLOPPYSPLIT_VERSION "\n", "", 0},
        Invocation{"UnknownOption",
                   {"--verbose"},
                   "",
                   kSplit.length,
                   "y\n",
                   "",
                   usageError("unknown option '--verbose'"),
                   2},
        Invocation{"TwoFiles",
                   {"a.bin", "big.bin"},
                   "big.bin",
                   kSplit.length,
                   "y\n",
                   "",
                   usageError("more than one file named; one file is split at a time"),
                   2},
        refusedUsage("SizeTwice", {"--size", "1", "--size", "1", "big.bin"}, "--size given twice"),
        refusedUsage("SizeWithoutKilobytes", {"big.bin", "--size"}, kBadSize),
        refusedUsage("SizeZero", {"--size", "0", "big.bin"}, kBadSize),
        refusedUsage("SizeAboveTheLargest", {"--size", "9223372036854775808", "big.bin"}, kBadSize),
        refusedUsage("SizeOfTwentyDigits", {"--size", "00000000000000000001", "big.bin"}, kBadSize),
        refusedUsage("SizeWithSign", {"--size", "+1", "big.bin"}, kBadSize),
        refusedUsage("SizeWithUnit", {"--size", "1K", "big.bin"}, kBadSize),
        refusedUsage("SizeThenOption", {"--size", "--yes", "big.bin"}, kBadSize),
        refusedUsage("RecoveryZero", {"--recovery", "0", "big.bin"}, kBadRecovery),
        refusedUsage("RecoveryAboveTheLargest", {"--recovery", "32769", "big.bin"}, kBadRecovery),
        refusedUsage("RecoveryWithoutCount", {"big.bin", "--recovery"}, kBadRecovery),
        refusedUsage("RecoveryWithSign", {"--recovery", "+1", "big.bin"}, kBadRecovery),
        refusedUsage("RecoveryTwice", {"--recovery", "1", "--recovery", "1", "big.bin"},
                     "--recovery given twice"),
        refusedUsage("RecoveryWithJoin", {"--join", "--recovery", "1"},
                     "--recovery writes recovery files beside a split; --join writes none"),
        refusedUsage("YesWithJoin", {"--yes", "--join"}, kAnswersWithJoin),
        refusedUsage("SizeWithJoin", {"--join", "--size", "1"}, kAnswersWithJoin),
        refusedUsage("YesWithCheck", {"--check", "--yes"}, kAnswersWithCheck),
        refusedUsage("SizeWithCheck", {"--size", "1", "--check"}, kAnswersWithCheck),
        refusedUsage("CheckWithJoin", {"--join", "--check"},
                     "--check and --join are two runs; give one of them"),
        refusedUsage("LoneDash", {"-"}, "unknown option '-'"),
        refusedUsage("CheckWithFile", {"--check", "big.bin"},
                     "--check takes an existing folder; 'big.bin' is not one"),
        refusedUsage("CheckAMissingFolder", {"--check", "out"},
                     "--check takes an existing folder; 'out' is not one"),
        refusedUsage("JoinAMissingFolder", {"--join", "out"},
                     "--join takes an existing folder; 'out' is not one"),
        refusedUsage("JoinAFile", {"--keep", "--join", "big.bin"},
                     "--join takes an existing folder; 'big.bin' is not one"),
        refusedUsage("KeepAlone", {"--keep"}, kKeepWithoutJoin),
        refusedUsage("KeepWithYes", {"--keep", "--yes", "big.bin"}, kKeepWithoutJoin),
        refusedUsage("KeepWithCheck", {"--check", "--keep"},
                     "--keep keeps the set after a join; --check deletes nothing"),
        refusedUsage("KeepAndYesWithJoin", {"--join", "--keep", "--yes"}, kAnswersWithJoin),
        refusedUsage("IntoAMissingFolder", {"--into", "out", "big.bin"},
                     "--into takes an existing folder; 'out' is not one"),
        refusedUsage("IntoAFile", {"big.bin", "--into", "big.bin"},
                     "--into takes an existing folder; 'big.bin' is not one"),
        refusedUsage("IntoWithoutFolder", {"big.bin", "--into"}, "--into takes an existing folder"),
        refusedUsage("IntoTwice", {"--into", ".", "--into", ".", "big.bin"}, "--into given twice"),
        refusedUsage("IntoWithJoin", {"--into", ".", "--join"},
                     "--into names the folder a split writes to; --join works in the current "
                     "folder"),
        refusedUsage("IntoWithCheck", {"--check", "--into", "."},
                     "--into names the folder a split writes to; --check works in the current "
                     "folder")),
    [](const testing::TestParamInfo<Invocation>& param) { return param.param.label; });

TEST(CommandLineHelp, DescribesEveryOptionAndStartsNothing) {
  // A file named beside it starts no dialogue either, nor does --join.
  std::vector<std::vector<std::string>> asks = {
      {"big.bin", "--help"}, {"big.bin", "-h"}, {"--join", "--help"}};
  if (testingWindowsBuild()) asks.push_back({"big.bin", "/?"});
  for (const std::vector<std::string>& ask : asks) {
    SCOPED_TRACE(ask.back());
    ScratchFolder folder;
    std::vector<std::string> command = programCommand();
    command.insert(command.end(), ask.begin(), ask.end());
    RunResult run = runCommand(folder.path(), command, "y\n");
    std::erase(run.out, '\r');
    EXPECT_TRUE(run.out.starts_with("Usage: floppysplit [--yes] [--size KB] [FILE]\n")) << run.out;
    for (const char* option :
         {"--help", "--version", "--", "--yes", "--size KB", "18000", "--recovery N", "--into DIR",
          "--join [--keep] [DIR]", "--check [DIR]", "\n  --keep ", "\n  0 ", "\n  1 ", "\n  2 ",
          "\n  130 ", "\n  255 "}) {
      EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(folder.listing(), "");
  }
}

TEST(CommandLineHelp, FailsWhereStandardOutputIsFull) {
  ScratchFolder folder;
  std::vector<std::string> command = {"sh", "-c", "exec \"$@\" >/dev/full", "sh"};
  for (const std::string& word : programCommand()) command.push_back(word);
  command.emplace_back("--help");
  const RunResult run = runCommand(folder.path(), command, "");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err, "");
}

// Only Windows reads /? as a request for help; elsewhere it is a file's name, here one
// that does not exist.
TEST(CommandLineHelp, SlashQuestionMarkIsAFileOnPosix) {
  if (testingWindowsBuild()) GTEST_SKIP() << "the Windows build shows its help for /?";
  ScratchFolder folder;
  std::vector<std::string> command = programCommand();
  command.insert(command.end(), {"--yes", "/?"});
  const RunResult run = runCommand(folder.path(), command, "");
  EXPECT_TRUE(run.out.ends_with(" File /? does not exist in this folder.\r\n")) << run.out;
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(folder.listing(), "");
}

}  // namespace

}  // namespace floppysplit
