// The Windows file system seam on a real (or emulated) Windows file system: the system's
// own codes, sharing, 64-bit offsets, identities and the message texts.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/code_page_win32.h"
#include "platform/file_system.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

class FileSystemWin32 : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(folder_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  OsFile open(const std::string& name, OsExistence existence, OsAccess access) {
    OsFile file;
    EXPECT_EQ(osOpen(name, existence, access, &file), kOk) << name;
    return file;
  }

  ScratchFolder folder_;
  fs::path previous_;
};

TEST_F(FileSystemWin32, FailedOpensGiveTheSystemsOwnCodes) {
  OsFile file;
  EXPECT_EQ(osOpen("absent", OsExistence::mustExist, OsAccess::read, &file), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(osOpen("nowhere\\absent", OsExistence::openOrCreate, OsAccess::readWrite, &file),
            ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(osOpen("what?", OsExistence::openOrCreate, OsAccess::readWrite, &file),
            ERROR_INVALID_NAME);
  fs::create_directory("stuff");
  EXPECT_EQ(osOpen("stuff", OsExistence::openOrCreate, OsAccess::readWrite, &file),
            ERROR_ACCESS_DENIED);
  // Nothing was created on the way.
  EXPECT_EQ(folder_.listing(), "stuff\n");
}

TEST_F(FileSystemWin32, FoldersCanBeOpenedForReadingButMissingNamesCannot) {
  fs::create_directory("stuff");
  folder_.write("data", "x");
  EXPECT_TRUE(osCanOpenForReading("stuff"));
  EXPECT_TRUE(osCanOpenForReading("data"));
  EXPECT_FALSE(osCanOpenForReading("absent"));
  EXPECT_FALSE(osCanOpenForReading("nowhere\\absent"));
}

TEST_F(FileSystemWin32, OpenOrCreateNeverTruncatesAndOpensAreShared) {
  folder_.write("data", "0123456789");
  const OsFile writer = open("data", OsExistence::openOrCreate, OsAccess::readWrite);
  // Other handles, for reading and for writing, may use the file at the same time.
  const OsFile second = open("data", OsExistence::openOrCreate, OsAccess::write);
  const OsFile reader = open("data", OsExistence::mustExist, OsAccess::read);
  EXPECT_EQ(osWriteAt(second, 2, "ab", 2), kOk);
  char bytes[16] = {};
  int64_t got = 0;
  EXPECT_EQ(osReadAt(reader, 0, bytes, sizeof bytes, &got), kOk);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(got)), "01ab456789");
  // At or past the end a read succeeds with nothing.
  EXPECT_EQ(osReadAt(reader, 10, bytes, 4, &got), kOk);
  EXPECT_EQ(got, 0);
  EXPECT_EQ(osReadAt(reader, 1000, bytes, 4, &got), kOk);
  EXPECT_EQ(got, 0);
  for (const OsFile file : {writer, second, reader}) EXPECT_EQ(osClose(file), kOk);
}

TEST_F(FileSystemWin32, OffsetsAndLengthsBeyondFourGibibytes) {
  const OsFile file = open("sparse", OsExistence::openOrCreate, OsAccess::readWrite);
  // Marking the file sparse keeps this from taking 5 GiB of disk on Windows itself.
  DWORD ignored = 0;
  DeviceIoControl(reinterpret_cast<HANDLE>(file.handle), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0,
                  &ignored, nullptr);
  const int64_t offset = (int64_t{5} << 30) + 7;
  ASSERT_EQ(osWriteAt(file, offset, "tail", 4), kOk);
  int64_t length = 0;
  ASSERT_EQ(osLength(file, &length), kOk);
  EXPECT_EQ(length, offset + 4);
  char bytes[8] = {};
  int64_t got = 0;
  ASSERT_EQ(osReadAt(file, offset - 2, bytes, sizeof bytes, &got), kOk);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(got)), std::string("\0\0tail", 6));
  // Cutting works above 4 GiB and down to a small length alike.
  ASSERT_EQ(osSetLength(file, offset + 2), kOk);
  ASSERT_EQ(osLength(file, &length), kOk);
  EXPECT_EQ(length, offset + 2);
  ASSERT_EQ(osSetLength(file, 3), kOk);
  ASSERT_EQ(osLength(file, &length), kOk);
  EXPECT_EQ(length, 3);
  EXPECT_EQ(osClose(file), kOk);
  EXPECT_EQ(fs::file_size("sparse"), 3u);
}

TEST_F(FileSystemWin32, SameFileThroughOtherSpellingsOfItsName) {
  folder_.write("data.bin", "x");
  folder_.write("other", "y");
  const OsFile a = open("data.bin", OsExistence::mustExist, OsAccess::read);
  const OsFile b = open(".\\DATA.BIN", OsExistence::mustExist, OsAccess::read);
  const OsFile c = open("other", OsExistence::mustExist, OsAccess::read);
  EXPECT_TRUE(osSameFile(a, b));
  EXPECT_FALSE(osSameFile(a, c));
  EXPECT_TRUE(osNameLeadsToFile(a, "Data.Bin"));
  EXPECT_TRUE(osNameLeadsToFile(a, (folder_.path() / "data.bin").string()));
  EXPECT_FALSE(osNameLeadsToFile(a, "other"));
  EXPECT_FALSE(osNameLeadsToFile(a, "absent"));
  for (const OsFile file : {a, b, c}) EXPECT_EQ(osClose(file), kOk);
}

// A set read from another folder: its names joined to the folder, as typed, reach its files
// as their own entries, a drive alone standing for that drive's current folder.
TEST_F(FileSystemWin32, NamesInAnotherFolderReachItsOwnEntries) {
  fs::create_directory("set");
  folder_.write("set/fragmen1", "x");
  const std::string here = fs::current_path().string();
  const std::string drive = here.substr(0, 2);
  ASSERT_EQ(drive[1], ':') << here;
  EXPECT_EQ(osNameInFolder(".", "fragmen1"), "fragmen1");
  EXPECT_EQ(osNameInFolder("set", "fragmen1"), "set\\fragmen1");
  EXPECT_EQ(osNameInFolder("set/", "fragmen1"), "set/fragmen1");
  EXPECT_EQ(osNameInFolder(drive, "fragmen1"), drive + ".\\fragmen1");
  for (const std::string& folder :
       {std::string("set"), std::string("set\\"), std::string("SET/"), here + "\\set"}) {
    OsFile file;
    EXPECT_EQ(osOpenRegularForReading(osNameInFolder(folder, "fragmen1"), &file), kOk) << folder;
    osClose(file);
  }
  // The drive's current folder, the set's.
  fs::current_path("set");
  OsFile file;
  EXPECT_EQ(osOpenRegularForReading(osNameInFolder(drive, "fragmen1"), &file), kOk);
  osClose(file);
}

TEST_F(FileSystemWin32, NamesAreTheBytesTypedInTheConsolesInputCodePage) {
  const std::wstring name = L"Gr\u00f6\u00dfe.bin";
  // What a user who types that name at this console hands the program.
  const std::string typed = codePageFromWide(name, consoleInputCodePage());
  ASSERT_EQ(typed.find('?'), std::string::npos) << "the console's code page lacks these letters";
  const OsFile file = open(typed, OsExistence::openOrCreate, OsAccess::readWrite);
  EXPECT_TRUE(file.created);
  EXPECT_TRUE(fs::exists(folder_.path() / name)) << folder_.listing();
  EXPECT_TRUE(osCanOpenForReading(typed));
  EXPECT_TRUE(osNameLeadsToFile(file, typed));
  // The same letters in the ANSI code page are other bytes, and so another name.
  const std::string ansi = codePageFromWide(name, GetACP());
  if (ansi != typed) {
    EXPECT_FALSE(osCanOpenForReading(ansi));
    EXPECT_FALSE(osNameLeadsToFile(file, ansi));
  }
  EXPECT_EQ(osClose(file), kOk);
}

TEST_F(FileSystemWin32, ErrorTextsAreTheSystemsWithoutTheLineEnd) {
  for (const Status code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
    const std::string text = osErrorText(code);
    EXPECT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << code << ": " << text;
    EXPECT_NE(text.back(), ' ') << code;
  }
  EXPECT_NE(osErrorText(ERROR_FILE_NOT_FOUND), osErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(osErrorText(99999), "Unknown error 99999");
}

}  // namespace

}  // namespace floppysplit
