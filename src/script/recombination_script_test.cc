#include "script/recombination_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "script/fragment_name.h"

namespace floppysplit {

namespace {

constexpr std::string_view kSha256 =
    "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

// The script for `count` fragments that hold `joinedLength` bytes together, each but the
// last `fragmentSize` bytes (by default as many as the count needs), with `recoveryFiles`
// beside them.
std::vector<std::string> scriptFor(std::string_view input, int32_t count,
                                   int64_t joinedLength = 1000, int64_t fragmentSize = 0,
                                   std::span<const std::string> recoveryFiles = {}) {
  std::vector<FragmentName> names;
  const int32_t digits = fragmentDigitCount(count);
  for (int32_t i = 1; i <= count; ++i) names.push_back(makeFragmentName(i, digits));
  if (fragmentSize == 0) fragmentSize = (joinedLength + count - 1) / count;
  // Fragment i's own SHA-256 stands as 32 bytes of i.
  std::vector<Sha256Digest> digests(names.size());
  for (size_t i = 0; i < digests.size(); ++i) digests[i].fill(static_cast<unsigned char>(i + 1));
  return recombinationScriptLines(
      input, names, WrittenData{fragmentSize, joinedLength, kSha256, digests, recoveryFiles});
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

// The lines between the temporaries' guards and the first copy line.
std::vector<std::string> guardLines(const std::vector<std::string>& script) {
  std::vector<std::string> guards;
  for (size_t i = 6; i < script.size() && !startsWith(script[i], "copy /b "); ++i) {
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

// The temporary the result block renames, and the one deleted before it; empty unless the
// hash check reads the renamed one.
std::pair<std::string, std::string> resultAndOther(const std::vector<std::string>& script) {
  std::string result;
  std::string other;
  std::string hashed;
  for (const std::string& line : script) {
    if (line.rfind("rename ", 0) == 0) result = line.substr(7, 8);
    if (other.empty() && line.rfind("if exist zzztemp", 0) == 0 &&
        line.ends_with(" del " + line.substr(9, 8))) {
      other = line.substr(9, 8);
    }
    const size_t at = line.find("certutil -hashfile ");
    // The join's hash check comes before the lines that hash each fragment.
    if (hashed.empty() && at != std::string::npos) hashed = line.substr(at + 19, 8);
  }
  if (hashed != result) return {};
  return {result, other};
}

using Lines = std::vector<std::string>;

// `pair` 32 times: a digest of 32 equal bytes in hexadecimal.
std::string repeated(std::string_view pair) {
  std::string hex;
  for (int i = 0; i < 32; ++i) hex += pair;
  return hex;
}

TEST(RecombinationScript, SevenFragmentsGiveTheWholeScript) {
  const std::string certutilLine =
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile zzztempb )"
      R"(SHA256 2^>nul') do if not defined fs_sha256 set "fs_sha256=%%H")";
  const std::string damagedLine =
      R"(if defined fs_got if /i not "%fs_got%"=="%fs_want%" echo %fs_frag% is damaged.)";
  const std::string fragmentCertutilLine =
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile )"
      R"(%fs_frag% SHA256 2^>nul') do if not defined fs_got set "fs_got=%%H")";
  EXPECT_EQ(scriptFor("report.dat", 7, 3500000, 512000),
            (Lines{"@echo off",
                   "setlocal",
                   "set fs_frag=zzztempa",
                   "if exist zzztempa goto inway",
                   "set fs_frag=zzztempb",
                   "if exist zzztempb goto inway",
                   "set fs_frag=fragmen1",
                   "if not exist fragmen1 goto missing",
                   "for %%F in (fragmen1) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen2",
                   "if not exist fragmen2 goto missing",
                   "for %%F in (fragmen2) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen3",
                   "if not exist fragmen3 goto missing",
                   "for %%F in (fragmen3) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen4",
                   "if not exist fragmen4 goto missing",
                   "for %%F in (fragmen4) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen5",
                   "if not exist fragmen5 goto missing",
                   "for %%F in (fragmen5) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen6",
                   "if not exist fragmen6 goto missing",
                   "for %%F in (fragmen6) do if not \"%%~zF\"==\"512000\" goto wronglength",
                   "set fs_frag=fragmen7",
                   "if not exist fragmen7 goto missing",
                   "for %%F in (fragmen7) do if not \"%%~zF\"==\"428000\" goto wronglength",
                   "copy /b fragmen1+fragmen2+fragmen3+fragmen4 /v zzztempa",
                   "if errorlevel 1 goto nocopy",
                   "copy /b zzztempa+fragmen5+fragmen6+fragmen7 /v zzztempb",
                   "if errorlevel 1 goto nocopy",
                   "for %%F in (zzztempb) do if not \"%%~zF\"==\"3500000\" goto nocopy",
                   "set fs_sha256=",
                   certutilLine,
                   "if defined fs_sha256 set \"fs_sha256=%fs_sha256: =%\"",
                   "if defined fs_sha256 if not \"%fs_sha256:~64%\"==\"\" set fs_sha256=",
                   "if defined fs_sha256 if \"%fs_sha256:~63%\"==\"\" set fs_sha256=",
                   "if defined fs_sha256 if /i not \"%fs_sha256%\"==\"" + std::string(kSha256) +
                       "\" goto mismatch",
                   "if exist zzztempa del zzztempa",
                   "if not exist report.dat goto do_ren",
                   "echo report.dat already exists.",
                   "echo Recombined file is zzztempb",
                   "goto ok",
                   ":do_ren",
                   "rename zzztempb report.dat",
                   "if errorlevel 1 goto nocopy",
                   "if exist report.dat goto ok",
                   "echo report.dat not created.",
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
                   "set fs_want=" + repeated("01"),
                   "call :fragsha",
                   "set fs_frag=fragmen2",
                   "set fs_want=" + repeated("02"),
                   "call :fragsha",
                   "set fs_frag=fragmen3",
                   "set fs_want=" + repeated("03"),
                   "call :fragsha",
                   "set fs_frag=fragmen4",
                   "set fs_want=" + repeated("04"),
                   "call :fragsha",
                   "set fs_frag=fragmen5",
                   "set fs_want=" + repeated("05"),
                   "call :fragsha",
                   "set fs_frag=fragmen6",
                   "set fs_want=" + repeated("06"),
                   "call :fragsha",
                   "set fs_frag=fragmen7",
                   "set fs_want=" + repeated("07"),
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
                   "if defined fs_got set \"fs_got=%fs_got: =%\"",
                   "if defined fs_got if not \"%fs_got:~64%\"==\"\" set fs_got=",
                   "if defined fs_got if \"%fs_got:~63%\"==\"\" set fs_got=",
                   damagedLine,
                   "exit /b 0",
                   ":ok",
                   "Echo Recombination succeeded.",
                   "if not defined fs_sha256 goto unchecked",
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

  // Beside recovery files: the line about them after each report of a fragment at fault,
  // and their deletes after the fragments'; nothing else changes.
  const std::string recoveryLine =
      "if exist \"Recomb.par2\" echo Recovery files are present: rebuild the set with "
      "floppysplit --join or a PAR2 program.";
  Lines withRecovery = scriptFor("report.dat", 7, 3500000, 512000);
  const auto insertAfter = [&withRecovery](const std::string& anchor, const Lines& lines) {
    const auto at = std::find(withRecovery.rbegin(), withRecovery.rend(), anchor);
    ASSERT_NE(at, withRecovery.rend()) << anchor;
    withRecovery.insert(at.base(), lines.begin(), lines.end());
  };
  insertAfter("echo %fs_frag% is missing.", {recoveryLine});
  insertAfter("echo %fs_frag% has the wrong length.", {recoveryLine});
  insertAfter("call :fragsha", {recoveryLine});
  insertAfter("del fragmen7", {R"(if exist "Recomb.par2" del "Recomb.par2")",
                               R"(if exist "Recomb.index2.par2" del "Recomb.index2.par2")",
                               R"(if exist "Recomb.vol0+1.par2" del "Recomb.vol0+1.par2")",
                               R"(if exist "Recomb.vol1+1.par2" del "Recomb.vol1+1.par2")"});
  const std::string recoveryFiles[] = {"Recomb.par2", "Recomb.index2.par2", "Recomb.vol0+1.par2",
                                       "Recomb.vol1+1.par2"};
  EXPECT_EQ(scriptFor("report.dat", 7, 3500000, 512000, recoveryFiles), withRecovery);
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

// The three lines that check fragment `name` for `length` bytes.
Lines fragmentCheck(const std::string& name, const std::string& length) {
  return {"set fs_frag=" + name, "if not exist " + name + " goto missing",
          "for %%F in (" + name + ") do if not \"%%~zF\"==" + length + " goto wronglength"};
}

Lines joined(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(RecombinationScript, EveryFragmentIsCheckedBeforeTheFirstCopy) {
  const std::tuple<int32_t, int64_t, int64_t, Lines> cases[] = {
      {1, 1024, 1457152, fragmentCheck("fragmen1", "\"1024\"")},
      {3, 3000000, 1457152,
       joined({fragmentCheck("fragmen1", "\"1457152\""), fragmentCheck("fragmen2", "\"1457152\""),
               fragmentCheck("fragmen3", "\"85696\"")})},
      // Full fragments only: the last holds a whole fragment too.
      {4, 4096, 1024,
       joined({fragmentCheck("fragmen1", "\"1024\""), fragmentCheck("fragmen2", "\"1024\""),
               fragmentCheck("fragmen3", "\"1024\""), fragmentCheck("fragmen4", "\"1024\"")})},
      // A final fragment the input shrank to nothing while it was split.
      {5, 4096, 1024,
       joined({fragmentCheck("fragmen1", "\"1024\""), fragmentCheck("fragmen2", "\"1024\""),
               fragmentCheck("fragmen3", "\"1024\""), fragmentCheck("fragmen4", "\"1024\""),
               fragmentCheck("fragmen5", "\"0\"")})},
      // From 4 GiB on a fragment's low 32 bits are accepted too.
      {2, 5000000000, 4294967296,
       joined({fragmentCheck("fragmen1", R"("4294967296" if not "%%~zF"=="0")"),
               fragmentCheck("fragmen2", "\"705032704\"")})},
      {1, 9000000000, 9000000000,
       fragmentCheck("fragmen1", R"("9000000000" if not "%%~zF"=="410065408")")},
  };
  for (const auto& [count, length, fragmentSize, expected] : cases) {
    EXPECT_EQ(guardLines(scriptFor("x", count, length, fragmentSize)), expected) << count;
  }
  const Lines thirteen = guardLines(scriptFor("x", 13));
  ASSERT_EQ(thirteen.size(), 39u);
  EXPECT_EQ(thirteen.front(), "set fs_frag=fragme01");
  EXPECT_EQ(thirteen[28], "if not exist fragme10 goto missing");
  EXPECT_EQ(thirteen.back(), "for %%F in (fragme13) do if not \"%%~zF\"==\"76\" goto wronglength");
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

// The lines from the test whether the joined name exists to the report that it was not
// created, and the line after it.
Lines outcomeBlock(const Lines& script) {
  Lines block;
  for (const std::string& line : script) {
    if (block.empty() && !(startsWith(line, "if not exist ") && line.ends_with(" goto do_ren"))) {
      continue;
    }
    block.push_back(line);
    if (block.size() == 10) break;
  }
  return block;
}

// What the script does with the joined file, for the result temporary `result` under the
// script name `name`.
Lines outcomeFor(const std::string& name, const std::string& result) {
  return {"if not exist " + name + " goto do_ren",
          "echo " + name + " already exists.",
          "echo Recombined file is " + result,
          "goto ok",
          ":do_ren",
          "rename " + result + " " + name,
          "if errorlevel 1 goto nocopy",
          "if exist " + name + " goto ok",
          "echo " + name + " not created.",
          "goto nocopy"};
}

TEST(RecombinationScript, JoinsUnderTheLastPartOfTheTypedNameMadeAPlainFileName) {
  const std::tuple<std::string, int32_t, Lines> cases[] = {
      {"big.bin", 2, outcomeFor("big.bin", "zzztempb")},
      {"../sub/big.bin", 2, outcomeFor("big.bin", "zzztempb")},
      {"sub\\big.bin", 4, outcomeFor("big.bin", "zzztempa")},
      {"C:big.bin", 2, outcomeFor("big.bin", "zzztempb")},
      {"C:\\data\\big.bin", 2, outcomeFor("big.bin", "zzztempb")},
      {"my files/a & b.bin", 2, outcomeFor("\"a & b.bin\"", "zzztempb")},
      // No drive, stream or quote is left in the name.
      {"/home/u/x:y.bin", 2, outcomeFor("x_y.bin", "zzztempb")},
      {"x/C:y", 2, outcomeFor("C_y", "zzztempb")},
      {"say \"hi\".txt", 2, outcomeFor("\"say hi.txt\"", "zzztempb")},
      // Where the last part is empty, the whole name stands in for it.
      {"a\\", 2, outcomeFor("a_", "zzztempb")},
      {"C:", 2, outcomeFor("C_", "zzztempb")},
      {"in/dir/", 2, outcomeFor("in_dir_", "zzztempb")},
      {"\"", 2, outcomeFor("_", "zzztempb")},
      // The other temporary is gone before the name is tested; a fragment's name is there.
      {"zzztempa", 5, outcomeFor("zzztempa", "zzztempb")},
      {"in/fragmen1", 2, outcomeFor("fragmen1", "zzztempb")},
  };
  for (const auto& [input, count, expected] : cases) {
    EXPECT_EQ(outcomeBlock(scriptFor(input, count)), expected) << input;
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
  EXPECT_EQ(scriptFileName("a&b.bin"), "\"a&b.bin\"");
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
