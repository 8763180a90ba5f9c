// What the program shows where the host system has the last word: its error codes and
// message texts, a folder given as the file to split, and lengths beyond 4 GiB. Under the
// Windows build the same cases expect the Windows codes and texts.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/program_runner.h"
#include "support/scratch_folder.h"

namespace floppysplit {

namespace {

namespace fs = std::filesystem;

std::string systemErrorReport(int posixCode, int windowsCode, std::string_view statement) {
  return "? System Error:\n? " + systemErrorText(posixCode, windowsCode) + "\n? " +
         std::string(statement) + "\n";
}

TEST(HostFiles, FolderAsTheInputEndsWithTheSystemsOpenReport) {
  // A folder can be opened for reading, so it counts as existing; connecting it for
  // transfers is what fails, with the system's own code.
  ScratchFolder folder;
  fs::create_directory(folder / "stuff");
  const RunResult run = runProgram(folder.path(), "y\nstuff\n");
  EXPECT_EQ(run.out, disclaimerAndConsent() + consoleLines({" File name for splitting?"}));
  EXPECT_EQ(run.err, systemErrorReport(EISDIR, 5, "OPEN(UNIT=10,..."));
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(folder.listing(), "stuff\n");
}

TEST(HostFiles, ConsoleThatCannotBeWrittenEndsWithTheSystemsWriteReport) {
  ScratchFolder folder;
  const RunResult run = runProgramWithOutputTo(folder.path(), "n\n", "/dev/full");
  EXPECT_EQ(run.err, systemErrorReport(ENOSPC, 112, "WRITE(UNIT=*,..."));
  EXPECT_EQ(run.exitCode, 255);
}

TEST(HostFiles, LengthBeyondFourGibibytesIsShownWhole) {
  ScratchFolder folder;
  const uintmax_t length = (uintmax_t{5} << 30) + 3;
  folder.write("huge.bin", "");
  fs::resize_file(folder / "huge.bin", length);  // sparse: takes no room on disk
  const RunResult run = runProgram(folder.path(), "y\nhuge.bin\nn\nn\n");
  EXPECT_NE(
      run.out.find(consoleLines({" File to be split up: huge.bin", " Length:  5368709123  bytes",
                                 " Split up this file (Y for yes, N for no)?"})),
      std::string::npos)
      << run.out;
  EXPECT_EQ(fs::file_size(folder / "huge.bin"), length);
}

}  // namespace

}  // namespace floppysplit
