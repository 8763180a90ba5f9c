#pragma once
// A fresh temporary folder for one test, removed with everything in it when the test ends,
// also when an assertion fails.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace floppysplit {

class ScratchFolder {
 public:
  // A new folder inside `base`, by default the system's temporary folder.
  explicit ScratchFolder(
      const std::filesystem::path& base = std::filesystem::temp_directory_path());
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  void write(std::string_view name, std::string_view bytes) const;
  std::string read(std::string_view name) const;
  // Waits until the program's lock of this folder, or of its folder `subfolder`, is gone
  // (floppysplit.lock on Windows, a file deleted as its handle closes), or ten seconds
  // have passed: wine deletes it only some moments after the program has ended.
  void waitForUnlock(std::string_view subfolder = {}) const;
  // Names of the files and folders directly inside, or inside `subfolder`, sorted, once
  // the lock is gone.
  std::string listing(std::string_view subfolder = {}) const;

 private:
  std::filesystem::path path_;
};

// Deterministic pseudo-random bytes, different for every seed.
std::string patternBytes(int64_t length, uint32_t seed = 1);

}  // namespace floppysplit
