#include "support/program_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "support/scratch_folder.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> result;
  std::istringstream in{std::string(text)};
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs `command` in `folder` with `input` on standard input. Standard output goes to
// `outputPath` when one is given, otherwise it is captured.
RunResult run(const fs::path& folder, std::vector<std::string> command, std::string_view input,
              const Environment& extraEnvironment, const fs::path& outputPath) {
  // Standard input and the captured streams live in a folder of their own, so that the
  // folder under test holds only what the program writes.
  ScratchFolder streams;
  streams.write("stdin", input);
  const fs::path inPath = streams / "stdin";
  const fs::path outPath = outputPath.empty() ? streams / "stdout" : outputPath;
  const fs::path errPath = streams / "stderr";

  const pid_t child = fork();
  if (child == 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
        ::dup2(err, 2) < 0 || ::chdir(folder.c_str()) != 0) {
      _exit(121);
    }
    for (const auto& [name, value] : extraEnvironment) ::setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    _exit(122);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  RunResult result;
  if (outputPath.empty()) result.out = slurp(outPath);
  result.err = slurp(errPath);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace

std::vector<std::string> programCommand() {
  const char* command = std::getenv("FLOPPYSPLIT_COMMAND");
  if (command == nullptr || *command == '\0') return nativeProgramCommand();
  return words(command);
}

std::vector<std::string> nativeProgramCommand() { return {FLOPPYSPLIT_BINARY}; }

bool testingWindowsBuild() {
  const char* command = std::getenv("FLOPPYSPLIT_COMMAND");
  return command != nullptr && std::string_view(command).find(".exe") != std::string_view::npos;
}

std::vector<std::string> windowsEmulatorCommand() {
  std::vector<std::string> command = programCommand();
  while (!command.empty() && command.back().find(".exe") == std::string::npos) {
    command.pop_back();
  }
  if (!command.empty()) command.pop_back();
  return command;
}

std::vector<std::string> commandProcessorCommand(std::string_view script) {
  std::vector<std::string> command = windowsEmulatorCommand();
  command.insert(command.end(), {"cmd", "/c", std::string(script)});
  return command;
}

std::vector<std::string> commandProcessorWithCertutil(
    const std::filesystem::path& systemRoot, std::string_view sha256, std::string_view script,
    const std::vector<std::pair<std::string, std::string>>& fileSha256) {
  std::filesystem::create_directories(systemRoot / "System32");
  std::ofstream certutil(systemRoot / "System32" / "certutil.cmd", std::ios::binary);
  // Called as "certutil -hashfile FILE SHA256": the file is its second argument.
  certutil << consoleLines({"@echo off", "echo SHA256 hash of the file:"});
  for (const auto& [file, hash] : fileSha256) {
    const std::string test = R"(if /i "%2"==")" + file + "\" ";
    certutil << consoleLines({test + "echo " + std::string(hash), test + "goto done"});
  }
  certutil << consoleLines({"echo " + std::string(sha256), ":done",
                            "echo CertUtil: -hashfile command completed successfully."});
  certutil.close();
  std::string root = "Z:" + systemRoot.string();
  std::replace(root.begin(), root.end(), '/', '\\');
  return commandProcessorCommand("set SystemRoot=" + root + "&& " + std::string(script));
}

std::string systemErrorText(int posixCode, int windowsCode) {
  if (!testingWindowsBuild()) return std::strerror(posixCode);
  // Wine's wording of the system messages the tests bring up.
  switch (windowsCode) {
    case 2:
      return "File not found.";
    case 3:
      return "Path not found.";
    case 5:
      return "Access denied.";
    case 32:
      return "Sharing violation.";
    case 112:
      return "Disk full.";
    case 123:
      return "Invalid name.";
  }
  return "(no known text for Windows error " + std::to_string(windowsCode) + ")";
}

RunResult runProgram(const fs::path& folder, std::string_view input,
                     const Environment& extraEnvironment) {
  return run(folder, programCommand(), input, extraEnvironment, {});
}

RunResult runProgramWithOutputTo(const fs::path& folder, std::string_view input,
                                 const fs::path& outputPath) {
  return run(folder, programCommand(), input, {}, outputPath);
}

RunResult runCommand(const fs::path& folder, std::vector<std::string> command,
                     std::string_view input) {
  return run(folder, std::move(command), input, {}, {});
}

std::string consoleLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string disclaimerAndConsent() {
  return consoleLines({
      "floppysplit (c) 2026 the floppysplit authors",
      "This freeware comes with no guaratees or warranties of suitability",
      "for any purpose.  There is no support for this freeware.  Although",
      "used on Windows 2000 SP2 and XP SP 2, it is not guaranteed to run on",
      "any platform or to produce any specific result.",
      "",
      "I agree to hold Tolvaran and all other entities harmless",
      "in the downloading and use of this program.",
      " Agree (Y for yes, N for no)?",
  });
}

}  // namespace floppysplit
