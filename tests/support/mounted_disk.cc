#include "support/mounted_disk.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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

// True when the running kernel has a driver for the file system `type`.
bool kernelHas(std::string_view type) {
  std::ifstream list("/proc/filesystems");
  std::string line;
  while (std::getline(list, line)) {
    // "nodev\ttmpfs" or "\text4": the name follows the last tab.
    if (std::string_view(line).substr(line.rfind('\t') + 1) == type) return true;
  }
  return false;
}

}  // namespace

MountedDisk::MountedDisk(fs::path mountPoint, DiskKind kind, int64_t bytes, int64_t holdsBytes)
    : path_(std::move(mountPoint)) {
  fs::create_directory(path_);
  image_ = path_;
  image_ += ".img";
  switch (kind) {
    case DiskKind::tmpfs:
      mountTmpfs(path_, bytes);
      break;
    case DiskKind::xfsWithReflink:
      mountImage({{findTool("mkfs.xfs"), "-q", "-m", "reflink=1"}, "xfsprogs"}, bytes,
                 {loopMount("xfs"), "mount"});
      break;
    case DiskKind::ext4:
      backing_ = path_;
      backing_ += ".medium";
      fs::create_directory(backing_);
      mountTmpfs(backing_, holdsBytes > 0 ? holdsBytes : bytes + (int64_t{16} << 20));
      if (!mounted_) return;
      mounted_ = false;
      image_ = backing_ / "image";
      repair_ = {{findTool("e2fsck"), "-f", "-y", image_.string()}, "e2fsprogs"};
      // Few inodes, written now: no thread of the kernel writes inode tables later.
      mountImage({{findTool("mkfs.ext4"), "-q", "-O", "^has_journal", "-N", "64", "-E",
                   "lazy_itable_init=0"},
                  "e2fsprogs"},
                 bytes, {loopMount("ext4"), "mount"});
      break;
    case DiskKind::fat:
      fuse_ = !kernelHas("vfat");
      // FAT32, as sticks come; mkfs.fat refuses images smaller than about 33 MiB for it.
      mountImage({{findTool("mkfs.fat"), "-F", "32"}, "dosfstools"}, bytes,
                 fuse_ ? Tool{{"fusefat", "-o", "rw+", image_.string(), path_.string()}, "fusefat"}
                       : Tool{loopMount("vfat"), "mount"});
      break;
    case DiskKind::exfat:
      fuse_ = !kernelHas("exfat");
      if (fuse_ && !fs::exists(findTool("mount.exfat-fuse"))) {
        refusal_ = "mount.exfat-fuse not found (Debian package exfat-fuse)";
        return;
      }
      // mount(8) sets up the loop device that exfat-fuse wants, and hands it to the driver.
      mountImage({{findTool("mkfs.exfat")}, "exfatprogs"}, bytes,
                 {loopMount(fuse_ ? "exfat-fuse" : "exfat"), "mount"});
      break;
  }
}

MountedDisk::MountedDisk(fs::path mountPoint, const fs::path& folder)
    : path_(std::move(mountPoint)) {
  fs::create_directory(path_);
  if (::mount(folder.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) != 0) {
    refusal_ = std::string("bind mount: ") + std::strerror(errno);
    return;
  }
  mounted_ = true;
  // A bind mount takes its own flags only when mounted again.
  if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
    refusal_ = std::string("read-only bind mount: ") + std::strerror(errno);
    ::umount2(path_.c_str(), MNT_DETACH);
    mounted_ = false;
  }
}

MountedDisk::~MountedDisk() {
  // A loop device set up by mount(8) goes away with the last unmount of its file system.
  if (mounted_ && ::umount2(path_.c_str(), 0) != 0 &&
      !(fuse_ &&
        runCommand(path_.parent_path(), {"fusermount", "-u", path_.string()}, "").exitCode == 0)) {
    ::umount2(path_.c_str(), MNT_DETACH);
  }
  if (!backing_.empty() && ::umount2(backing_.c_str(), 0) != 0) {
    ::umount2(backing_.c_str(), MNT_DETACH);
  }
}

bool MountedDisk::pullOutAndPlugIn() {
  if (mount_.command.empty() || fuse_) {
    refusal_ = "only a disk the kernel mounts from an image can be pulled out";
    return false;
  }
  // The image holds what the file system has handed to the medium; the unmount would add
  // what the cache still held, so the copy taken before it is what is plugged in again.
  fs::path pulled = image_;
  pulled += ".pulled";
  if (!run({{"cp", "--sparse=always", image_.string(), pulled.string()}, "coreutils"})) {
    return false;
  }
  if (::umount2(path_.c_str(), 0) != 0) {
    refusal_ = std::string("umount: ") + std::strerror(errno);
    return false;
  }
  mounted_ = false;
  fs::rename(pulled, image_);
  if (!repair_.command.empty()) {
    const RunResult repaired = runCommand(path_.parent_path(), repair_.command, "");
    // 1: errors mended, such as the count of free blocks on a disk pulled out.
    if (repaired.exitCode > 1) {
      refusal_ = "e2fsck: " + complaint(repaired);
      return false;
    }
  }
  mounted_ = run(mount_);
  return mounted_;
}

bool MountedDisk::makeReadOnly() {
  if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0) return true;
  refusal_ = std::string("read-only remount: ") + std::strerror(errno);
  return false;
}

int64_t MountedDisk::bytesReadFromMedium() const {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) return -1;
  std::ifstream statistics("/sys/dev/block/" + std::to_string(major(info.st_dev)) + ":" +
                           std::to_string(minor(info.st_dev)) + "/stat");
  // The third figure counts the 512-byte sectors read.
  int64_t reads = 0;
  int64_t merged = 0;
  int64_t sectors = 0;
  if (!(statistics >> reads >> merged >> sectors)) return -1;
  return sectors * 512;
}

void MountedDisk::mountTmpfs(const fs::path& path, int64_t bytes) {
  const std::string size = "size=" + std::to_string(bytes);
  if (::mount("tmpfs", path.c_str(), "tmpfs", 0, size.c_str()) == 0) {
    mounted_ = true;
  } else {
    refusal_ = std::strerror(errno);
  }
}

void MountedDisk::mountImage(const Tool& mkfs, int64_t bytes, Tool mount) {
  // A file with a length and no blocks: the image takes space only as it is written.
  std::ofstream(image_).close();
  fs::resize_file(image_, static_cast<uintmax_t>(bytes));
  Tool making = mkfs;
  making.command.push_back(image_.string());
  if (!run(making)) return;
  mount_ = std::move(mount);
  mounted_ = run(mount_);
}

bool MountedDisk::run(const Tool& tool) {
  const RunResult ran = runCommand(path_.parent_path(), tool.command, "");
  if (ran.exitCode == 0) return true;
  const std::string name = fs::path(tool.command.front()).filename().string();
  refusal_ = ran.exitCode == 122
                 ? name + " not found (Debian package " + std::string(tool.package) + ")"
                 : name + ": " + complaint(ran);
  return false;
}

std::vector<std::string> MountedDisk::loopMount(std::string_view type) const {
  const std::string mount = findTool("mount");
  return {mount, "-o", "loop", "-t", std::string(type), image_.string(), path_.string()};
}

}  // namespace floppysplit
