#include "files/record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "files/medium_check.h"
#include "files/written_files.h"
#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "platform/sha256.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

constexpr Unit kUnit = 10;
constexpr OnFailure kStatus = OnFailure::returnStatus;

// Runs each test inside a fresh folder, as the program runs in the user's current folder.
class RecordFile : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(folder_.path());
  }
  void TearDown() override {
    closeAllUnits();
    fs::current_path(previous_);
  }

  ScratchFolder folder_;
  fs::path previous_;
};

TEST_F(RecordFile, PartialOrMissingRecordsAreEndOfFileAndLeaveTheTarget) {
  const std::string bytes = patternBytes(1000);
  folder_.write("data", bytes);
  ASSERT_EQ(openRecordFile(kUnit, "data", ExistenceRule::mustExist, 512, Action::read, kStatus),
            kOk);
  std::array<char, 512> target{};
  ASSERT_EQ(readRecord(kUnit, 1, target.data(), kStatus), kOk);
  EXPECT_EQ(std::string(target.data(), 512), bytes.substr(0, 512));
  target.fill('z');
  EXPECT_EQ(readRecord(kUnit, 2, target.data(), kStatus), kEndOfFile);
  EXPECT_EQ(readRecord(kUnit, 3, target.data(), kStatus), kEndOfFile);
  EXPECT_EQ(std::string(target.data(), 512), std::string(512, 'z'));
  EXPECT_EQ(readRecord(kUnit, 0, target.data(), kStatus), kIllegalRecordNumber);
}

TEST_F(RecordFile, ByteRecordsReachTheLastByteExactly) {
  const std::string bytes = patternBytes(1000);
  folder_.write("data", bytes);
  ASSERT_EQ(openRecordFile(kUnit, "data", ExistenceRule::mustExist, 1, Action::read, kStatus), kOk);
  char byte = 0;
  ASSERT_EQ(readRecord(kUnit, 1000, &byte, kStatus), kOk);
  EXPECT_EQ(byte, bytes[999]);
  EXPECT_EQ(readRecord(kUnit, 1001, &byte, kStatus), kEndOfFile);
}

TEST_F(RecordFile, OpenOrCreateKeepsWhatIsNotWrittenOver) {
  const std::string old = patternBytes(2000, 7);
  folder_.write("data", old);
  ASSERT_EQ(openRecordFile(kUnit, "data", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
            kOk);
  const std::string fresh = patternBytes(1024, 8);
  ASSERT_EQ(writeRecord(kUnit, 1, fresh.data(), kStatus), kOk);
  ASSERT_EQ(writeRecord(kUnit, 2, fresh.data() + 512, kStatus), kOk);
  ASSERT_EQ(closeFile(kUnit, kStatus), kOk);
  EXPECT_EQ(folder_.read("data"), fresh + old.substr(1024));
}

// Only an open that made a new file counts as creating it; every other name opens (or
// fails) exactly as a plain open-or-create would.
TEST_F(RecordFile, OpenTellsWhetherItCreatedTheFile) {
  folder_.write("old", "kept");
  ASSERT_EQ(openRecordFile(10, "new", ExistenceRule::openOrCreate, 1, Action::write, kStatus), kOk);
  ASSERT_EQ(openRecordFile(11, "old", ExistenceRule::openOrCreate, 1, Action::write, kStatus), kOk);
  ASSERT_EQ(openRecordFile(12, "old", ExistenceRule::mustExist, 1, Action::read, kStatus), kOk);
  EXPECT_TRUE(unitCreatedFile(10));
  EXPECT_FALSE(unitCreatedFile(11));
  EXPECT_FALSE(unitCreatedFile(12));
  EXPECT_FALSE(unitCreatedFile(13));
#ifndef _WIN32
  // A link is never followed by a file the program writes: a dangling one creates nothing,
  // one to a file leaves that file as it was.
  fs::create_symlink("target", "link");
  EXPECT_EQ(openRecordFile(13, "link", ExistenceRule::openOrCreate, 1, Action::write, kStatus),
            ELOOP);
  EXPECT_FALSE(fs::exists("target"));
  fs::create_symlink("old", "linkToOld");
  EXPECT_EQ(openTextFile(13, "linkToOld", kStatus), ELOOP);
  fs::create_directory("stuff");
  EXPECT_EQ(openRecordFile(14, "stuff", ExistenceRule::openOrCreate, 1, Action::write, kStatus),
            EISDIR);
#endif
  closeAllUnits();
  EXPECT_EQ(folder_.read("old"), "kept");
}

TEST_F(RecordFile, TextFileReplacesLongerOldContents) {
  folder_.write("text", std::string(20000, 'o'));
  ASSERT_EQ(openTextFile(12, "text", kStatus), kOk);
  ASSERT_EQ(writeTextLines(12, {"first"}, kStatus), kOk);
  ASSERT_EQ(writeTextLines(12, {"second"}, kStatus), kOk);
  ASSERT_EQ(closeFile(12, kStatus), kOk);
  EXPECT_EQ(folder_.read("text"), "first\r\nsecond\r\n");
}

TEST_F(RecordFile, TextFileLargerThanItsBufferIsWrittenWhole) {
  folder_.write("text", std::string(100000, 'o'));
  ASSERT_EQ(openTextFile(12, "text", kStatus), kOk);
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "line " +
                             std::string(i < 10     ? 4
                                         : i < 100  ? 3
                                         : i < 1000 ? 2
                                                    : 1,
                                         ' ') +
                             std::to_string(i);
    ASSERT_EQ(writeTextLines(12, {line}, kStatus), kOk);
    expected += line + "\r\n";
  }
  ASSERT_EQ(closeFile(12, kStatus), kOk);
  EXPECT_EQ(folder_.read("text"), expected);
}

TEST_F(RecordFile, MissingFileUnderMustExistIsNotFoundAndNotCreated) {
  EXPECT_EQ(openRecordFile(kUnit, "absent", ExistenceRule::mustExist, 512, Action::read, kStatus),
            ENOENT);
  EXPECT_EQ(folder_.listing(), "");
}

TEST_F(RecordFile, NamesLoseTheirBlanksAndEmptyNamesAreRefused) {
  folder_.write("big.bin", "x");
  EXPECT_EQ(
      openRecordFile(kUnit, "  big.bin   ", ExistenceRule::mustExist, 1, Action::read, kStatus),
      kOk);
  EXPECT_EQ(openRecordFile(11, "      ", ExistenceRule::openOrCreate, 1, Action::write, kStatus),
            kBadFileSpecification);
}

TEST_F(RecordFile, UnconnectedUnitsCloseQuietlyAndRefuseTransfers) {
  EXPECT_EQ(closeFile(kUnit, kStatus), kOk);
  char byte = 0;
  EXPECT_EQ(readRecord(kUnit, 1, &byte, kStatus), kUnitNotConnected);
  EXPECT_EQ(writeRecord(kUnit, 1, &byte, kStatus), kUnitNotConnected);
  EXPECT_EQ(folder_.listing(), "");
}

TEST_F(RecordFile, QueryReportsTheSizeOnlyOfConnectedFiles) {
  folder_.write("five", "12345");
  int64_t size = -7;
  EXPECT_TRUE(queryFile("five", &size));
  EXPECT_EQ(size, -7);
  ASSERT_EQ(openFile(kUnit, "five", kStatus), kOk);
  EXPECT_TRUE(queryFile("five", &size));
  EXPECT_EQ(size, 5);
  EXPECT_FALSE(queryFile("absent", &size));
  EXPECT_EQ(size, 0);
  // openFile never creates a missing file.
  EXPECT_EQ(openFile(11, "absent", kStatus), ENOENT);
  EXPECT_FALSE(queryFile("absent", &size));
  ASSERT_EQ(closeFile(kUnit, kStatus), kOk);
  EXPECT_EQ(folder_.listing(), "five\n");
}

TEST_F(RecordFile, RecordsBeyondFourGibibytesInASparseFile) {
  ASSERT_EQ(
      openRecordFile(kUnit, "sparse", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
      kOk);
  const int64_t record = (int64_t{5} << 30) / 512 + 3;  // starts past 5 GiB
  const std::string bytes = patternBytes(512, 3);
  ASSERT_EQ(writeRecord(kUnit, record, bytes.data(), kStatus), kOk);
  std::array<char, 512> target{};
  ASSERT_EQ(readRecord(kUnit, record, target.data(), kStatus), kOk);
  EXPECT_EQ(std::string(target.data(), 512), bytes);
  EXPECT_EQ(readRecord(kUnit, record + 1, target.data(), kStatus), kEndOfFile);
  ASSERT_EQ(closeFile(kUnit, kStatus), kOk);
  EXPECT_EQ(fs::file_size(folder_ / "sparse"), static_cast<uintmax_t>(record * 512));
}

// A short run goes through the program's buffer, a long one (more than 256 records) to the
// system; both stop before the source's partial last record and touch nothing else.
TEST_F(RecordFile, CopyRecordsMovesWholeRecordsOnlyAndStopsBeforeAPartialOne) {
  for (const int64_t records : {int64_t{10}, int64_t{600}}) {
    SCOPED_TRACE(std::to_string(records) + " whole records in the source");
    const std::string source = patternBytes(records * 512 + 100, 4);
    const std::string old = patternBytes(records * 512 + 5000, 5);
    folder_.write("source", source);
    folder_.write("target", old);
    ASSERT_EQ(openRecordFile(10, "source", ExistenceRule::mustExist, 512, Action::read, kStatus),
              kOk);
    ASSERT_EQ(
        openRecordFile(11, "target", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
        kOk);
    // Records 3 onward go to positions 2 onward; record records + 1 is only 100 bytes long.
    EXPECT_EQ(copyRecords(10, 3, 11, 2, records + 50), records - 2);
    ASSERT_EQ(closeFile(11, kStatus), kOk);
    const std::string copied = source.substr(1024, static_cast<size_t>(records - 2) * 512);
    EXPECT_EQ(folder_.read("target"),
              old.substr(0, 512) + copied + old.substr(512 + copied.size()));
    closeFile(10, kStatus);
  }
}

TEST_F(RecordFile, CopyRecordsLeavesWhatItCannotCopyToTheCaller) {
  folder_.write("source", patternBytes(4096, 4));
  ASSERT_EQ(openRecordFile(10, "source", ExistenceRule::mustExist, 512, Action::read, kStatus),
            kOk);
  ASSERT_EQ(openRecordFile(11, "target", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
            kOk);
  ASSERT_EQ(openRecordFile(12, "bytes", ExistenceRule::openOrCreate, 1, Action::write, kStatus),
            kOk);
  EXPECT_EQ(copyRecords(10, 9, 11, 1, 4), 0);  // record 9 is past the end
  EXPECT_EQ(copyRecords(10, 1, 12, 1, 4), 0);  // record lengths differ
  EXPECT_EQ(copyRecords(10, 1, 13, 1, 4), 0);  // nothing connected to 13
  closeAllUnits();
  EXPECT_EQ(fs::file_size(folder_ / "target"), 0u);
  EXPECT_EQ(fs::file_size(folder_ / "bytes"), 0u);
}

TEST_F(RecordFile, SameFileIsRecognisedThroughOtherNames) {
  folder_.write("one", "1");
  fs::create_hard_link(folder_ / "one", folder_ / "link");
  ASSERT_EQ(openRecordFile(10, "one", ExistenceRule::mustExist, 1, Action::read, kStatus), kOk);
  ASSERT_EQ(openRecordFile(11, "./link", ExistenceRule::mustExist, 1, Action::read, kStatus), kOk);
  EXPECT_TRUE(unitsShareFile(10, 11));
  EXPECT_TRUE(unitHoldsFile(10, "link"));
  EXPECT_FALSE(unitHoldsFile(10, "absent"));
}

// The SHA-256 of `bytes`, from the platform's own hash.
std::string sha256Of(const std::string& bytes) {
  Sha256 sha;
  std::string hex;
  EXPECT_EQ(sha.start(), kOk);
  EXPECT_EQ(sha.add(bytes.data(), static_cast<int64_t>(bytes.size())), kOk);
  EXPECT_EQ(sha.finish(&hex), kOk);
  return hex;
}

TEST_F(RecordFile, DataHashReadsBackTheBytesHandedInOrderBeforeTheyAreWrittenOver) {
  const std::string first = patternBytes(700000, 3);
  const std::string second = patternBytes(1000, 4);
  folder_.write("second", second + "not handed");
  beginWrittenFiles(2, OwnDigestsWanted::no);
  ASSERT_EQ(
      openRecordFile(kUnit, "first", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
      kOk);
  folder_.write("first", first);
  ASSERT_FALSE(handOverWrittenFile(kUnit, 700000, {}));
  ASSERT_EQ(closeFile(kUnit, kStatus), kOk);
  // The same file opened again waits for the hash to read it before it can be written over.
  ASSERT_EQ(
      openRecordFile(kUnit, "first", ExistenceRule::openOrCreate, 512, Action::write, kStatus),
      kOk);
  std::array<char, 512> other{};
  ASSERT_EQ(writeRecord(kUnit, 1, other.data(), kStatus), kOk);
  ASSERT_EQ(
      openRecordFile(kUnit + 1, "second", ExistenceRule::mustExist, 1, Action::write, kStatus),
      kOk);
  ASSERT_FALSE(handOverWrittenFile(kUnit + 1, 1000, {}));

  std::string hex;
  ASSERT_FALSE(finishDataHash(&hex, {}));
  EXPECT_EQ(hex, sha256Of(first + second));
  // A set that wants no file's own SHA-256 has nothing read for one.
  EXPECT_TRUE(takeWrittenFileDigests().empty());
}

// A fault shows as soon as the second thread finds it, without waiting for another file or
// for the end; and the next set starts without it.
TEST_F(RecordFile, FileShorterThanHandedIsAFaultBeforeAnotherIsHandedOver) {
  folder_.write("data", patternBytes(1000));
  beginWrittenFiles(2, OwnDigestsWanted::no);
  ASSERT_EQ(openRecordFile(kUnit, "data", ExistenceRule::mustExist, 512, Action::read, kStatus),
            kOk);
  ASSERT_FALSE(handOverWrittenFile(kUnit, 1001, {}));
  WrittenFileFault fault;
  for (int waited = 0; waited < 1000 && !fault; ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    fault = writtenFilesFault();
  }
  EXPECT_EQ(fault.step, WrittenFileStep::readBack);
  EXPECT_EQ(fault.status, kEndOfFile);
  EXPECT_EQ(fault.file, 1);
  EXPECT_EQ(handOverWrittenFile(kUnit, 1000, {}).file, 1);
  std::string hex = "untouched";
  EXPECT_EQ(finishDataHash(&hex, {}).step, WrittenFileStep::readBack);
  EXPECT_EQ(hex, "untouched");

  beginWrittenFiles(0, OwnDigestsWanted::no);
  ASSERT_FALSE(finishDataHash(&hex, {}));
  EXPECT_EQ(hex, sha256Of(""));
}

// Files handed over are flushed and read back from the medium; what the medium gives back
// is held against the bytes read back when each was handed over. Here a file changed after
// the hand-over stands for a medium that gives back other bytes.
TEST_F(RecordFile, CheckFromTheMediumNamesTheLowestFileThatHoldsOtherBytes) {
  struct Case {
    const char* change;
    std::function<void(const ScratchFolder&)> make;
    WrittenFileStep step;
    Status status;
    int32_t file;
  };
  const auto changeByte = [](const ScratchFolder& folder, const char* name) {
    std::string bytes = folder.read(name);
    bytes[bytes.size() / 2] ^= 1;
    folder.write(name, bytes);
  };
  const Case cases[] = {
      {"nothing", [](const ScratchFolder&) {}, WrittenFileStep::none, kOk, 0},
      {"one byte of the third", [&](const ScratchFolder& f) { changeByte(f, "f3"); },
       WrittenFileStep::otherBytesOnMedium, kOk, 3},
      {"the second one byte shorter",
       [](const ScratchFolder& f) { f.write("f2", f.read("f2").substr(1)); },
       WrittenFileStep::otherBytesOnMedium, kOk, 2},
      {"the second one byte longer",
       [](const ScratchFolder& f) { f.write("f2", f.read("f2") + "x"); },
       WrittenFileStep::otherBytesOnMedium, kOk, 2},
      {"the first holding the third's bytes, as on a medium that wraps",
       [](const ScratchFolder& f) { f.write("f1", f.read("f3")); },
       WrittenFileStep::otherBytesOnMedium, kOk, 1},
      {"the second gone, the third changed",
       [&](const ScratchFolder& f) {
         fs::remove(f / "f2");
         changeByte(f, "f3");
       },
       WrittenFileStep::readFromMedium, ENOENT, 2},
  };
  const auto nameOf = [](int32_t n) { return std::string("f").append(std::to_string(n)); };
  // Small files are read several at a time, large ones alone in long reads.
  for (const int64_t length : {int64_t{1000}, int64_t{200000}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(length) + "-byte files, changed: " + c.change);
      beginWrittenFiles(3, OwnDigestsWanted::yes);
      for (int32_t n = 1; n <= 3; ++n) {
        folder_.write(nameOf(n), patternBytes(length + n, static_cast<uint32_t>(n)));
        ASSERT_EQ(
            openRecordFile(kUnit, nameOf(n), ExistenceRule::mustExist, 1, Action::write, kStatus),
            kOk);
        ASSERT_FALSE(handOverWrittenFile(kUnit, length + n, {}));
        ASSERT_EQ(closeFile(kUnit, kStatus), kOk);
      }
      std::string hex;
      ASSERT_FALSE(finishDataHash(&hex, {}));
      ASSERT_FALSE(flushWrittenFiles(nameOf, {}));
      c.make(folder_);
      const WrittenFileFault fault = checkWrittenFilesOnMedium(nameOf, {});
      EXPECT_EQ(fault.step, c.step);
      EXPECT_EQ(fault.status, c.status);
      EXPECT_EQ(fault.file, c.file);
      // Each file's own SHA-256, whichever thread took it, handed over rather than kept.
      const std::vector<Sha256Digest> digests = takeWrittenFileDigests();
      for (int32_t n = 1; n <= 3 && !fault; ++n) {
        EXPECT_EQ(hexDigits(digests[static_cast<size_t>(n) - 1]),
                  sha256Of(folder_.read(nameOf(n))));
      }
      EXPECT_TRUE(takeWrittenFileDigests().empty());
    }
  }
}

// Both threads that take the files' own SHA-256 after the copy, the hashers from the cache
// while the flush runs and the check from the medium, take every digest still wanted, from
// the file it belongs to, and leave those taken before them as they are.
TEST_F(RecordFile, OwnDigestsAreTakenWhereStillWanted) {
  const auto nameOf = [](int32_t n) { return std::string("f").append(std::to_string(n)); };
  std::vector<FileChecksumValue> checksums;
  FileChecksum checksum;
  for (int32_t n = 1; n <= 3; ++n) {
    const std::string bytes = patternBytes(1457152 + n, static_cast<uint32_t>(n));
    folder_.write(nameOf(n), bytes);
    checksum.start();
    checksum.add(bytes.data(), static_cast<int64_t>(bytes.size()));
    checksums.push_back(checksum.value());
  }
  Sha256Digest takenBefore;
  takenBefore.fill(7);
  const std::function<void(OwnDigests&)> takers[] = {
      [&](OwnDigests& own) { ASSERT_FALSE(checkOnMedium(checksums, 1457155, nameOf, {}, own)); },
      [&](OwnDigests& own) {
        std::atomic<int32_t> next = 1;
        const std::atomic<bool> stop = false;
        std::vector<char> buffer(32768);
        Sha256 sha;
        takeOwnDigestsFromCache(next, 3, nameOf, buffer.data(), 32768, sha, stop, own);
      },
  };
  for (const auto& take : takers) {
    OwnDigests own;
    own.reset(3);
    *own.slot(2) = takenBefore;
    own.markTaken(2);
    take(own);
    EXPECT_EQ(hexDigits(own.digests[0]), sha256Of(folder_.read("f1")));
    EXPECT_EQ(own.digests[1], takenBefore);
    EXPECT_EQ(hexDigits(own.digests[2]), sha256Of(folder_.read("f3")));
    EXPECT_FALSE(own.wanted(1) || own.wanted(3));
  }
}

#ifndef _WIN32
// A flush of the file system that failed while the files were written is reported only to
// it: the flush at the end then succeeds, and the files are still flushed one by one to
// find the one at fault. Here that is a file no longer there. (Windows flushes each file
// alone, and has no flush of a file system to fail earlier.)
TEST_F(RecordFile, EarlierFlushFailureIsLookedForFileByFile) {
  OwnedFile folder;
  ASSERT_EQ(osOpenFolder(".", folder.receive()), kOk);
  const OsFile handle = folder.get();
  const auto nameOf = [](int32_t) { return std::string("gone"); };
  OwnDigests own;
  EXPECT_FALSE(flushToMedium(&handle, 1, nameOf, {}, kOk, own));
  const WrittenFileFault fault = flushToMedium(&handle, 1, nameOf, {}, EIO, own);
  EXPECT_EQ(fault.step, WrittenFileStep::flush);
  EXPECT_EQ(fault.status, ENOENT);
  EXPECT_EQ(fault.file, 1);
}
#endif

}  // namespace

}  // namespace floppysplit
