// One table of damaged sets, run against every joiner at hand, each on its own copy of a
// set the native program split: the native --join and a build of it without the system's
// copy (as on Windows, or a POSIX system without copy_file_range); under wine
// (scripts/test-windows.sh) also the command processor running Recomb.cmd and the Windows
// build's --join. For every kind of damage they must print the same lines and leave the
// same files, at 1 KB fragments and at the floppy size. --check (native, and the Windows
// build's) runs on the same copies: it names every fragment at fault, closes with its
// own line and leaves the set as it found it. Sets split with recovery files are rebuilt
// by --join where those suffice, and --check says whether they do; the command processor
// knows nothing of them and does not run those rows. A join that keeps the set (--keep in
// its folder, or --join DIR from another folder, native and the Windows build's) prints
// the same lines, the set kept said after a success, and leaves the set as it found it:
// only the join comes, into the folder it runs in. It runs on the rows whose outcome no
// file beside the set decides. --check DIR from another folder reads the same set.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/immutable_file.h"
#include "support/program_runner.h"
#include "support/scratch_folder.h"
#include "support/split_dialogue.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

constexpr int64_t k1K = 1024;
constexpr int64_t kFloppy = 1457152;

enum class Change {
  none,
  remove,        // the fragment is deleted
  resize,        // the fragment is made `by` bytes longer (or shorter)
  flipByte,      // the fragment's byte at `by` is changed
  addFile,       // a file of that name is written beside the set
  hardLink,      // a hard link of that name to a file "earlier.bin" beside the set
  symbolicLink,  // a symbolic link of that name to a file "earlier.bin" beside the set
  addFolder,     // a folder of that name, holding a file
  linkedAway,    // the fragment moved beside the set as "earlier.bin", a symbolic link left
  undeletable,   // the fragment gets the immutable attribute: this host's own fault
};

struct SetChange {
  Change what = Change::none;
  const char* file = nullptr;
  int64_t by = 0;
};

// Makes the change in `set`; skips the test where this host cannot make it.
void make(const SetChange& change, const ScratchFolder& set) {
  const fs::path file = set / (change.file == nullptr ? "" : change.file);
  switch (change.what) {
    case Change::none:
      break;
    case Change::remove:
      fs::remove(file);
      break;
    case Change::resize:
      fs::resize_file(
          file, static_cast<uintmax_t>(static_cast<int64_t>(fs::file_size(file)) + change.by));
      break;
    case Change::flipByte: {
      std::string bytes = set.read(change.file);
      bytes[static_cast<size_t>(change.by)] ^= 0x20;
      set.write(change.file, bytes);
      break;
    }
    case Change::addFile:
      set.write(change.file, "another file");
      break;
    case Change::hardLink:
      set.write("earlier.bin", "an earlier join");
      fs::create_hard_link(set / "earlier.bin", file);
      break;
    case Change::symbolicLink:
      set.write("earlier.bin", "an earlier join");
      fs::create_symlink("earlier.bin", file);
      break;
    case Change::linkedAway:
      fs::rename(file, set / "earlier.bin");
      fs::create_symlink("earlier.bin", file);
      break;
    case Change::addFolder:
      fs::create_directory(file);
      set.write(std::string(change.file) + "/inside", "kept");
      break;
    case Change::undeletable:
      if (!setImmutable(file, true)) {
        GTEST_SKIP() << "cannot set the immutable attribute here (needs root)";
      }
      break;
  }
}

// What --check prints and ends with, where that is not the row's own lines of fragments
// at fault followed by its closing line.
struct Checked {
  std::vector<std::string> lines;
  int exitCode = 1;
  const char* err = "";
};

struct SetDamage {
  const char* name;
  // The typed name, which may hold a folder, and the fragments it gives.
  const char* typed;
  int fragments;
  int64_t fragmentBytes;  // k1K or kFloppy
  // What happens to each copy of the set before it is joined.
  SetChange change;
  std::vector<std::string> lines;
  // What the folder holds afterwards, beside what the damage left in it.
  struct Outcome {
    // The set as damaged.
    bool setKept = false;
    // The join of all its fragments, under this name.
    const char* joinedAs = nullptr;
    // Of every joiner.
    int exitCode = 0;
    const char* err = "";
  } after;
  // A second change made after the first.
  SetChange more = {};
  // Empty where --check names the fragments the row's lines name.
  Checked checked = {};
  // The recovery files split with the set; with them, a third change.
  int recovery = 0;
  SetChange third = {};
};

// The lines --check prints for `damage`: the fragments the joiners name, then the set's
// state.
Checked checkOutcome(const SetDamage& damage) {
  if (!damage.checked.lines.empty()) return damage.checked;
  Checked checked;
  for (const std::string& line : damage.lines) {
    if (line.ends_with(" is missing.") || line.ends_with(" has the wrong length.") ||
        line.ends_with(" is damaged.")) {
      checked.lines.push_back(line);
    }
  }
  checked.exitCode = checked.lines.empty() ? 0 : 1;
  checked.lines.emplace_back(checked.exitCode == 0 ? "The set is intact." : "The set is damaged.");
  return checked;
}

void PrintTo(const SetDamage& damage, std::ostream* out) { *out << damage.name; }

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Files filesIn(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    files[name] = entry.is_regular_file() ? readAll(entry.path()) : "(folder)";
  }
  return files;
}

// Names and lengths: what a difference is shown as, without megabytes of bytes.
std::string describe(const Files& files) {
  std::string text;
  for (const auto& [name, bytes] : files) text += name + " (" + std::to_string(bytes.size()) + ") ";
  return text;
}

std::vector<std::string> linesOf(std::string out) {
  std::erase(out, '\r');
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

// A copy of the set, damaged as the row says, and undone before it is removed.
class DamagedCopy {
 public:
  DamagedCopy(const SetDamage& damage, const Files& set) : damage_(damage) {
    for (const auto& [name, bytes] : set) folder_.write(name, bytes);
    make(damage.change, folder_);
    make(damage.more, folder_);
    make(damage.third, folder_);
  }
  ~DamagedCopy() {
    if (damage_.change.what == Change::undeletable) {
      setImmutable(folder_ / damage_.change.file, false);
    }
  }
  DamagedCopy(const DamagedCopy&) = delete;
  DamagedCopy& operator=(const DamagedCopy&) = delete;

  const ScratchFolder& folder() const { return folder_; }

 private:
  const SetDamage& damage_;
  ScratchFolder folder_;
};

struct Joiner {
  const char* name;
  std::vector<std::string> command;
  // The command processor: its complaints on standard error are not the program's.
  bool script = false;
  // --check, which changes nothing.
  bool check = false;
  // Keeps the set as it is: only the join comes.
  bool keeps = false;
  // Runs in a folder of its own, which the join goes into, and is given the set's folder.
  bool fromElsewhere = false;
};

// Whether a join that keeps the set ends as the row's: nothing beside the set (a file in the
// way of a temporary or of the join's name) and nothing it would delete decide it.
bool keptAlike(const SetDamage& damage) {
  for (const SetChange& change : {damage.change, damage.more, damage.third}) {
    if (change.what != Change::none && change.what != Change::remove &&
        change.what != Change::resize && change.what != Change::flipByte) {
      return false;
    }
  }
  return std::ranges::none_of(damage.lines, [](const std::string& line) {
    return line.find(" already exists") != std::string::npos;
  });
}

// The row's lines, the set said kept after a success.
std::vector<std::string> keptLines(std::vector<std::string> lines) {
  if (!lines.empty() && lines.back() == "Recombination succeeded.") {
    lines.emplace_back("The fragments and Recomb.cmd are kept.");
  }
  return lines;
}

std::vector<std::string> joinCommand(std::vector<std::string> program,
                                     const char* option = "--join") {
  program.emplace_back(option);
  return program;
}

// Each fragment there with its SHA-256 as it is now.
std::vector<std::pair<std::string, std::string>> fragmentSha256s(
    const fs::path& folder, const std::vector<std::string>& fragments) {
  std::vector<std::pair<std::string, std::string>> table;
  for (const std::string& fragment : fragments) {
    if (fs::is_regular_file(folder / fragment)) {
      table.emplace_back(fragment, sha256sumOf(folder, {fragment}));
    }
  }
  return table;
}

// The native split of the row's set, with its recovery files.
std::vector<std::string> splitCommand(const SetDamage& damage) {
  std::vector<std::string> command = nativeProgramCommand();
  if (damage.recovery > 0) {
    command.insert(command.end(), {"--recovery", std::to_string(damage.recovery)});
  }
  return command;
}

// What every joiner must leave in `folder`, a damaged copy of `set`: the set goes where the
// join takes it (the recovery files where the script names them), and the join comes.
Files expectedFiles(const SetDamage& damage, const Files& set, const fs::path& folder,
                    const std::string& input, const std::vector<std::string>& fragments) {
  Files expected = filesIn(folder);
  const auto script = set.find("Recomb.cmd");
  const bool namesRecovery =
      script != set.end() && script->second.find("Recomb.par2") != std::string::npos;
  if (!damage.after.setKept) {
    for (const auto& [name, content] : set) {
      if (!name.ends_with(".par2") || namesRecovery) expected.erase(name);
    }
  }
  if (damage.after.joinedAs != nullptr) {
    // Rebuilt fragments join to what was split.
    expected[damage.after.joinedAs] = damage.recovery > 0 ? input : joinFiles(folder, fragments);
  }
  return expected;
}

class JoinDamage : public testing::TestWithParam<SetDamage> {};

// What a row leaves: what --check says, the damaged copy as it was, and what the joiners
// that do not keep the set leave of it.
struct RowOutcome {
  const Checked& checked;
  const Files& unchanged;
  const Files& joined;
};

// Runs `joiner` on its own damaged copy of `set` and compares what it prints and leaves.
void expectOutcome(const Joiner& joiner, const SetDamage& damage, const Files& set,
                   const RowOutcome& outcome) {
  const DamagedCopy copy(damage, set);
  const ScratchFolder elsewhere;
  std::vector<std::string> command = joiner.command;
  const std::string dir = fs::relative(copy.folder().path(), elsewhere.path()).string();
  if (joiner.fromElsewhere) command.push_back(dir);
  const RunResult run =
      runCommand(joiner.fromElsewhere ? elsewhere.path() : copy.folder().path(), command, "");
  const Checked& checked = outcome.checked;
  const std::vector<std::string> lines = joiner.check   ? checked.lines
                                         : joiner.keeps ? keptLines(damage.lines)
                                                        : damage.lines;
  EXPECT_EQ(linesOf(run.out), lines) << run.err;
  if (!joiner.script) {
    std::string err = run.err;
    std::erase(err, '\r');
    // A file the program reports is named as reached from where it runs.
    std::string wanted = joiner.check ? checked.err : damage.after.err;
    if (joiner.fromElsewhere && !wanted.empty()) {
      wanted.insert(std::string_view("floppysplit: ").size(), dir + "/");
    }
    EXPECT_EQ(err, wanted);
  }
  EXPECT_EQ(run.exitCode, joiner.check ? checked.exitCode : damage.after.exitCode);
  // A join that keeps the set brings the join alone into the folder it runs in.
  Files joinAlone;
  if (damage.after.joinedAs != nullptr) {
    joinAlone[damage.after.joinedAs] = outcome.joined.at(damage.after.joinedAs);
  }
  copy.folder().waitForUnlock();
  const Files after = filesIn(copy.folder().path());
  Files left = joiner.check || joiner.keeps ? outcome.unchanged : outcome.joined;
  if (joiner.keeps && !joiner.fromElsewhere) left.insert(joinAlone.begin(), joinAlone.end());
  EXPECT_TRUE(after == left) << "left " << describe(after) << "\nnot " << describe(left);
  if (joiner.fromElsewhere) {
    elsewhere.waitForUnlock();
    const Files made = filesIn(elsewhere.path());
    const Files& brought = joiner.check ? Files{} : joinAlone;
    EXPECT_TRUE(made == brought) << "made " << describe(made) << "\nnot " << describe(brought);
  }
}

TEST_P(JoinDamage, EveryJoinerPrintsTheSameLinesAndLeavesTheSameFiles) {
  const SetDamage& damage = GetParam();
  const std::string typed = damage.typed;
  const int64_t bytes = damage.fragmentBytes;
  const std::string input =
      patternBytes(damage.fragments == 1 ? bytes : damage.fragments * bytes - bytes / 10,
                   static_cast<uint32_t>(damage.fragments));
  ScratchFolder home;
  fs::create_directories((home / typed).parent_path());
  home.write(typed, input);
  const std::string sizeAnswers = bytes == kFloppy ? "y\n" : "n\n1\n";
  const RunResult split =
      runCommand(home.path(), splitCommand(damage), "y\n" + typed + "\ny\n" + sizeAnswers + "y\n");
  ASSERT_EQ(split.exitCode, 0) << split.out << split.err;
  Files set;
  std::vector<std::string> fragments;
  for (const auto& [name, content] : filesIn(home.path())) {
    if (name.starts_with("fragme")) fragments.push_back(name);
    if (name.starts_with("fragme") || name.starts_with("Recomb.")) set[name] = content;
  }
  ASSERT_EQ(fragments.size(), static_cast<size_t>(damage.fragments));
  ASSERT_TRUE(joinFiles(home.path(), fragments) == input) << "the split differs from the input";

  // What every joiner must leave, worked out from one damaged copy.
  const DamagedCopy reference(damage, set);
  if (IsSkipped()) return;
  const Files expected = expectedFiles(damage, set, reference.folder().path(), input, fragments);

  std::vector<std::string> keep = joinCommand(nativeProgramCommand());
  keep.emplace_back("--keep");
  std::vector<Joiner> joiners = {
      {"--join", joinCommand(nativeProgramCommand())},
      {"--join without a system copy", joinCommand({FLOPPYSPLIT_NO_SYSTEM_COPY_BINARY})},
      {"--check", joinCommand(nativeProgramCommand(), "--check"), false, true},
      {"--join --keep", keep, false, false, true},
      {"--join DIR", joinCommand(nativeProgramCommand()), false, false, true, true},
      {"--check DIR", joinCommand(nativeProgramCommand(), "--check"), false, true, false, true},
  };
  // The folder that stands for %SystemRoot%: its certutil prints the SHA-256 of each
  // fragment as it is now, and for any other file that of what the fragments join to as
  // they are now, as Windows' own does.
  ScratchFolder systemRoot;
  // A fault of this host's own is left to the program's joiners: the command processor
  // deletes what it can. It also follows a link, which the program's joiners refuse.
  if (testingWindowsBuild() && damage.change.what != Change::undeletable) {
    if (damage.change.what != Change::linkedAway && damage.recovery == 0) {
      joiners.push_back({"cmd",
                         commandProcessorWithCertutil(
                             systemRoot.path(), sha256sumOf(reference.folder().path(), fragments),
                             "Recomb.cmd", fragmentSha256s(reference.folder().path(), fragments)),
                         true});
    }
    joiners.push_back({"Windows --join", joinCommand(programCommand())});
    joiners.push_back({"Windows --check", joinCommand(programCommand(), "--check"), false, true});
    joiners.push_back(
        {"Windows --join DIR", joinCommand(programCommand()), false, false, true, true});
  }

  const Checked checked = checkOutcome(damage);
  const Files unchanged = filesIn(reference.folder().path());
  for (const Joiner& joiner : joiners) {
    if (joiner.keeps && !keptAlike(damage)) continue;
    SCOPED_TRACE(joiner.name);
    expectOutcome(joiner, damage, set, {checked, unchanged, expected});
  }
}

const std::vector<std::string> kSucceeded = {"Recombination succeeded."};
// The fragments named, in order, then the join's mismatch.
std::vector<std::string> damaged(const std::vector<std::string>& fragments) {
  std::vector<std::string> lines;
  lines.reserve(fragments.size() + 2);
  for (const std::string& fragment : fragments) lines.push_back(fragment + " is damaged.");
  lines.insert(lines.end(), {"The recombined file does not match the original.",
                             "Recombination of files failed."});
  return lines;
}
std::vector<std::string> failedAfter(const std::string& line) {
  return {line, "Recombination of files failed."};
}
constexpr SetDamage::Outcome kSetKept = {.setKept = true, .exitCode = 1};
std::vector<std::string> failedAfter2(const std::string& line, const std::string& next) {
  return {line, next, "Recombination of files failed."};
}
// The lines of the fragments at fault, then of each one rebuilt, then the join's.
std::vector<std::string> rebuilt(std::vector<std::string> lines,
                                 const std::vector<std::string>& fragments) {
  for (const std::string& fragment : fragments) {
    lines.push_back(fragment + " was rebuilt from the recovery files.");
  }
  lines.emplace_back("Recombination succeeded.");
  return lines;
}
Checked canRebuild(std::vector<std::string> lines) {
  lines.emplace_back(
      "The set is damaged; the recovery files can rebuild it: run floppysplit --join.");
  return {lines};
}

std::vector<std::string> inTheWay(const std::string& temporary) {
  return failedAfter(temporary + " already exists: move or rename it first.");
}

// A failure leaves the set and removes what the joiner made; a temporary already there is
// somebody's file, and stops the join before anything is made. The join stays in its
// temporary when the name is taken. A fragment that cannot be deleted leaves the join
// standing, nothing else deleted, and the failure in the exit status.
// clang-format off
const SetDamage kSets[] = {
    {"OneFragment", "data.bin", 1, k1K, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"ThreeFragments", "data.bin", 3, k1K, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"FiveFragments", "data.bin", 5, k1K, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"ThirteenFragments", "in/data.bin", 13, k1K, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"Missing", "data.bin", 5, k1K, {Change::remove, "fragmen3"},
     failedAfter("fragmen3 is missing."), kSetKept},
    {"OneByteShort", "data.bin", 5, k1K, {Change::resize, "fragmen2", -1},
     failedAfter("fragmen2 has the wrong length."), kSetKept},
    {"OneByteLong", "data.bin", 5, k1K, {Change::resize, "fragmen5", 1},
     failedAfter("fragmen5 has the wrong length."), kSetKept},
    {"Emptied", "data.bin", 5, k1K, {Change::resize, "fragmen4", -1024},
     failedAfter("fragmen4 has the wrong length."), kSetKept},
    {"OneByteChanged", "data.bin", 13, k1K, {Change::flipByte, "fragme07", 500},
     damaged({"fragme07"}), kSetKept},
    {"NameAlreadyThere", "data.bin", 13, k1K, {Change::addFile, "data.bin"},
     {"data.bin already exists.", "Recombined file is zzztempb", "Recombination succeeded."},
     {.joinedAs = "zzztempb"}},
    {"LastPartIsAFragmentsName", "in/fragmen2", 3, k1K, {},
     {"fragmen2 already exists.", "Recombined file is zzztempb", "Recombination succeeded."},
     {.joinedAs = "zzztempb"}},
    {"LastPartIsTheOtherTemporary", "in/zzztempa", 5, k1K, {}, kSucceeded,
     {.joinedAs = "zzztempa"}},
    {"TemporaryInTheWay", "data.bin", 5, k1K, {Change::addFile, "zzztempa"},
     inTheWay("zzztempa"), kSetKept},
    {"EarlierJoinInTheResultTemporary", "data.bin", 13, k1K, {Change::addFile, "zzztempb"},
     inTheWay("zzztempb"), kSetKept},
    {"HardLinkAtATemporary", "data.bin", 5, k1K, {Change::hardLink, "zzztempb"},
     inTheWay("zzztempb"), kSetKept},
    {"SymbolicLinkAtATemporary", "data.bin", 3, k1K, {Change::symbolicLink, "zzztempa"},
     inTheWay("zzztempa"), kSetKept},
    {"FolderAtATemporary", "data.bin", 3, k1K, {Change::addFolder, "zzztempb"},
     inTheWay("zzztempb"), kSetKept},
    {"FloppiesThreeAndATail", "data.bin", 4, kFloppy, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"FloppiesThirteen", "data.bin", 13, kFloppy, {}, kSucceeded, {.joinedAs = "data.bin"}},
    {"FloppiesOneByteChanged", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen2", 1000000},
     damaged({"fragmen2"}), kSetKept},
    {"FloppiesTwoChanged", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen1", 0},
     damaged({"fragmen1", "fragmen3"}), kSetKept, {Change::flipByte, "fragmen3", 1457151}},
    {"FloppiesFinalChanged", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen4", 1311436},
     damaged({"fragmen4"}), kSetKept},
    // The joiners stop at the first fragment missing; --check names every fault.
    {"FloppiesChangedAndMissing", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen2", 700000},
     failedAfter("fragmen3 is missing."), kSetKept, {Change::remove, "fragmen3"},
     {{"fragmen2 is damaged.", "fragmen3 is missing.", "The set is damaged."}}},
    {"FloppiesOneByteShort", "data.bin", 4, kFloppy, {Change::resize, "fragmen3", -1},
     failedAfter("fragmen3 has the wrong length."), kSetKept},
    {"FragmentIsALink", "data.bin", 5, k1K, {Change::linkedAway, "fragmen2"},
     {"Recombination of files failed."},
     {.setKept = true, .exitCode = 1,
      .err = "floppysplit: fragmen2 is not a regular file; nothing was joined\n"},
     {},
     {{"The set is damaged."}, 1, "floppysplit: fragmen2 is not a regular file\n"}},
    {"FragmentCannotBeDeleted", "data.bin", 3, k1K, {Change::undeletable, "fragmen1"},
     {"Recombination succeeded.", "Recombination of files failed."},
     {.setKept = true, .joinedAs = "data.bin", .exitCode = 1,
      .err = "floppysplit: fragmen1: Operation not permitted\n"}},
    // Two recovery volumes, or one: --join rebuilds what they can, --check says so.
    {"RecoveryIntact", "data.bin", 5, k1K, {}, kSucceeded, {.joinedAs = "data.bin"}, {}, {}, 2},
    {"RecoveryOneMissing", "data.bin", 5, k1K, {Change::remove, "fragmen3"},
     rebuilt({"fragmen3 is missing."}, {"fragmen3"}), {.joinedAs = "data.bin"}, {},
     canRebuild({"fragmen3 is missing."}), 2},
    {"RecoveryFirstAndFinalMissing", "data.bin", 5, k1K, {Change::remove, "fragmen1"},
     rebuilt({"fragmen1 is missing.", "fragmen5 is missing."}, {"fragmen1", "fragmen5"}),
     {.joinedAs = "data.bin"}, {Change::remove, "fragmen5"},
     canRebuild({"fragmen1 is missing.", "fragmen5 is missing."}), 2},
    {"RecoveryOneCut", "data.bin", 5, k1K, {Change::resize, "fragmen4", -10},
     rebuilt({"fragmen4 has the wrong length."}, {"fragmen4"}), {.joinedAs = "data.bin"}, {},
     canRebuild({"fragmen4 has the wrong length."}), 1},
    {"RecoveryOneChanged", "data.bin", 5, k1K, {Change::flipByte, "fragmen2", 3},
     rebuilt({"fragmen2 is damaged."}, {"fragmen2"}), {.joinedAs = "data.bin"}, {},
     canRebuild({"fragmen2 is damaged."}), 2},
    {"RecoveryMissingAndChanged", "data.bin", 5, k1K, {Change::remove, "fragmen1"},
     rebuilt({"fragmen1 is missing.", "fragmen3 is damaged."}, {"fragmen1", "fragmen3"}),
     {.joinedAs = "data.bin"}, {Change::flipByte, "fragmen3", 1000},
     canRebuild({"fragmen1 is missing.", "fragmen3 is damaged."}), 2},
    // One too many: nothing is written, nothing renamed.
    {"RecoveryTooFewForMissingAndChanged", "data.bin", 5, k1K, {Change::remove, "fragmen2"},
     {"fragmen2 is missing.", "fragmen4 is damaged.",
      "2 fragments are damaged or missing; the recovery files can rebuild 1.",
      "Recombination of files failed."},
     kSetKept, {Change::flipByte, "fragmen4", 0},
     {{"fragmen2 is missing.", "fragmen4 is damaged.",
       "2 fragments are damaged or missing; the recovery files can rebuild 1."}},
     1},
    {"RecoveryVolumeDamaged", "data.bin", 5, k1K, {Change::remove, "fragmen3"},
     rebuilt({"fragmen3 is missing."}, {"fragmen3"}), {.joinedAs = "data.bin"},
     {Change::flipByte, "Recomb.vol0+1.par2", 200}, canRebuild({"fragmen3 is missing."}), 2},
    {"RecoveryVolumeDamagedTooFew", "data.bin", 5, k1K, {Change::remove, "fragmen3"},
     {"fragmen3 is missing.", "fragmen5 is missing.",
      "2 fragments are damaged or missing; the recovery files can rebuild 1.",
      "Recombination of files failed."},
     kSetKept, {Change::flipByte, "Recomb.vol1+1.par2", 100},
     {{"fragmen3 is missing.", "fragmen5 is missing.",
       "2 fragments are damaged or missing; the recovery files can rebuild 1."}},
     2, {Change::remove, "fragmen5"}},
    {"RecoveryIndexCopyMissing", "data.bin", 5, k1K, {Change::remove, "fragmen2"},
     rebuilt({"fragmen2 is missing."}, {"fragmen2"}), {.joinedAs = "data.bin"},
     {Change::remove, "Recomb.par2"}, canRebuild({"fragmen2 is missing."}), 2},
    {"RecoveryIndexMissing", "data.bin", 5, k1K, {Change::remove, "fragmen2"},
     failedAfter2("fragmen2 is missing.", "The recovery index is missing: nothing can be rebuilt."),
     kSetKept, {Change::remove, "Recomb.par2"},
     {{"fragmen2 is missing.", "The recovery index is missing: nothing can be rebuilt."}}, 2,
     {Change::remove, "Recomb.index2.par2"}},
    {"RecoveryDamagedFragmentInTheWay", "data.bin", 5, k1K, {Change::flipByte, "fragmen2", 7},
     failedAfter2("fragmen2 is damaged.",
                  "fragmen2.damaged already exists: move or rename it first."),
     kSetKept, {Change::addFile, "fragmen2.damaged"}, canRebuild({"fragmen2 is damaged."}), 2},
    {"FloppiesRecoveryTwoChanged", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen1", 5},
     rebuilt({"fragmen1 is damaged.", "fragmen4 is damaged."}, {"fragmen1", "fragmen4"}),
     {.joinedAs = "data.bin"}, {Change::flipByte, "fragmen4", 1311436},
     canRebuild({"fragmen1 is damaged.", "fragmen4 is damaged."}), 2},
    // The final fragment, of an odd length, is read for the rebuild of another.
    {"FloppiesRecoveryFirstMissing", "data.bin", 4, kFloppy, {Change::remove, "fragmen1"},
     rebuilt({"fragmen1 is missing."}, {"fragmen1"}), {.joinedAs = "data.bin"}, {},
     canRebuild({"fragmen1 is missing."}), 1},
    {"FloppiesRecoveryFinalMissing", "data.bin", 4, kFloppy, {Change::remove, "fragmen4"},
     rebuilt({"fragmen4 is missing."}, {"fragmen4"}), {.joinedAs = "data.bin"}, {},
     canRebuild({"fragmen4 is missing."}), 1},
    {"FloppiesRecoveryTooFewChanged", "data.bin", 4, kFloppy, {Change::flipByte, "fragmen2", 9},
     {"fragmen2 is damaged.", "fragmen3 is damaged.",
      "2 fragments are damaged or missing; the recovery files can rebuild 1.",
      "The recombined file does not match the original.", "Recombination of files failed."},
     kSetKept, {Change::flipByte, "fragmen3", 99},
     {{"fragmen2 is damaged.", "fragmen3 is damaged.",
       "2 fragments are damaged or missing; the recovery files can rebuild 1."}},
     1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Sets, JoinDamage, testing::ValuesIn(kSets),
                         [](const testing::TestParamInfo<SetDamage>& param) {
                           return param.param.name;
                         });

}  // namespace

}  // namespace floppysplit
