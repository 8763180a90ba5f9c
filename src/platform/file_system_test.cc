// The seam's calls for a file that must be the program's own, on the host's file system (and
// on wine's): a name that is taken in any way is neither created nor renamed onto, and an open
// file is told apart from whatever its name comes to stand for.

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/medium_read.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

class FileSystem : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(folder_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  void clear() const {
    for (const auto& entry : fs::directory_iterator(folder_.path())) fs::remove_all(entry.path());
  }

  // Every entry in the folder and below it, with a link's target or a file's bytes.
  std::string snapshot() const {
    std::vector<std::string> lines;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.path())) {
      const std::string name = fs::relative(entry.path(), folder_.path()).generic_string();
      if (entry.is_symlink()) {
        lines.push_back(name + " -> " + fs::read_symlink(entry.path()).generic_string());
      } else if (entry.is_directory()) {
        lines.push_back(name + "/");
      } else {
        lines.push_back(name + " = " + folder_.read(name));
      }
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }

  static OsFile create(const std::string& name, const std::string& bytes) {
    OsFile file;
    EXPECT_EQ(osCreateNew(name, &file), kOk) << name;
    EXPECT_TRUE(file.created) << name;
    EXPECT_EQ(osWriteAt(file, 0, bytes.data(), static_cast<int64_t>(bytes.size())), kOk) << name;
    return file;
  }

  // What the medium gives back for the file open as `file`.
  static std::string readFromMedium(OsFile file) {
    constexpr int64_t kBytes = 4 * kMediumBlock;
    static void* const buffer = osAllocateMediumBuffer(kBytes);
    OsFile reader;
    if (osOpenOnMediumFrom(file, kBytes, &reader) != kOk) return "(no reader)";
    int64_t got = 0;
    const Status status = osReadFromMedium(reader, 0, buffer, kBytes, &got);
    osClose(reader);
    if (status != kOk) return "(read failed)";
    return {static_cast<const char*>(buffer), static_cast<size_t>(got)};
  }

  ScratchFolder folder_;
  fs::path previous_;
};

TEST_F(FileSystem, TakenNamesAreNeitherCreatedNorRenamedOnto) {
  struct Taken {
    const char* what;
    void (*make)(const ScratchFolder& folder);
  };
  const Taken rows[] = {
      {"a file", [](const ScratchFolder& folder) { folder.write("taken", "old bytes"); }},
      {"a folder",
       [](const ScratchFolder& folder) {
         fs::create_directory(folder / "taken");
         folder.write("taken/inside", "old bytes");
       }},
  // Making a link needs a privilege on Windows that wine and most users lack.
#ifndef _WIN32
      {"a link to a file",
       [](const ScratchFolder& folder) {
         folder.write("target", "old bytes");
         fs::create_symlink("target", folder / "taken");
       }},
      // A create that followed it would make the file it points to.
      {"a dangling link",
       [](const ScratchFolder& folder) { fs::create_symlink("nowhere", folder / "taken"); }},
#endif
  };
  for (const Taken& row : rows) {
    clear();
    row.make(folder_);
    const std::string before = snapshot();
    OsFile file;
    EXPECT_EQ(osCreateNew("taken", &file), kOsNameTaken) << row.what;
    EXPECT_EQ(snapshot(), before) << row.what;

    const OsFile joined = create("joined", "new bytes");
    EXPECT_EQ(osRenameOpenFile(joined, "joined", "taken"), kOsNameTaken) << row.what;
    EXPECT_TRUE(osNameIsFileEntry(joined, "joined")) << row.what;
    // Windows lets no one else read the file while a handle that may delete it is open.
    osClose(joined);
    EXPECT_EQ(snapshot(), "joined = new bytes\n" + before) << row.what;
  }

  clear();
  const OsFile joined = create("joined", "new bytes");
  EXPECT_EQ(osRenameOpenFile(joined, "joined", "final"), kOk);
  EXPECT_TRUE(osNameIsFileEntry(joined, "final"));
  osClose(joined);
  EXPECT_EQ(snapshot(), "final = new bytes\n");
}

// Once the file has moved, its old name may stand for something else by the time the program
// looks again; only the file itself passes, and the medium still gives back its bytes.
TEST_F(FileSystem, AnOpenFileIsTheEntryOfItsOwnNameOnly) {
  struct Change {
    const char* what;
    bool moved;
    void (*fillOldName)(const ScratchFolder& folder);
  };
  const Change rows[] = {
      {"none", false, [](const ScratchFolder&) {}},
      {"moved, the old name free", true, [](const ScratchFolder&) {}},
      {"moved, another file in its place", true,
       [](const ScratchFolder& folder) { folder.write("joined", patternBytes(5000, 2)); }},
      {"moved, a folder in its place", true,
       [](const ScratchFolder& folder) { fs::create_directory(folder / "joined"); }},
#ifndef _WIN32
      {"moved, a link to it in its place", true,
       [](const ScratchFolder& folder) { fs::create_symlink("moved", folder / "joined"); }},
#endif
  };
  const std::string bytes = patternBytes(5000, 1);
  for (const Change& row : rows) {
    clear();
    const OsFile joined = create("joined", bytes);
    if (row.moved) {
      EXPECT_EQ(osRenameOpenFile(joined, "joined", "moved"), kOk) << row.what;
    }
    row.fillOldName(folder_);
    EXPECT_EQ(osNameIsFileEntry(joined, "joined"), !row.moved) << row.what;
    EXPECT_EQ(osNameIsFileEntry(joined, "moved"), row.moved) << row.what;
    EXPECT_TRUE(readFromMedium(joined) == bytes) << row.what;
    osClose(joined);
  }
}

TEST_F(FileSystem, NamesInTheFolderWithAPrefixAndASuffix) {
  for (const char* name : {"Recomb.par2", "Recomb.vol0+1.par2", "Recomb.x.par2", "recomb.y.par2",
                           "Recomb.par2.old", "other.par2"}) {
    folder_.write(name, "x");
  }
  std::vector<std::string> names = osNamesInFolder(".", "Recomb.", ".par2");
  std::sort(names.begin(), names.end());
  // "Recomb.par2" is too short to hold both; case counts.
  EXPECT_EQ(names, (std::vector<std::string>{"Recomb.vol0+1.par2", "Recomb.x.par2"}));
}

}  // namespace

}  // namespace floppysplit
