// Random dialogues: answer scripts full of noise (unclear answers, blanks, tabs under
// different TABSIZE values, quotes, commas, slashes, repeat counts, CR LF, declined files,
// bad sizes, an early end of input) over inputs of random sizes, each run against the
// built program. Whatever the script, these must hold:
//   - the exit status is 0 or 255; standard error is empty, or (with 255) exactly one
//     report of three "? " lines;
//   - every console line ends with CR LF;
//   - the input is never changed;
//   - the completion text appears exactly when Recomb.cmd was written, and then the
//     fragments that Recomb.cmd deletes are all the files the run made, they are in order
//     and of one size but the last, and joined they give the input back.
// The seeds are fixed, so a failure names the seed that repeats it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// A small generator of its own, so that a seed gives the same case with any standard
// library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  // splitmix64.
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  // 0 to n - 1.
  size_t below(size_t n) { return static_cast<size_t>(next() % n); }
  bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }
  template <typename T>
  const T& pick(const std::vector<T>& choices) {
    return choices[below(choices.size())];
  }

 private:
  uint64_t state_;
};

struct Case {
  std::string inputName;
  std::string inputBytes;
  std::string answers;
  Environment environment;
};

const std::vector<std::string> kYes = {"y",   "Y",   "yes", "Yes please", "y,n", "  y",
                                       "\ty", "3*y", "'y'", "\"Yes\"",    "y/",  "yup"};
const std::vector<std::string> kNo = {"n", "N", "No thanks", "'  n'", "  no", "2*n"};
const std::vector<std::string> kUnclear = {"maybe", "",  ",",  "/", "  x", "'  y'",
                                           "1",     "?", "\t", "*", "3*",  "' '"};
const std::vector<std::string> kBadSizes = {
    "0",  "-5", "abc", "12k", "1.5", "+", "'7'", ",", "/", "2*", "-0", "99999999999999999999",
    "  ", "1e3"};
const std::vector<std::string> kNames = {"big.bin", "data file.dat", "a&b.txt", "x%y'z"};

class DialogueWriter {
 public:
  explicit DialogueWriter(Random& random) : random_(random) {}

  void line(const std::string& text) {
    answers_ += text;
    answers_ += random_.chance(20) ? "\r\n" : "\n";
  }
  void noise() {
    while (random_.chance(25)) line(random_.pick(kUnclear));
  }
  // A yes/no question answered after some noise; true when answered yes.
  bool answer(int yesPercent) {
    noise();
    const bool yes = random_.chance(yesPercent);
    line(random_.pick(yes ? kYes : kNo));
    return yes;
  }
  const std::string& answers() const { return answers_; }

 private:
  Random& random_;
  std::string answers_;
};

std::string around(std::string_view text, std::string_view before, std::string_view after) {
  std::string result(before);
  result += text;
  result += after;
  return result;
}

int64_t someLength(Random& random) {
  switch (random.below(8)) {
    case 0:
      return static_cast<int64_t>(random.below(1100));
    case 1: {
      // Around a multiple of the record length or of a kilobyte.
      const int64_t base = static_cast<int64_t>(random.below(40) + 1) * 512;
      const int64_t offsets[] = {-512, -511, -1, 0, 1, 511, 512};
      return std::max<int64_t>(0, base + offsets[random.below(7)]);
    }
    case 2:
      return random.chance(10) ? 1457152 + static_cast<int64_t>(random.below(3)) - 1
                               : static_cast<int64_t>(random.below(40000));
    default:
      return static_cast<int64_t>(random.below(40000));
  }
}

Case makeCase(uint64_t seed) {
  Random random(seed);
  Case c;
  c.inputName = random.pick(kNames);
  c.inputBytes = patternBytes(someLength(random), static_cast<uint32_t>(seed));
  const std::vector<std::string> tabSizes = {"", "0", "1", "4", "8", "x"};
  const std::string& tabSize = random.pick(tabSizes);
  if (!tabSize.empty()) c.environment.emplace_back("TABSIZE", tabSize);

  DialogueWriter dialogue(random);
  if (dialogue.answer(95)) {
    bool confirmed = false;
    for (int attempt = 0; attempt < 3 && !confirmed; ++attempt) {
      // Names that do not exist, blank names, then the file, with blanks or a tab about it.
      while (random.chance(20)) {
        dialogue.line(random.pick(std::vector<std::string>{"nofile.bin", "", "   ", "\t"}));
      }
      const std::vector<std::string> spellings = {c.inputName, around(c.inputName, "  ", "  "),
                                                  around(c.inputName, "\t", ""),
                                                  around(c.inputName, "", "\t")};
      dialogue.line(random.pick(spellings));
      confirmed = dialogue.answer(85);
    }
    const bool floppySize = dialogue.answer(10);
    if (!floppySize) {
      while (random.chance(35)) dialogue.line(random.pick(kBadSizes));
      const int64_t kilobytes = random.chance(10) ? static_cast<int64_t>(random.below(3000) + 1)
                                                  : static_cast<int64_t>(random.below(8) + 1);
      const std::string digits = std::to_string(kilobytes);
      const std::vector<std::string> forms = {digits, around(digits, "+", ""),
                                              around(digits, "", " KB"), around(digits, "2*", ""),
                                              around(digits, "  ", ",x")};
      dialogue.line(random.pick(forms));
    }
    dialogue.answer(85);
  }
  c.answers = dialogue.answers();
  if (random.chance(15)) c.answers.resize(random.below(c.answers.size() + 1));
  return c;
}

std::string printable(std::string_view text) {
  std::string shown;
  for (const char ch : text) {
    if (ch == '\n') {
      shown += "\\n";
    } else if (ch == '\r') {
      shown += "\\r";
    } else if (ch == '\t') {
      shown += "\\t";
    } else {
      shown += ch;
    }
  }
  return shown;
}

// Whether `text` is one error report: three lines, each starting with "? ".
bool isOneReport(std::string_view text) {
  for (int line = 0; line < 3; ++line) {
    const size_t end = text.find('\n');
    if (!text.starts_with("? ") || end == std::string_view::npos) return false;
    text.remove_prefix(end + 1);
  }
  return text.empty();
}

// Whether the console's last line is one a split shows when it stops at a fault.
bool endsWithAFault(std::string_view out) {
  if (!out.ends_with("\r\n")) return false;
  out.remove_suffix(2);
  const std::string_view last = out.substr(out.rfind('\n') + 1);
  for (const std::string_view start :
       {" Error opening file ", " Cannot split ", " ###Error", " ###EOF seen at record number",
        " Error opening Recomb.cmd:", " Fragment size is larger than the file itself.",
        " Too many fragments:"}) {
    if (last.starts_with(start)) return true;
  }
  return last.starts_with(" Error ") &&
         (last.find("reading through") != std::string_view::npos ||
          last.find("in writing last record") != std::string_view::npos);
}

// Names of fragments 1 to `count` for a run with `count` fragments (up to 999), worked out
// from the count as the program works them out: the random runs cannot list them.
std::vector<std::string> fragmentNames(int32_t count) {
  const int digits = count < 10 ? 1 : count < 100 ? 2 : 3;
  std::vector<std::string> names;
  for (int32_t i = 1; i <= count; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", digits, i);
    names.push_back(std::string("fragmen").substr(0, 8 - static_cast<size_t>(digits)) + number);
  }
  return names;
}

// The number of files the console offered ("Break ... into  N files?"), or 0.
int32_t offeredCount(const std::string& console) {
  const size_t offer = console.rfind(" files?\r\n");
  if (offer == std::string::npos) return 0;
  const size_t digits = console.find_last_not_of("0123456789", offer - 1) + 1;
  return std::stoi(console.substr(digits, offer - digits));
}

std::vector<std::string> folderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void checkCase(uint64_t seed) {
  const Case c = makeCase(seed);
  ScratchFolder folder;
  folder.write(c.inputName, c.inputBytes);
  const RunResult run = runProgram(folder.path(), c.answers, c.environment);

  std::string tabSize = "unset";
  for (const auto& [name, value] : c.environment) tabSize = value;
  SCOPED_TRACE("seed " + std::to_string(seed) + ", input " + c.inputName + " of " +
               std::to_string(c.inputBytes.size()) + " bytes, TABSIZE " + tabSize + ", answers \"" +
               printable(c.answers) + "\"\nconsole:\n" + run.out);

  ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 255) << run.exitCode;
  if (run.exitCode == 255) {
    EXPECT_TRUE(isOneReport(run.err)) << run.err;
  } else {
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode == 1, endsWithAFault(run.out)) << run.exitCode;
  }
  for (size_t at = run.out.find('\n'); at != std::string::npos; at = run.out.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && run.out[at - 1] == '\r') << "a line without CR at byte " << at;
  }
  EXPECT_TRUE(run.out.empty() || run.out.back() == '\n');
  EXPECT_EQ(folder.read(c.inputName), c.inputBytes) << "the input was changed";

  const bool completed = run.out.ends_with(completionText());
  const bool scriptWritten = fs::exists(folder / "Recomb.cmd");
  EXPECT_EQ(completed, scriptWritten);
  if (completed) {
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> fragments = fragmentsDeletedByScript(folder.read("Recomb.cmd"));
    ASSERT_FALSE(fragments.empty());
    EXPECT_EQ(fragments, fragmentNames(static_cast<int32_t>(fragments.size())));
    EXPECT_EQ(joinFiles(folder.path(), fragments), c.inputBytes);
    std::vector<std::string> expectedNames = fragments;
    expectedNames.push_back(c.inputName);
    expectedNames.emplace_back("Recomb.cmd");
    std::sort(expectedNames.begin(), expectedNames.end());
    EXPECT_EQ(folderNames(folder.path()), expectedNames);
    // Full fragments of one size, a whole number of kilobytes; the last no longer.
    const uintmax_t size = fs::file_size(folder / fragments.front());
    EXPECT_EQ(size % 1024, 0u);
    for (size_t i = 0; i + 1 < fragments.size(); ++i) {
      EXPECT_EQ(fs::file_size(folder / fragments[i]), size) << fragments[i];
    }
    EXPECT_GT(fs::file_size(folder / fragments.back()), 0u);
    EXPECT_LE(fs::file_size(folder / fragments.back()), size);
  } else {
    // A run that stops early leaves no fragment beyond those it offered.
    const std::vector<std::string> allowed = fragmentNames(std::min(offeredCount(run.out), 999));
    for (const std::string& name : folderNames(folder.path())) {
      if (name == c.inputName) continue;
      EXPECT_NE(std::find(allowed.begin(), allowed.end(), name), allowed.end()) << name;
    }
  }
}

void checkSeeds(uint64_t first, uint64_t count) {
  for (uint64_t seed = first; seed < first + count; ++seed) {
    checkCase(seed);
    if (::testing::Test::HasFailure()) break;  // one failing case tells enough
  }
}

// Four batches, so that CTest can run them side by side.
TEST(RandomDialogue, Seeds1To75) { checkSeeds(1, 75); }
TEST(RandomDialogue, Seeds76To150) { checkSeeds(76, 75); }
TEST(RandomDialogue, Seeds151To225) { checkSeeds(151, 75); }
TEST(RandomDialogue, Seeds226To300) { checkSeeds(226, 75); }

}  // namespace

}  // namespace floppysplit
