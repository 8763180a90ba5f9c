#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those that are missing.
# With --build first, only what building the program needs; further arguments are more
# packages to install.
set -euo pipefail

build_packages=(cmake g++ make pkgconf nettle-dev libxxhash-dev)
if [ "${1:-}" = --build ]; then
  shift
  packages=("${build_packages[@]}" "$@")
else
  # xfsprogs and btrfs-progs make the copy-on-write file systems that a test and the bench
  # mount from image files; dosfstools and exfatprogs make the FAT32 and exFAT sticks the
  # medium tests mount, through fusefat and exfat-fuse where the kernel has no driver; par2
  # (par2cmdline) verifies and repairs with the recovery files.
  packages=("${build_packages[@]}" libgtest-dev clang-14 libclang-rt-14-dev clang-tidy-14 clang-format-14
    xfsprogs btrfs-progs dosfstools exfatprogs fusefat exfat-fuse par2 "$@")
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
