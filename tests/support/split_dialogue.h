#pragma once
// The usual way through the dialogue for tests that split a file with a typed fragment
// size: the answers y, the name, y, n and the size in kilobytes, and the console lines the
// program shows for them, up to and including the "OK?" question.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace floppysplit {

// One input length and one typed fragment size, with the figures the console shows for
// them, worked out by hand: a fault in the program's arithmetic then shows as a difference
// instead of being repeated in the expectation.
struct TypedSplit {
  int64_t length;                      // bytes in the input
  int64_t kilobytes;                   // the fragment size typed
  std::string_view lengthInKilobytes;  // the length in kilobytes to one decimal: "4.9"
  int32_t floppies;                    // the count in "Will fit on ..."
  int32_t fragments;                   // the count in "Break ... into ... files?"
};

// The answers up to the size; the answer to "OK?" is left to the test.
std::string answersUpToOk(std::string_view name, int64_t kilobytes);

// The console up to and including the "OK?" question, each line ended by CR LF.
std::string transcriptUpToOk(std::string_view name, const TypedSplit& split);

// The two completion lines, each ended by CR LF.
std::string completionText();

// The fragment names that Recomb.cmd deletes after a join, in the order it lists them.
std::vector<std::string> fragmentsDeletedByScript(std::string_view script);

// The named files of `folder`, joined in order.
std::string joinFiles(const std::filesystem::path& folder, const std::vector<std::string>& names);

// The SHA-256 that Recomb.cmd compares the join with, or "" when it holds none.
std::string scriptSha256(std::string_view script);

// The SHA-256 of the named files of `folder` joined in order, as sha256sum computes it,
// 64 lowercase hexadecimal digits (another implementation than the program's).
std::string sha256sumOf(const std::filesystem::path& folder, const std::vector<std::string>& names);

}  // namespace floppysplit
