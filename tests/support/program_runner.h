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

struct RunResult {
  std::string out;
  std::string err;
  int exitCode = -1;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

RunResult runProgram(const std::filesystem::path& folder, std::string_view input,
                     const Environment& extraEnvironment = {});

// The command line that runs the program under test, as described above.
std::vector<std::string> programCommand();

// True when the program under test is a Windows build run through an emulator.
bool testingWindowsBuild();

// Console lines as the program writes them, each ended by CR LF.
std::string consoleLines(std::initializer_list<std::string_view> lines);

// The eight disclaimer lines followed by the consent question.
std::string disclaimerAndConsent();
