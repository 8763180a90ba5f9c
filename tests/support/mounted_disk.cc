#include "support/mounted_disk.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

#include "support/program_runner.h"

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// The first line of a tool's complaint, or its exit status when it said nothing.
std::string complaint(const RunResult& run) {
  const std::string text = run.err.empty() ? run.out : run.err;
  const std::string line = text.substr(0, text.find('\n'));
  return line.empty() ? "exit status " + std::to_string(run.exitCode) : line;
}

// Where `name` lies in a system folder that an ordinary user's search path may lack, or
// else `name` itself, for the search path.
std::string findTool(const std::string& name) {
  for (const char* folder : {"/usr/sbin", "/sbin"}) {
    const fs::path candidate = fs::path(folder) / name;
    if (fs::exists(candidate)) return candidate.string();
  }
  return name;
}

}  // namespace

MountedDisk::MountedDisk(fs::path mountPoint, DiskKind kind, int64_t bytes)
    : path_(std::move(mountPoint)) {
  fs::create_directory(path_);
  switch (kind) {
    case DiskKind::tmpfs:
      mountTmpfs(bytes);
      break;
    case DiskKind::xfsWithReflink:
      mountXfsImage(bytes);
      break;
  }
}

MountedDisk::~MountedDisk() {
  if (!mounted_) return;
  // A loop device set up by mount(8) goes away with the last unmount of its file system.
  if (::umount2(path_.c_str(), 0) != 0) ::umount2(path_.c_str(), MNT_DETACH);
}

void MountedDisk::mountTmpfs(int64_t bytes) {
  const std::string size = "size=" + std::to_string(bytes);
  if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, size.c_str()) == 0) {
    mounted_ = true;
  } else {
    refusal_ = std::strerror(errno);
  }
}

void MountedDisk::mountXfsImage(int64_t bytes) {
  fs::path image = path_;
  image += ".img";
  // A file with a length and no blocks: the image takes disk space only as it is written.
  std::ofstream(image).close();
  fs::resize_file(image, static_cast<uintmax_t>(bytes));
  const std::string mkfs = findTool("mkfs.xfs");
  const RunResult made =
      runCommand(path_.parent_path(), {mkfs, "-q", "-m", "reflink=1", image.string()}, "");
  if (made.exitCode != 0) {
    refusal_ = made.exitCode == 122 ? "mkfs.xfs not found (Debian package xfsprogs)"
                                    : "mkfs.xfs: " + complaint(made);
    return;
  }
  const RunResult mounting = runCommand(
      path_.parent_path(), {findTool("mount"), "-o", "loop", image.string(), path_.string()}, "");
  if (mounting.exitCode == 0) {
    mounted_ = true;
  } else {
    refusal_ = "mount -o loop: " + complaint(mounting);
  }
}

}  // namespace floppysplit
