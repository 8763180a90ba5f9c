#include "support/split_dialogue.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "support/program_runner.h"

namespace floppysplit {

namespace {

std::string padded(std::string_view text, size_t width) {
  return text.size() >= width ? std::string(text)
                              : std::string(width - text.size(), ' ') + std::string(text);
}

}  // namespace

std::string answersUpToOk(std::string_view name, int64_t kilobytes) {
  return "y\n" + std::string(name) + "\ny\nn\n" + std::to_string(kilobytes) + "\n";
}

std::string transcriptUpToOk(std::string_view name, const TypedSplit& split) {
  const std::string fileLength = "File length is " + padded(std::to_string(split.length), 13) +
                                 " bytes or " + padded(split.lengthInKilobytes, 10) + " kilobytes.";
  return disclaimerAndConsent() +
         consoleLines({
             " File name for splitting?",
             " File to be split up: " + std::string(name),
             " Length:  " + std::to_string(split.length) + "  bytes",
             " Split up this file (Y for yes, N for no)?",
             fileLength,
             " Will fit on  " + std::to_string(split.floppies) + "  1.44 MB 3.5\" floppies --",
             " Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?",
             " Input file length for pieces in kilobytes (1K = 1024 bytes):",
             " Break " + std::string(name) + " into  " + std::to_string(split.fragments) +
                 " files?",
             " OK (Y for yes, N for no)?",
         });
}

std::string completionText() {
  return consoleLines(
      {"File split and recombination script completed successfully.", "Normal exit."});
}

std::vector<std::string> fragmentsDeletedByScript(std::string_view script) {
  std::vector<std::string> names;
  std::istringstream lines{std::string(script)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("del ", 0) != 0) continue;
    const std::string name = line.substr(4);
    if (name == "recomb.cmd" || name == "zzztempa" || name == "zzztempb") continue;
    names.push_back(name);
  }
  return names;
}

std::string joinFiles(const std::filesystem::path& folder, const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    joined += bytes.str();
  }
  return joined;
}

std::string scriptSha256(std::string_view script) {
  const std::string_view before = R"(if /i not "%fs_sha256%"==")";
  const size_t at = script.find(before);
  return at == std::string_view::npos ? "" : std::string(script.substr(at + before.size(), 64));
}

std::string sha256sumOf(const std::filesystem::path& folder,
                        const std::vector<std::string>& names) {
  std::string command = "cd '" + folder.string() + "' && cat";
  for (const std::string& name : names) command += " '" + name + "'";
  command += " | sha256sum";
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  char digest[65] = {};
  if (pipe == nullptr || std::fread(digest, 1, 64, pipe.get()) != 64) return "no sha256sum";
  return digest;
}

}  // namespace floppysplit
