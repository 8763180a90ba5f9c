#pragma once
// The usual way through the dialogue for tests that split a file with a typed fragment
// size: the answers y, the name, y, n and the size in kilobytes, and the console lines the
// program shows for them, up to and including the "OK?" question.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The answers up to the size; the answer to "OK?" is left to the test.
std::string answersUpToOk(std::string_view name, int64_t kilobytes);

// The console up to and including the "OK?" question, each line ended by CR LF.
std::string transcriptUpToOk(std::string_view name, int64_t length, int64_t kilobytes);

// The number of fragments the program offers for `length` bytes in pieces of `kilobytes`.
int32_t offeredFragments(int64_t length, int64_t kilobytes);

// The two completion lines, each ended by CR LF.
std::string completionText();

// The fragment names that Recomb.cmd deletes after a join, in the order it lists them.
std::vector<std::string> fragmentsDeletedByScript(std::string_view script);

// The named files of `folder`, joined in order.
std::string joinFiles(const std::filesystem::path& folder, const std::vector<std::string>& names);

// Names of fragments 1 to `count` for a run with `count` fragments, as the program makes them
// (up to 999 fragments).
std::vector<std::string> fragmentNames(int32_t count);
