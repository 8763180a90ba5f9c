#include "support/split_dialogue.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/program_runner.h"

namespace {

constexpr int64_t kRecordLength = 512;
constexpr int64_t kFloppyBytes = 1457152;

std::string padded(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string answersUpToOk(std::string_view name, int64_t kilobytes) {
  return "y\n" + std::string(name) + "\ny\nn\n" + std::to_string(kilobytes) + "\n";
}

int32_t offeredFragments(int64_t length, int64_t kilobytes) {
  const int64_t wholeRecordBytes = length / kRecordLength * kRecordLength;
  const int64_t full = wholeRecordBytes / (kilobytes * 1024);
  return static_cast<int32_t>(full + (length > full * kilobytes * 1024 ? 1 : 0));
}

std::string transcriptUpToOk(std::string_view name, int64_t length, int64_t kilobytes) {
  // Kilobytes to one decimal, a half rounded up: exact in integers, since length / 1024
  // has a finite expansion.
  const int64_t tenths = (length * 10 + 512) / 1024;
  const std::string kilobyteText = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  const int64_t floppies =
      (length / kRecordLength * kRecordLength + kFloppyBytes - 1) / kFloppyBytes;
  const std::string fileLength = "File length is " + padded(std::to_string(length), 13) +
                                 " bytes or " + padded(kilobyteText, 10) + " kilobytes.";
  return disclaimerAndConsent() +
         consoleLines({
             " File name for splitting?",
             " File to be split up: " + std::string(name),
             " Length:  " + std::to_string(length) + "  bytes",
             " Split up this file (Y for yes, N for no)?",
             fileLength,
             " Will fit on  " + std::to_string(floppies) + "  1.44 MB 3.5\" floppies --",
             " Use 1.44 MB size of 3.5\" floppys (Y for yes, N for no)?",
             " Input file length for pieces in kilobytes (1K = 1024 bytes):",
             " Break " + std::string(name) + " into  " +
                 std::to_string(offeredFragments(length, kilobytes)) + " files?",
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

std::vector<std::string> fragmentNames(int32_t count) {
  const int digits = count < 10 ? 1 : count < 100 ? 2 : 3;
  std::vector<std::string> names;
  for (int32_t i = 1; i <= count; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", digits, i);
    names.push_back(std::string("fragmen").substr(0, 8 - static_cast<size_t>(digits)) + number);
  }
  return names;
}
