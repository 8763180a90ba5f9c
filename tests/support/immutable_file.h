#pragma once
// The immutable attribute of Linux file systems (chattr +i): a file that has it can be
// neither changed nor deleted, even by root. Tests use it to make such faults for real.

#include <filesystem>

namespace floppysplit {

// Sets or clears the attribute; false where the file system or this process's rights
// refuse it.
bool setImmutable(const std::filesystem::path& file, bool on);

}  // namespace floppysplit
