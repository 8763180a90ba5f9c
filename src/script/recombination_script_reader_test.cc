#include "script/recombination_script_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "script/fragment_name.h"
#include "script/recombination_script.h"
#include "script/script_lines.h"
#include "support/older_scripts.h"

namespace floppysplit {

namespace {

constexpr std::string_view kSha256 =
    "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

// Fragment i's own SHA-256 (from 0) stands as 32 bytes of i + 1.
std::vector<Sha256Digest> digestsOf(size_t count) {
  std::vector<Sha256Digest> digests(count);
  for (size_t i = 0; i < count; ++i) digests[i].fill(static_cast<unsigned char>(i + 1));
  return digests;
}

// Recomb.cmd as the writer writes it for `count` fragments holding `length` bytes, each
// but the last `fragmentSize`, with `recoveryFiles` beside them.
std::string scriptFor(std::string_view input, int32_t count, int64_t fragmentSize, int64_t length,
                      std::span<const std::string> recoveryFiles = {}) {
  std::vector<FragmentName> names;
  for (int32_t i = 1; i <= count; ++i) names.push_back(makeFragmentName(i, count < 10 ? 1 : 2));
  std::string bytes;
  const std::vector<Sha256Digest> digests = digestsOf(names.size());
  for (const std::string& line : recombinationScriptLines(
           input, names, WrittenData{fragmentSize, length, kSha256, digests, recoveryFiles})) {
    bytes += line + "\r\n";
  }
  return bytes;
}

// A script of an older `form` for two fragments of 2000 bytes, the name written as given.
std::string olderScript(ScriptForm form, std::string_view name) {
  const std::vector<FragmentName> names = {makeFragmentName(1, 1), makeFragmentName(2, 1)};
  std::string bytes;
  emitScriptLines(form, name, names, WrittenData{1024, 2000, kSha256, {}, {}},
                  [&bytes](const std::string& line) { bytes += line + "\r\n"; });
  return bytes;
}

// `text` with its first `from`, or every one, replaced by `to`.
std::string edited(std::string text, std::string_view from, std::string_view to,
                   bool every = false) {
  size_t at = text.find(from);
  if (at == std::string::npos) ADD_FAILURE() << "no " << from << " to edit";
  for (; at != std::string::npos;
       at = every ? text.find(from, at + to.size()) : std::string::npos) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string describe(const std::optional<RecombinationPlan>& plan) {
  if (!plan) return "refused";
  std::string text;
  for (size_t i = 0; i < plan->fragments.size(); ++i) {
    text += plan->fragmentName(i);
    if (plan->fragmentLength(i)) text += '=' + std::to_string(*plan->fragmentLength(i));
    // A fragment's own SHA-256 by its first byte.
    if (!plan->fragmentSha256.empty()) text += '#' + std::to_string(plan->fragmentSha256[i][0]);
    text += ' ';
  }
  text += "-> " + std::string(temporaryName(plan->result)) + " not " +
          std::string(temporaryName(otherTemporary(plan->result))) + " " +
          std::to_string(plan->joinedLength) + " " + plan->joinedName + " " +
          plan->sha256.value_or("-");
  for (const std::string& name : plan->recoveryFiles) text += " +" + name;
  return text;
}

// The recovery files of a set with two volumes, as the split names them.
const std::string kRecoveryFiles[] = {"Recomb.par2", "Recomb.index2.par2", "Recomb.vol0+1.par2",
                                      "Recomb.vol1+1.par2"};

// What a split into `count` fragments of `fragmentSize` bytes, the last one holding the
// rest of `length`, checks.
// `eachSha256`: the script holds each fragment's own SHA-256, as digestsOf makes them.
std::string planOf(int32_t count, int64_t fragmentSize, int64_t length, std::string_view name,
                   std::string_view result, std::string_view sha256 = kSha256,
                   bool eachSha256 = true) {
  std::string text;
  for (int32_t i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    text += (count < 10          ? "fragmen"
             : number.size() < 2 ? "fragme0"
                                 : "fragme") +
            number + "=" +
            std::to_string(i < count ? fragmentSize : length - (count - 1) * fragmentSize) +
            (eachSha256 ? "#" + number : "") + " ";
  }
  return text + "-> " + std::string(result) + " not " +
         (result == "zzztempa" ? "zzztempb" : "zzztempa") + " " + std::to_string(length) + " " +
         std::string(name) + " " + std::string(sha256);
}

constexpr std::string_view kSha256Of5000 =
    "34398b85297bf7d9dfb59b8d511d8bbb44ab23e891570e4395e7871475fc8afb";

TEST(RecombinationScriptReader, ReadsWhatTheWriterWritesAndWrote) {
  const std::string big = scriptFor("big.bin", 2, 4294967296, 5000000000);
  const std::string joinLengthOnly(kJoinLengthOnlyScript);
  const std::string joinLengthOnlyPlan = "fragmen1 fragmen2 fragmen3 -> zzztempb not zzztempa ";
  const std::pair<std::string, std::string> cases[] = {
      {scriptFor("report.dat", 1, 1024, 1024), planOf(1, 1024, 1024, "report.dat", "zzztempb")},
      {scriptFor("a & b.bin", 2, 1457152, 2000000),
       planOf(2, 1457152, 2000000, "a & b.bin", "zzztempb")},
      {scriptFor("100%.bin", 3, 1024, 2100), planOf(3, 1024, 2100, "100%.bin", "zzztempb")},
      {scriptFor("caf\xe9", 4, 1024, 4096), planOf(4, 1024, 4096, "caf\xe9", "zzztempa")},
      // The last fragment of an input that shrank to the full fragments while it was split.
      {scriptFor("../sub/big.bin", 5, 1024, 4096), planOf(5, 1024, 4096, "big.bin", "zzztempb")},
      {scriptFor("C:\\data\\big.bin", 13, 1000, 12345),
       planOf(13, 1000, 12345, "big.bin", "zzztempb")},
      {scriptFor("a\\", 2, 1024, 2000), planOf(2, 1024, 2000, "a_", "zzztempb")},
      {big, planOf(2, 4294967296, 5000000000, "big.bin", "zzztempb")},
      {scriptFor("big.bin", 3, 1457152, 3000000, kRecoveryFiles),
       planOf(3, 1457152, 3000000, "big.bin", "zzztempb") +
           " +Recomb.par2 +Recomb.index2.par2 +Recomb.vol0+1.par2 +Recomb.vol1+1.par2"},
      {scriptFor("zzztempa", 6, 1024, 6000), planOf(6, 1024, 6000, "zzztempa", "zzztempb")},
      // The older forms' names are cut to their last part and made plain file names too.
      {std::string(kNamedWithFolderScript),
       planOf(5, 1024, 5000, "big.bin", "zzztempb", kSha256Of5000, false)},
      {std::string(kNamedByLastPartScript),
       planOf(5, 1024, 5000, "zzztempa", "zzztempb", kSha256Of5000, false)},
      {std::string(kGuardedScript),
       planOf(3, 1024, 3000, "kept.bin", "zzztempb",
              "f541874101876255b4baf3a739778d04cb9cba25ffa38b30bc1fb8b0701f2a45", false)},
      // Cut to its last part already: no drive is taken off it again.
      {olderScript(ScriptForm::namedByLastPart, "x:y.bin"),
       planOf(2, 1024, 2000, "x_y.bin", "zzztempb", kSha256, false)},
      {olderScript(ScriptForm::namedWithFolder, "C:\\data\\x:y.bin"),
       planOf(2, 1024, 2000, "x_y.bin", "zzztempb", kSha256, false)},
      {joinLengthOnly, joinLengthOnlyPlan + "2500 old.bin -"},
      {edited(joinLengthOnly, "\"2500\"", R"("5000000000" if not "%%~zF"=="705032704")"),
       joinLengthOnlyPlan + "5000000000 old.bin -"},
  };
  for (const auto& [script, plan] : cases) {
    EXPECT_EQ(describe(readRecombinationScript(script)), plan) << script;
  }
}

TEST(RecombinationScriptReader, ReadsTheWritersScriptForHalfAMillionFragments) {
  constexpr int32_t kCount = 500000;
  std::vector<FragmentName> names;
  names.reserve(kCount);
  const int32_t digits = fragmentDigitCount(kCount);
  for (int32_t i = 1; i <= kCount; ++i) names.push_back(makeFragmentName(i, digits));
  std::string bytes;
  const std::vector<Sha256Digest> digests(kCount);
  emitRecombinationScript("big.bin", names,
                          WrittenData{1457152, int64_t{1457152} * kCount, kSha256, digests, {}},
                          [&bytes](const std::string& line) { bytes += line + "\r\n"; });
  ASSERT_GT(bytes.size(), size_t{64} << 20);
  const std::optional<RecombinationPlan> plan = readRecombinationScript(bytes);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->fragments.size(), static_cast<size_t>(kCount));
  EXPECT_EQ(plan->fragmentName(kCount - 1), "fr500000");
}

TEST(RecombinationScriptReader, RefusesAnythingElse) {
  const std::string base = scriptFor("report.dat", 5, 1024, 4500);
  const std::string big = scriptFor("big.bin", 2, 4294967296, 5000000000);
  const std::string quoted = scriptFor("a & b.bin", 2, 1024, 2000);
  const std::string recovery = scriptFor("big.bin", 3, 1457152, 3000000, kRecoveryFiles);
  const std::string recoveryNote =
      "if exist \"Recomb.par2\" echo Recovery files are present: rebuild the set with "
      "floppysplit --join or a PAR2 program.\r\n";
  const std::string guardedWithRecovery = edited(
      edited(
          edited(std::string(kGuardedScript), "is missing.\r\n", "is missing.\r\n" + recoveryNote),
          "wrong length.\r\n", "wrong length.\r\n" + recoveryNote),
      "del recomb.cmd", "if exist \"Recomb.par2\" del \"Recomb.par2\"\r\ndel recomb.cmd");
  std::string upperSha(kSha256);
  for (char& c : upperSha) c = static_cast<char>(std::toupper(c));
  const std::string cases[] = {
      "",
      "Hello\r\n",
      // Empty lines are refused at the first.
      [] {
        std::string lines;
        for (int i = 0; i < 1000; ++i) lines += "\r\n";
        return lines;
      }(),
      base + "del x\r\n",
      base.substr(0, base.size() - 2),
      edited(base, "setlocal\r\n", "setlocal\r\n\r\n"),
      edited(base, "if exist zzztempb goto inway\r\n", ""),
      edited(base, "\"1024\"", "\"1025\""),
      edited(base, "\"404\"", "\"405\""),
      edited(base, "\"4500\"", "\"4501\""),
      edited(base, "\"4500\"", "\"04500\""),
      edited(base, "\"4500\"", R"("4500" if not "%%~zF"=="4500")"),
      scriptFor("report.dat", 2, 1000, 5000),  // lengths that do not add up to the join
      edited(base, "-hashfile zzztempb", "-hashfile zzztempa"),
      edited(base, kSha256, upperSha),
      edited(base, "fragmen3+fragmen4", "fragmen4+fragmen3"),
      edited(base, "fragmen2", "../fragmen2", true),
      // Names of a count with more digits than five fragments have.
      edited(base, "fragmen", "fragme0", true),
      edited(base, "rename zzztempb", "rename zzztempa"),
      edited(base, "echo report.dat not created.", "echo report.dax not created."),
      edited(base, " report.dat", " \"report.dat\"", true),
      // A name the guarded form never writes: it would land outside the folder.
      edited(base, " report.dat", " ..\\report.dat", true),
      edited(base, " report.dat", " C:report.dat", true),
      edited(base, "goto missing", "goto nocopy"),
      edited(base, "if exist zzztempa del zzztempa\r\n", ""),
      edited(base, "if not defined fs_sha256 goto unchecked\r\n", ""),
      edited(big, "==\"0\"", "==\"1\""),
      edited(big, "\"705032704\" goto nocopy", "\"705032705\" goto nocopy"),
      edited(quoted, "\"a & b.bin\"", "\"\"", true),
      edited(quoted, "\"a & b.bin\"", std::string("\"a\0b\"", 5), true),
      edited(quoted, "a & b.bin", std::string(5000, 'x'), true),
      // The writer's own script, with lines longer than the longest the reader takes.
      scriptFor(std::string(kLongestScriptLine, 'x'), 2, 1024, 2000),
      edited(scriptFor("100%.bin", 2, 1024, 2000), "100%%", "100%", true),
      edited(std::string(kJoinLengthOnlyScript), "if not exist fragmen2 goto nocopy\r\n", ""),
      edited(std::string(kJoinLengthOnlyScript), "\"2500\"", "\"-2500\""),
      edited(std::string(kNamedByLastPartScript), "\"904\"", "\"905\""),
      // Each fragment's own SHA-256: 64 lowercase digits, for every fragment in order.
      edited(base, "set fs_want=0101", "set fs_want=01"),
      edited(base, "set fs_want=0101", "set fs_want=0A01"),
      edited(base, "set fs_frag=fragmen2\r\nset fs_want", "set fs_frag=fragmen3\r\nset fs_want"),
      edited(base, "call :fragsha\r\necho The", "echo The"),
      edited(base, ":fragsha\r\nset fs_got=\r\n", ":fragsha\r\n"),
      // Recovery files: only by the split's names, in this folder, each named where it is
      // deleted and the index in every report of a fragment at fault; only in the newest
      // form, and at most two more than the fragments.
      edited(recovery, "Recomb.vol1+1.par2", "..\\Recomb.vol1+1.par2", true),
      edited(recovery, "Recomb.vol1+1.par2", "report.dat", true),
      edited(recovery, "Recomb.vol1+1.par2", "Recomb.vol1 1.par2", true),
      edited(recovery, "del \"Recomb.vol0+1.par2\"", "del Recomb.vol0+1.par2"),
      edited(recovery, "del \"Recomb.vol0+1.par2\"", "del \"Recomb.vol1+1.par2\""),
      edited(recovery, "if exist \"Recomb.par2\" del \"Recomb.par2\"\r\n", ""),
      edited(recovery, recoveryNote, ""),
      edited(recovery, "call :fragsha\r\n" + recoveryNote, "call :fragsha\r\n"),
      edited(base, "del recomb.cmd",
             "if exist \"Recomb.par2\" del \"Recomb.par2\"\r\ndel recomb.cmd"),
      guardedWithRecovery,
      scriptFor("big.bin", 1, 1024, 1000, kRecoveryFiles),
  };
  for (const std::string& script : cases) {
    EXPECT_EQ(describe(readRecombinationScript(script)), "refused") << script;
  }
}

// A script whose lines a transfer tool turned into LF lines, all or some, is read as the
// one it was; one still refused says at which line, counted from 1, and whether that line
// is too long.
TEST(RecombinationScriptReader, TakesLfLinesAndSaysWhereItRefuses) {
  const std::string base = scriptFor("report.dat", 5, 1024, 4500);
  const std::string plan = describe(readRecombinationScript(base));
  EXPECT_EQ(describe(readRecombinationScript(edited(base, "\r\n", "\n", true))), plan);
  EXPECT_EQ(describe(readRecombinationScript(edited(base, "setlocal\r\n", "setlocal\n"))), plan);
  struct Row {
    std::string script;
    int64_t line;
    bool tooLong;
  };
  const size_t lines = static_cast<size_t>(std::ranges::count(base, '\n'));
  const Row rows[] = {
      {"Hello\r\n", 1, false},
      {edited(base, "setlocal\r\n", "setlocal\r\r\n"), 2, false},
      {edited(base, "setlocal\r\n", "setlocal" + std::string(kLongestScriptLine, ' ') + "\n"), 2,
       true},
      {base + "del x\r\n", static_cast<int64_t>(lines) + 1, false},
      {base + std::string(kLongestScriptLine + 2, 'x'), static_cast<int64_t>(lines) + 1, false},
  };
  for (const Row& row : rows) {
    const ScriptBytes bytes = [script = std::string_view(row.script)](char* data, int64_t capacity,
                                                                      int64_t* got) mutable {
      *got = std::min(capacity, static_cast<int64_t>(script.size()));
      std::copy_n(script.data(), *got, data);
      script.remove_prefix(static_cast<size_t>(*got));
      return kOk;
    };
    const ScriptReading reading = readRecombinationScript(bytes);
    EXPECT_FALSE(reading.plan) << row.script;
    EXPECT_EQ(reading.refusedLine, row.line) << row.script.substr(0, 80);
    EXPECT_EQ(reading.refusedLineTooLong, row.tooLong) << row.script.substr(0, 80);
  }
}

}  // namespace

}  // namespace floppysplit
