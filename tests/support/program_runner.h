#pragma once
// Runs the built program as a user would: in a given folder, with scripted standard input,
// capturing standard output, standard error and the exit status.
//
// The program is FLOPPYSPLIT_BINARY, unless the environment variable FLOPPYSPLIT_COMMAND
// names another command line to run instead (words separated by blanks), for example an
// emulator followed by a Windows build of the program.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace floppysplit {

struct RunResult {
  std::string out;
  std::string err;
  int exitCode = -1;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

RunResult runProgram(const std::filesystem::path& folder, std::string_view input,
                     const Environment& extraEnvironment = {});

// As runProgram, but standard output goes to `outputPath` (a device such as /dev/full, for
// example) and RunResult::out stays empty.
RunResult runProgramWithOutputTo(const std::filesystem::path& folder, std::string_view input,
                                 const std::filesystem::path& outputPath);

// Runs any command line (program and arguments) the same way.
RunResult runCommand(const std::filesystem::path& folder, std::vector<std::string> command,
                     std::string_view input);

// The program under test as a command line.
std::vector<std::string> programCommand();

// The native build of the program, whatever FLOPPYSPLIT_COMMAND says.
std::vector<std::string> nativeProgramCommand();

// True when the program under test is a Windows build run through an emulator.
bool testingWindowsBuild();

// For the Windows build: the emulator words of FLOPPYSPLIT_COMMAND, without the program.
std::vector<std::string> windowsEmulatorCommand();

// For the Windows build: the emulator's command processor running `script` ("cmd /c").
std::vector<std::string> commandProcessorCommand(std::string_view script);

// For the Windows build: the command processor running `script` with %SystemRoot% at
// `systemRoot`, where System32\certutil.cmd (made here) stands in for the system's, whose
// wine version prints nothing: it prints, as Windows 10's does, the SHA-256 that
// `fileSha256` pairs with the file it is asked about (by name, ignoring case), and
// `sha256` for any other.
std::vector<std::string> commandProcessorWithCertutil(
    const std::filesystem::path& systemRoot, std::string_view sha256, std::string_view script,
    const std::vector<std::pair<std::string, std::string>>& fileSha256 = {});

// The message the program under test shows for a system error: the host's own text for
// `posixCode`, or, for the Windows build, wine's text for `windowsCode` (a Windows machine
// words its messages differently).
std::string systemErrorText(int posixCode, int windowsCode);

// Console lines as the program writes them, each ended by CR LF.
std::string consoleLines(std::initializer_list<std::string_view> lines);

// The eight disclaimer lines followed by the consent question.
std::string disclaimerAndConsent();

}  // namespace floppysplit
