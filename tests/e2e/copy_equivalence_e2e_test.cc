// The program copies runs of records many at a time. These tests hold it to what a build
// that moves every record on its own does with the same work: the same console bytes, exit
// status and files, byte for byte, also when the input shrinks after it was chosen and
// when a write fails part-way.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/program_session.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

constexpr int64_t kRecord = 512;
const std::string kOkPrompt = " OK (Y for yes, N for no)?\r\n";

// Everything a run leaves: what it printed and every file in its folder.
struct Outcome {
  RunResult run;
  std::map<std::string, std::string> files;
};

std::map<std::string, std::string> folderFiles(const ScratchFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    files[name] = entry.is_regular_file() ? folder.read(name) : "(not a file)";
  }
  return files;
}

// Where two byte strings first differ, in words, or nothing when they are equal.
std::string difference(const std::string& fast, const std::string& reference) {
  if (fast == reference) return "";
  size_t at = 0;
  while (at < fast.size() && at < reference.size() && fast[at] == reference[at]) ++at;
  return std::to_string(fast.size()) + " bytes against " + std::to_string(reference.size()) +
         ", first difference at byte " + std::to_string(at);
}

void expectSameOutcome(const Outcome& fast, const Outcome& reference) {
  EXPECT_EQ(fast.run.out, reference.run.out);
  EXPECT_EQ(fast.run.err, reference.run.err);
  EXPECT_EQ(fast.run.exitCode, reference.run.exitCode);
  std::string fastNames;
  std::string referenceNames;
  for (const auto& entry : fast.files) fastNames += entry.first + " ";
  for (const auto& entry : reference.files) referenceNames += entry.first + " ";
  EXPECT_EQ(fastNames, referenceNames);
  for (const auto& [name, bytes] : fast.files) {
    const auto other = reference.files.find(name);
    if (other == reference.files.end()) continue;
    EXPECT_EQ(difference(bytes, other->second), "") << name;
  }
}

// One piece of work for both builds: how to fill the folder, the answers up to the last
// question, what happens to the input while the program waits for that last answer, and
// the limits the program runs under.
struct Work {
  std::function<void(const ScratchFolder&)> prepare;
  std::string answers;
  std::function<void(const ScratchFolder&)> beforeLastAnswer = [](const ScratchFolder&) {};
  SessionOptions setup;
};

Outcome runWork(const std::string& binary, const Work& work) {
  ScratchFolder folder;
  work.prepare(folder);
  SessionOptions options = work.setup;
  options.command = {binary};
  ProgramSession program(folder.path(), options);
  program.writeInput(work.answers);
  // The answer to "OK?" is held back until the prompt is out, so that the input can be
  // changed after it was chosen and before any of it is copied.
  if (program.waitForOutput(kOkPrompt)) {
    work.beforeLastAnswer(folder);
    program.writeInput("y\n");
  }
  Outcome outcome;
  outcome.run = program.finish();
  outcome.files = folderFiles(folder);
  return outcome;
}

// Runs the work with both builds and compares everything; returns the faster build's run.
Outcome expectBothBuildsAgree(const Work& work) {
  Outcome fast = runWork(FLOPPYSPLIT_BINARY, work);
  const Outcome reference = runWork(FLOPPYSPLIT_RECORD_COPY_BINARY, work);
  expectSameOutcome(fast, reference);
  return fast;
}

// Answers that name the input "in" and choose `kilobytes` pieces, without the last "y".
std::string answersFor(int64_t kilobytes) {
  return "y\nin\ny\nn\n" + std::to_string(kilobytes) + "\n";
}

// Fragment files left by an earlier, longer run: the new run must replace them exactly as
// the reference does, old bytes beyond what it writes included.
void writeLeftovers(const ScratchFolder& folder, int64_t piece) {
  for (const char* name : {"fragmen1", "fragmen2", "fragmen3", "fragmen4", "fragmen5"}) {
    folder.write(name, std::string(static_cast<size_t>(piece + 3000), name[7]));
  }
}

Work splitWork(int64_t length, int64_t kilobytes, bool leftovers) {
  Work work;
  work.prepare = [=](const ScratchFolder& folder) {
    folder.write("in", patternBytes(length, static_cast<uint32_t>(length)));
    if (leftovers) writeLeftovers(folder, kilobytes * 1024);
  };
  work.answers = answersFor(kilobytes);
  return work;
}

class CopyEquivalence : public testing::Test {
 protected:
  void SetUp() override {
    if (testingWindowsBuild()) GTEST_SKIP() << "the record-by-record build is a native one";
  }
};

// 3 KB pieces go through the program's buffer; 200 KB pieces (400 records) are copied by
// the system where it can, and a final fragment of more than 256 whole records is too.
TEST_F(CopyEquivalence, SizesAroundEveryBoundaryGiveTheSameFilesAndConsole) {
  int runs = 0;
  for (const int64_t kilobytes : {int64_t{3}, int64_t{200}}) {
    const int64_t piece = kilobytes * 1024;
    std::vector<int64_t> bases = {piece, 2 * piece};
    if (piece > 257 * kRecord) {
      bases.push_back(2 * piece + 256 * kRecord);
      bases.push_back(2 * piece + 257 * kRecord);
    }
    for (const int64_t base : bases) {
      for (int64_t records = -1; records <= 1; ++records) {
        for (int64_t bytes = -1; bytes <= 1; ++bytes) {
          const int64_t length = base + records * kRecord + bytes;
          if (length < piece) continue;
          SCOPED_TRACE(std::to_string(kilobytes) + " KB pieces, input of " +
                       std::to_string(length) + " bytes");
          const Outcome fast = expectBothBuildsAgree(splitWork(length, kilobytes, ++runs % 2 == 0));
          EXPECT_NE(fast.run.out.find("Normal exit."), std::string::npos);
        }
      }
    }
  }
}

TEST_F(CopyEquivalence, FloppySizeGivesTheSameFragments) {
  Work work = splitWork(3000000, 0, false);
  work.answers = "y\nin\ny\ny\n";
  const Outcome fast = expectBothBuildsAgree(work);
  EXPECT_EQ(fast.files.at("fragmen3").size(), 85696u);
}

// The input is cut to `shrunk` bytes between the answer that chose it and the copy.
Work shrinkingWork(int64_t kilobytes, int64_t length, int64_t shrunk) {
  Work work;
  work.prepare = [=](const ScratchFolder& folder) {
    folder.write("in", patternBytes(length, 5));
    writeLeftovers(folder, kilobytes * 1024);
  };
  work.answers = answersFor(kilobytes);
  work.beforeLastAnswer = [=](const ScratchFolder& folder) {
    fs::resize_file(folder / "in", static_cast<uintmax_t>(shrunk));
  };
  return work;
}

TEST_F(CopyEquivalence, InputThatShrankAfterItWasChosenEndsAtTheSameRecord) {
  for (const int64_t kilobytes : {int64_t{3}, int64_t{200}}) {
    const int64_t piece = kilobytes * 1024;
    // Three full fragments and a final one of several whole records and a tail.
    const int64_t finalRecords = piece / kRecord - 3;
    const int64_t length = 3 * piece + finalRecords * kRecord + 100;
    struct Shrink {
      const char* where;
      int64_t to;
      int exitCode;  // 1 where a missing whole record stops the split
    };
    for (const Shrink& shrink : {
             Shrink{"inside the second fragment", piece + (finalRecords - 1) * kRecord + 100, 1},
             Shrink{"at the end of the second fragment", 2 * piece, 1},
             Shrink{"inside the final fragment's whole records", 3 * piece + kRecord + 50, 1},
             Shrink{"before the final fragment's last whole record",
                    3 * piece + (finalRecords - 1) * kRecord, 1},
             Shrink{"inside the tail", 3 * piece + finalRecords * kRecord + 40, 0},
             Shrink{"at the start of the tail", 3 * piece + finalRecords * kRecord, 0},
             Shrink{"to nothing", 0, 1},
             Shrink{"nowhere: it grew", length + 5000, 0},
         }) {
      SCOPED_TRACE(std::to_string(kilobytes) + " KB pieces, input cut " + shrink.where);
      const Outcome fast = expectBothBuildsAgree(shrinkingWork(kilobytes, length, shrink.to));
      EXPECT_EQ(fast.run.exitCode, shrink.exitCode);
      if (shrink.to < 3 * piece) {
        EXPECT_NE(fast.run.out.find("###EOF seen at record number"), std::string::npos);
      }
    }
  }
}

TEST_F(CopyEquivalence, WriteFailingPartWayFailsAtTheSameRecordAndLeavesTheSameBytes) {
  for (const int64_t kilobytes : {int64_t{3}, int64_t{200}}) {
    const int64_t piece = kilobytes * 1024;
    const int64_t records = piece / kRecord;
    for (const int64_t limit :
         {int64_t{300}, (records / 2) * kRecord, (records / 2) * kRecord + 100, piece - 1}) {
      SCOPED_TRACE(std::to_string(kilobytes) + " KB pieces, files limited to " +
                   std::to_string(limit) + " bytes");
      Work work = splitWork(3 * piece + 1000, kilobytes, false);
      work.setup.fileSizeLimit = static_cast<uint64_t>(limit);
      const Outcome fast = expectBothBuildsAgree(work);
      EXPECT_NE(fast.run.out.find(" ###Error  27  writing fragmen1\r\n"), std::string::npos)
          << fast.run.out;
      EXPECT_EQ(fast.run.exitCode, 1);
      EXPECT_EQ(fast.files.at("fragmen1").size(), static_cast<size_t>(limit));
    }
  }
}

// A fragment name that is a device refusing every write (a node of /dev/full's kind): the
// system will not copy into it, and the program's own writes fail at the first record.
TEST_F(CopyEquivalence, FragmentThatTakesNoBytesFailsAtTheSameRecord) {
  struct stat full {};
  if (::stat("/dev/full", &full) != 0) GTEST_SKIP() << "no /dev/full on this host";
  {
    const ScratchFolder probe;
    if (::mknod((probe / "full").c_str(), S_IFCHR | 0666, full.st_rdev) != 0) {
      GTEST_SKIP() << "cannot make a device node here (needs root)";
    }
  }
  for (const int64_t kilobytes : {int64_t{3}, int64_t{200}}) {
    SCOPED_TRACE(std::to_string(kilobytes) + " KB pieces");
    Work work = splitWork(3 * kilobytes * 1024 + 1000, kilobytes, false);
    work.prepare = [prepare = work.prepare, device = full.st_rdev](const ScratchFolder& folder) {
      prepare(folder);
      ::mknod((folder / "fragmen2").c_str(), S_IFCHR | 0666, device);
    };
    const Outcome fast = expectBothBuildsAgree(work);
    EXPECT_NE(fast.run.out.find(" ###Error  28  writing fragmen2\r\n"), std::string::npos)
        << fast.run.out;
    EXPECT_EQ(fast.run.exitCode, 1);
  }
}

// Where the system will not copy between the two files, the program copies through its
// buffer instead.
TEST_F(CopyEquivalence, InputOnAnotherFileSystemGivesTheSameFiles) {
  const fs::path shared = "/dev/shm";
  struct stat sharedInfo;
  struct stat tempInfo;
  if (::stat(shared.c_str(), &sharedInfo) != 0 ||
      ::stat(fs::temp_directory_path().c_str(), &tempInfo) != 0 ||
      sharedInfo.st_dev == tempInfo.st_dev) {
    GTEST_SKIP() << "no /dev/shm on a file system of its own on this host";
  }
  ScratchFolder elsewhere(shared);
  const int64_t piece = int64_t{200} * 1024;
  const int64_t length = 3 * piece + 300 * kRecord + 77;
  elsewhere.write("in", patternBytes(length, 9));
  const std::string name = (elsewhere / "in").string();
  ASSERT_LE(name.size(), 80u);
  Work work;
  work.prepare = [](const ScratchFolder&) {};
  work.answers = "y\n" + name + "\ny\nn\n200\n";
  const Outcome fast = expectBothBuildsAgree(work);
  EXPECT_EQ(fast.files.at("fragmen4"), elsewhere.read("in").substr(3 * piece));
}

}  // namespace

}  // namespace floppysplit
