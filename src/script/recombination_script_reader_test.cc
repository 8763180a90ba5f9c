#include "script/recombination_script_reader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "script/recombination_script.h"
#include "split/fragment_names.h"

namespace floppysplit {

namespace {

constexpr std::string_view kSha256 =
    "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

// Recomb.cmd as the writer writes it for `count` fragments holding `length` bytes, each
// but the last `fragmentSize`.
std::string scriptFor(std::string_view input, int32_t count, int64_t fragmentSize, int64_t length) {
  std::vector<FragmentName> names;
  for (int32_t i = 1; i <= count; ++i) names.push_back(makeFragmentName(i, count < 10 ? 1 : 2));
  std::string bytes;
  for (const std::string& line :
       recombinationScriptLines(input, names, WrittenData{fragmentSize, length, kSha256})) {
    bytes += line + "\r\n";
  }
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
  for (const FragmentToJoin& fragment : plan->fragments) {
    text += fragment.name;
    if (fragment.length) text += '=' + std::to_string(*fragment.length);
    text += ' ';
  }
  return text + "-> " + std::string(plan->result) + " not " + std::string(plan->other) + " " +
         std::to_string(plan->joinedLength) + " " + plan->joinedName + " " +
         plan->sha256.value_or("-");
}

// What a split into `count` fragments of `fragmentSize` bytes, the last one holding the
// rest of `length`, checks.
std::string planOf(int32_t count, int64_t fragmentSize, int64_t length, std::string_view name,
                   std::string_view result) {
  std::string text;
  for (int32_t i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    text += (count < 10          ? "fragmen"
             : number.size() < 2 ? "fragme0"
                                 : "fragme") +
            number + "=" +
            std::to_string(i < count ? fragmentSize : length - (count - 1) * fragmentSize) + " ";
  }
  return text + "-> " + std::string(result) + " not " +
         (result == "zzztempa" ? "zzztempb" : "zzztempa") + " " + std::to_string(length) + " " +
         std::string(name) + " " + std::string(kSha256);
}

const std::string kFirstRelease =
    "@echo off\r\nif not exist fragmen1 goto nocopy\r\nif not exist fragmen2 goto nocopy\r\n"
    "copy /b fragmen1+fragmen2 /v zzztempb\r\nif errorlevel 1 goto nocopy\r\n"
    "for %%F in (zzztempb) do if not \"%%~zF\"==\"3000000\" goto nocopy\r\n"
    "if not exist C:\\data\\report.dat goto do_ren\r\necho C:\\data\\report.dat already exists.\r\n"
    "echo Recombined file is zzztempb\r\ngoto ok\r\n:do_ren\r\n"
    "rename zzztempb C:\\data\\report.dat\r\nif errorlevel 1 goto nocopy\r\ndel zzztempa\r\n"
    "if exist C:\\data\\report.dat goto ok\r\necho C:\\data\\report.dat not created.\r\n"
    "goto end\r\n:nocopy\r\necho Recombination of files failed.\r\ngoto end\r\n:ok\r\n"
    "Echo Recombination succeeded.\r\ndel fragmen1\r\ndel fragmen2\r\ndel "
    "recomb.cmd\r\n:end\r\n\r\n";
const std::string kFirstReleasePlan = "fragmen1 fragmen2 -> zzztempb not zzztempa";

TEST(RecombinationScriptReader, ReadsWhatTheWriterWritesAndWrote) {
  const std::string big = scriptFor("big.bin", 2, 4294967296, 5000000000);
  const std::string keptJoin = "rename zzztempb zzztempa\r\nif errorlevel 1 goto nocopy\r\n";
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
      {big, planOf(2, 4294967296, 5000000000, "big.bin", "zzztempb")},
      // Written before the joined name was cut to its last part: a folder, and the other
      // temporary deleted even under its own name.
      {edited(big, " big.bin", " \"../sub/big.bin\"", true),
       planOf(2, 4294967296, 5000000000, "../sub/big.bin", "zzztempb")},
      {scriptFor("zzztempa", 2, 1024, 2000), planOf(2, 1024, 2000, "zzztempa", "zzztempb")},
      {edited(scriptFor("zzztempa", 2, 1024, 2000), keptJoin, keptJoin + "del zzztempa\r\n"),
       planOf(2, 1024, 2000, "zzztempa", "zzztempb")},
      {kFirstRelease, kFirstReleasePlan + " 3000000 C:\\data\\report.dat -"},
      {edited(kFirstRelease, "\"3000000\"", R"("5000000000" if not "%%~zF"=="705032704")"),
       kFirstReleasePlan + " 5000000000 C:\\data\\report.dat -"},
  };
  for (const auto& [script, plan] : cases) {
    EXPECT_EQ(describe(readRecombinationScript(script)), plan) << script;
  }
}

TEST(RecombinationScriptReader, RefusesAnythingElse) {
  const std::string base = scriptFor("report.dat", 5, 1024, 4500);
  const std::string big = scriptFor("big.bin", 2, 4294967296, 5000000000);
  const std::string quoted = scriptFor("a & b.bin", 2, 1024, 2000);
  std::string upperSha(kSha256);
  for (char& c : upperSha) c = static_cast<char>(std::toupper(c));
  const std::string cases[] = {
      "",
      "Hello\r\n",
      edited(base, "\r\n", "\n", true),
      base + "del x\r\n",
      base.substr(0, base.size() - 2),
      edited(base, "setlocal\r\n", "setlocal\r\n\r\n"),
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
      edited(base, "rename zzztempb", "rename zzztempa"),
      edited(base, "echo report.dat not created.", "echo report.dax not created."),
      edited(base, " report.dat", " \"report.dat\"", true),
      edited(base, "goto missing", "goto nocopy"),
      edited(base, "del zzztempa\r\n", ""),
      edited(big, "==\"0\"", "==\"1\""),
      edited(big, "\"705032704\" goto nocopy", "\"705032705\" goto nocopy"),
      edited(quoted, "\"a & b.bin\"", "\"\"", true),
      edited(quoted, "\"a & b.bin\"", std::string("\"a\0b\"", 5), true),
      edited(scriptFor("100%.bin", 2, 1024, 2000), "100%%", "100%", true),
      edited(kFirstRelease, "if not exist fragmen2 goto nocopy\r\n", ""),
      edited(kFirstRelease, "\"3000000\"", "\"-3000000\""),
  };
  for (const std::string& script : cases) {
    EXPECT_EQ(describe(readRecombinationScript(script)), "refused") << script;
  }
}

}  // namespace

}  // namespace floppysplit
