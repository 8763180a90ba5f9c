#include "support/scratch_folder.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

namespace floppysplit {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const fs::path& base) {
  static std::mt19937_64 random{std::random_device{}()};
  do {
    path_ = base / ("floppysplit-test-" + std::to_string(random()));
  } while (!fs::create_directory(path_));
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them writable so they can go. A link
  // is left alone: changing its permissions would change those of what it points to.
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_symlink(ignored)) continue;
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFolder::read(std::string_view name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void ScratchFolder::waitForUnlock(std::string_view subfolder) const {
  const fs::path lock = path_ / subfolder / "floppysplit.lock";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (fs::exists(lock) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::string ScratchFolder::listing(std::string_view subfolder) const {
  waitForUnlock(subfolder);
  const fs::path folder = path_ / subfolder;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string text;
  for (const std::string& name : names) text += name + "\n";
  return text;
}

std::string patternBytes(int64_t length, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(static_cast<size_t>(length), '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xff);
  return bytes;
}

}  // namespace floppysplit
