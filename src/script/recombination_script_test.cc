#include "script/recombination_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "split/fragment_names.h"

namespace floppysplit {

namespace {

std::vector<std::string> scriptFor(std::string_view input, int32_t count,
                                   int64_t joinedLength = 1000) {
  std::vector<FragmentName> names;
  const int32_t digits = fragmentDigitCount(count);
  for (int32_t i = 1; i <= count; ++i) names.push_back(makeFragmentName(i, digits));
  return recombinationScriptLines(input, names, joinedLength);
}

bool startsWith(const std::string& line, std::string_view start) {
  return line.rfind(start, 0) == 0;
}

// The copy lines, without the error level checks that follow each of them.
std::vector<std::string> copyBlock(const std::vector<std::string>& script) {
  std::vector<std::string> block;
  for (const std::string& line : script) {
    if (startsWith(line, "copy /b ")) block.push_back(line);
  }
  return block;
}

// The lines between "@echo off" and the first copy line.
std::vector<std::string> guardLines(const std::vector<std::string>& script) {
  std::vector<std::string> guards;
  for (size_t i = 1; i < script.size() && !startsWith(script[i], "copy /b "); ++i) {
    guards.push_back(script[i]);
  }
  return guards;
}

// The line right after the last copy line's error level check.
std::string lineAfterCopies(const std::vector<std::string>& script) {
  size_t last = 0;
  for (size_t i = 0; i < script.size(); ++i) {
    if (startsWith(script[i], "copy /b ")) last = i;
  }
  return last + 2 < script.size() ? script[last + 2] : "";
}

// The temporary the result block renames, and the one it deletes.
std::pair<std::string, std::string> resultAndOther(const std::vector<std::string>& script) {
  std::string result;
  std::string other;
  for (const std::string& line : script) {
    if (line.rfind("rename ", 0) == 0) result = line.substr(7, 8);
    if (line.rfind("del zzztemp", 0) == 0) other = line.substr(4);
  }
  return {result, other};
}

using Lines = std::vector<std::string>;

TEST(RecombinationScript, SevenFragmentsGiveTheWholeThirtyNineLines) {
  EXPECT_EQ(scriptFor("report.dat", 7, 3500000),
            (Lines{"@echo off",
                   "if not exist fragmen1 goto nocopy",
                   "if not exist fragmen2 goto nocopy",
                   "if not exist fragmen3 goto nocopy",
                   "if not exist fragmen4 goto nocopy",
                   "if not exist fragmen5 goto nocopy",
                   "if not exist fragmen6 goto nocopy",
                   "if not exist fragmen7 goto nocopy",
                   "copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa",
                   "if errorlevel 1 goto nocopy",
                   "copy /b zzztempa+fragmen5+fragmen6+fragmen7 /v zzztempb",
                   "if errorlevel 1 goto nocopy",
                   "for %%F in (zzztempb) do if not \"%%~zF\"==\"3500000\" goto nocopy",
                   "if not exist report.dat goto do_ren",
                   "echo report.dat already exists.",
                   "echo Recombined file is zzztempb",
                   "goto ok",
                   ":do_ren",
                   "rename zzztempb report.dat",
                   "if errorlevel 1 goto nocopy",
                   "del zzztempa",
                   "if exist report.dat goto ok",
                   "echo report.dat not created.",
                   "goto end",
                   ":nocopy",
                   "echo Recombination of files failed.",
                   "goto end",
                   ":ok",
                   "Echo Recombination succeeded.",
                   "del fragmen1",
                   "del fragmen2",
                   "del fragmen3",
                   "del fragmen4",
                   "del fragmen5",
                   "del fragmen6",
                   "del fragmen7",
                   "del recomb.cmd",
                   ":end",
                   ""}));
}

TEST(RecombinationScript, CopyLinesGroupFragmentsByFours) {
  EXPECT_EQ(copyBlock(scriptFor("x", 1)), Lines{"copy /b fragmen1 /v zzztempb"});
  EXPECT_EQ(copyBlock(scriptFor("x", 2)), Lines{"copy /b fragmen1+fragmen2 /v zzztempb"});
  EXPECT_EQ(copyBlock(scriptFor("x", 3)), Lines{"copy /b fragmen1+fragmen2+fragmen3 /v zzztempb"});
  EXPECT_EQ(copyBlock(scriptFor("x", 4)),
            Lines{"copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa"});
  EXPECT_EQ(copyBlock(scriptFor("x", 5)),
            (Lines{"copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa",
                   "copy /b zzztempa+fragmen5 /v zzztempb"}));
  EXPECT_EQ(copyBlock(scriptFor("x", 8)),
            (Lines{"copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa",
                   "copy /b zzztempa+fragmen5+fragmen6+fragmen7+fragmen8 /v zzztempb"}));
  EXPECT_EQ(copyBlock(scriptFor("x", 10)),
            (Lines{"copy /b fragme01+fragme02+fragme03+fragme04 /v zzztempa",
                   "copy /b zzztempa+fragme05+fragme06+fragme07+fragme08 /v zzztempb",
                   "copy /b zzztempb+fragme09+fragme10 /v zzztempa"}));
  EXPECT_EQ(copyBlock(scriptFor("x", 13)),
            (Lines{"copy /b fragme01+fragme02+fragme03+fragme04 /v zzztempa",
                   "copy /b zzztempa+fragme05+fragme06+fragme07+fragme08 /v zzztempb",
                   "copy /b zzztempb+fragme09+fragme10+fragme11+fragme12 /v zzztempa",
                   "copy /b zzztempa+fragme13 /v zzztempb"}));
}

TEST(RecombinationScript, EveryFragmentIsCheckedBeforeTheFirstCopy) {
  const std::pair<int32_t, Lines> cases[] = {
      {1, {"if not exist fragmen1 goto nocopy"}},
      {3,
       {"if not exist fragmen1 goto nocopy", "if not exist fragmen2 goto nocopy",
        "if not exist fragmen3 goto nocopy"}},
      {4,
       {"if not exist fragmen1 goto nocopy", "if not exist fragmen2 goto nocopy",
        "if not exist fragmen3 goto nocopy", "if not exist fragmen4 goto nocopy"}},
      {5,
       {"if not exist fragmen1 goto nocopy", "if not exist fragmen2 goto nocopy",
        "if not exist fragmen3 goto nocopy", "if not exist fragmen4 goto nocopy",
        "if not exist fragmen5 goto nocopy"}},
  };
  for (const auto& [count, expected] : cases) {
    EXPECT_EQ(guardLines(scriptFor("x", count)), expected) << count;
  }
  const Lines thirteen = guardLines(scriptFor("x", 13));
  ASSERT_EQ(thirteen.size(), 13u);
  EXPECT_EQ(thirteen.front(), "if not exist fragme01 goto nocopy");
  EXPECT_EQ(thirteen[9], "if not exist fragme10 goto nocopy");
  EXPECT_EQ(thirteen.back(), "if not exist fragme13 goto nocopy");
}

TEST(RecombinationScript, JoinedLengthIsCheckedOnTheResultAfterTheLastCopy) {
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 1, 1024)),
            "for %%F in (zzztempb) do if not \"%%~zF\"==\"1024\" goto nocopy");
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 3, 3000000)),
            "for %%F in (zzztempb) do if not \"%%~zF\"==\"3000000\" goto nocopy");
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 4, 4096)),
            "for %%F in (zzztempa) do if not \"%%~zF\"==\"4096\" goto nocopy");
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 13, 2147483648)),
            "for %%F in (zzztempb) do if not \"%%~zF\"==\"2147483648\" goto nocopy");
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 5, 4294967295)),
            "for %%F in (zzztempb) do if not \"%%~zF\"==\"4294967295\" goto nocopy");
  // From 4 GiB on the low 32 bits are accepted too.
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 10, 4294967296)),
            "for %%F in (zzztempa) do if not \"%%~zF\"==\"4294967296\" "
            "if not \"%%~zF\"==\"0\" goto nocopy");
  EXPECT_EQ(lineAfterCopies(scriptFor("x", 3, 9000000000)),
            "for %%F in (zzztempb) do if not \"%%~zF\"==\"9000000000\" "
            "if not \"%%~zF\"==\"410065408\" goto nocopy");
}

TEST(RecombinationScript, ResultIsTheLastCopyTarget) {
  const std::pair<int32_t, std::pair<std::string, std::string>> cases[] = {
      {1, {"zzztempb", "zzztempa"}},  {2, {"zzztempb", "zzztempa"}}, {3, {"zzztempb", "zzztempa"}},
      {4, {"zzztempa", "zzztempb"}},  {5, {"zzztempb", "zzztempa"}}, {8, {"zzztempb", "zzztempa"}},
      {10, {"zzztempa", "zzztempb"}}, {13, {"zzztempb", "zzztempa"}}};
  for (const auto& [count, expected] : cases) {
    EXPECT_EQ(resultAndOther(scriptFor("x", count)), expected) << count;
  }
}

TEST(RecombinationScript, DeleteLinesNameEveryFragmentThenTheScript) {
  const Lines script = scriptFor("x", 10);
  ASSERT_GE(script.size(), 13u);
  EXPECT_EQ(script[script.size() - 13], "del fragme01");
  EXPECT_EQ(script[script.size() - 4], "del fragme10");
  EXPECT_EQ(script[script.size() - 3], "del recomb.cmd");
  EXPECT_EQ(script[script.size() - 2], ":end");
  EXPECT_EQ(script.back(), "");
}

TEST(RecombinationScript, NamesThatCouldRunCommandsAreQuoted) {
  EXPECT_EQ(scriptFileName("big.bin"), "big.bin");
  EXPECT_EQ(scriptFileName("C:\\data\\my-file_1.{x}[y]~#$@+'"), "C:\\data\\my-file_1.{x}[y]~#$@+'");
  EXPECT_EQ(scriptFileName("a & del x"), "\"a & del x\"");
  EXPECT_EQ(scriptFileName("100%\"done\"|x"), "\"100%%done|x\"");
  EXPECT_EQ(scriptFileName("caf\xc3\xa9"), "\"caf\xc3\xa9\"");
  EXPECT_EQ(scriptFileName("a,b"), "\"a,b\"");

  const Lines script = scriptFor("a & b.bin", 2);
  int quoted = 0;
  for (const std::string& line : script) {
    if (line.find("a & b.bin") == std::string::npos) continue;
    EXPECT_NE(line.find("\"a & b.bin\""), std::string::npos) << line;
    ++quoted;
  }
  EXPECT_EQ(quoted, 5);
}

}  // namespace

}  // namespace floppysplit
