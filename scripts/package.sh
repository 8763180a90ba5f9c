#!/usr/bin/env bash
# Makes the release packages in dist/ with CPack:
#   floppysplit-<version>-Linux-x86_64.tar.gz   bin/, share/doc/, share/man/ for any prefix
#   floppysplit_<version>_amd64.deb            the Debian package
#   floppysplit-<version>-win64.zip            floppysplit.exe, README.txt, LICENSE.txt
#   SHA256SUMS                                 over the three
# The version is the one in CMakeLists.txt. Every file in the packages carries the time of
# the last commit (SOURCE_DATE_EPOCH, unless already set), so that the same commit gives
# the same packages, wherever it is built.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh dpkg-dev file g++-mingw-w64-x86-64-posix

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
    echo "package.sh: not a git checkout; set SOURCE_DATE_EPOCH to the release time" \
      "(seconds since 1970)." >&2
    exit 1
  }
fi
export SOURCE_DATE_EPOCH

echo "== Linux program (build-package/) =="
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
echo "== Windows program (build-package-windows/) =="
cmake --preset package-windows >/dev/null
cmake --build --preset package-windows -j "$(nproc)"

rm -rf dist
mkdir dist
for build in build-package build-package-windows; do
  # CPack leaves its work files beside the packages: make them in the build folder.
  rm -rf "$build/packages"
  (cd "$build" && cpack -B "$PWD/packages" >/dev/null)
  find "$build/packages" -maxdepth 1 -type f -exec mv {} dist/ \;
done
(cd dist && sha256sum -- *.tar.gz *.deb *.zip >SHA256SUMS)

echo "== dist/ =="
(cd dist && ls -l && cat SHA256SUMS)
