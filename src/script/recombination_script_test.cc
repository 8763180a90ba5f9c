#include "script/recombination_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "split/fragment_names.h"

namespace {

std::vector<std::string> scriptFor(std::string_view input, int32_t count) {
  std::vector<FragmentName> names;
  const int32_t digits = fragmentDigitCount(count);
  for (int32_t i = 1; i <= count; ++i) names.push_back(makeFragmentName(i, digits));
  return recombinationScriptLines(input, names);
}

// The lines from "@echo off" up to the first line of the result block.
std::vector<std::string> copyBlock(const std::vector<std::string>& script) {
  std::vector<std::string> block;
  for (size_t i = 1; i < script.size() && script[i].rfind("if not exist", 0) != 0; ++i) {
    if (script[i] != "if errorlevel 1 goto nocopy") block.push_back(script[i]);
  }
  return block;
}

// The temporary the result block renames, and the one it deletes.
std::pair<std::string, std::string> resultAndOther(const std::vector<std::string>& script) {
  std::string result, other;
  for (const std::string& line : script) {
    if (line.rfind("rename ", 0) == 0) result = line.substr(7, 8);
    if (line.rfind("del zzztemp", 0) == 0) other = line.substr(4);
  }
  return {result, other};
}

using Lines = std::vector<std::string>;

TEST(RecombinationScript, SevenFragmentsGiveTheWholeThirtyOneLines) {
  EXPECT_EQ(scriptFor("report.dat", 7),
            (Lines{"@echo off",
                   "copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa",
                   "if errorlevel 1 goto nocopy",
                   "copy /b zzztempa+fragmen5+fragmen6+fragmen7 /v zzztempb",
                   "if errorlevel 1 goto nocopy",
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
