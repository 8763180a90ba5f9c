#pragma once
// A small file system mounted on a fresh folder for one test, unmounted when the test ends,
// also when an assertion fails. Mounting needs root; where the host will not mount, the
// disk says why, and the test skips with that reason (see MOUNT_OR_SKIP).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace floppysplit {

enum class DiskKind {
  // A tmpfs of the given size (whole 4 KiB pages): a disk that fills up early.
  tmpfs,
  // XFS with reflink on a sparse image file beside the mount point, loop-mounted: a file
  // system whose copies can share the source's blocks. mkfs.xfs refuses images smaller
  // than 300 MiB.
  xfsWithReflink,
  // ext4 without a journal on a sparse image file, loop-mounted: a disk with a medium
  // behind the system's cache. The image lies on a tmpfs of its own, which holds
  // `holdsBytes` when given: then the disk claims more than its medium holds, like a
  // counterfeit stick, and writes beyond that fail only on their way to the medium.
  ext4,
  // FAT32 (mkfs.fat, from about 33 MiB) and exFAT (mkfs.exfat) on a sparse image file, as
  // sticks come: the kernel's vfat or exfat, loop-mounted, where /proc/filesystems lists it;
  // elsewhere the FUSE drivers, fusefat given the image file (read-write) and exfat-fuse
  // given a loop device.
  fat,
  exfat,
};

class MountedDisk {
 public:
  // Creates `mountPoint` and mounts a new file system of `kind` and `bytes` on it.
  MountedDisk(std::filesystem::path mountPoint, DiskKind kind, int64_t bytes,
              int64_t holdsBytes = 0);
  // Shows the folder `folder` at `mountPoint` read-only (a bind mount, then made read-only),
  // as a write-protected medium holds a set: every write there fails with EROFS.
  MountedDisk(std::filesystem::path mountPoint, const std::filesystem::path& folder);
  ~MountedDisk();
  MountedDisk(const MountedDisk&) = delete;
  MountedDisk& operator=(const MountedDisk&) = delete;

  bool mounted() const { return mounted_; }
  // Why the disk could not be made or mounted; empty when it is mounted.
  const std::string& refusal() const { return refusal_; }
  const std::filesystem::path& path() const { return path_; }

  // Pulls the disk out as a stick is pulled once the program has ended, then plugs it in
  // again, its file system checked and mended first as systems do: the medium keeps only
  // what reached it, never what the system's cache still had to write, and what is read
  // afterwards comes from the medium. False, with the reason in refusal(), when that fails
  // or the disk has no image of its own (tmpfs, FUSE).
  bool pullOutAndPlugIn();

  // Mounts the file system again where it is, read-only. False, with the reason in
  // refusal(), when that fails.
  bool makeReadOnly();

  // Bytes the block device under the file system has read from its medium since it was
  // set up (its statistics in /sys), or -1 where there is no such device (tmpfs).
  int64_t bytesReadFromMedium() const;

 private:
  // A command line and the Debian package it comes from.
  struct Tool {
    std::vector<std::string> command;
    std::string_view package;
  };

  void mountTmpfs(const std::filesystem::path& path, int64_t bytes);
  // Makes the file system with `mkfs` (the image's name is added) and mounts it with `mount`.
  void mountImage(const Tool& mkfs, int64_t bytes, Tool mount);
  // Runs `tool`; false, with the reason in refusal_, when it fails.
  bool run(const Tool& tool);
  // The command that loop-mounts the image with the kernel's driver for `type`.
  std::vector<std::string> loopMount(std::string_view type) const;

  std::filesystem::path path_;
  std::filesystem::path image_;
  // How the image is mounted, again by pullOutAndPlugIn().
  Tool mount_;
  // The check that mends the image of a disk pulled out unmounted before it is mounted
  // again, as systems run it; none where the kind needs none.
  Tool repair_;
  // Mounted by a FUSE driver, which fusermount unmounts where umount may not.
  bool fuse_ = false;
  // The tmpfs under an ext4 image, when there is one.
  std::filesystem::path backing_;
  bool mounted_ = false;
  std::string refusal_;
};

#define MOUNT_OR_SKIP(disk)                                                               \
  if (!(disk).mounted()) {                                                                \
    GTEST_SKIP() << "cannot mount a file system for this test here: " << (disk).refusal() \
                 << " (needs root with the right to mount)";                              \
  }

}  // namespace floppysplit
