#!/usr/bin/env bash
# Format and lint checks, both with every finding an error: clang-format (the repository's
# .clang-format) over every tracked C++ file, then clang-tidy (.clang-tidy) over every source
# of the native build, from the compile database that `cmake --preset ci` writes, and over
# the Windows build's own sources (*_win32.cc), from the database of `cmake --preset windows`.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== clang-format: every C++ file =="
git ls-files -z '*.cc' '*.h' | xargs -0 clang-format-14 --dry-run --Werror

echo "== clang-tidy: the native build's sources =="
database=build/compile_commands.json
cmake --preset ci >/dev/null
# Each file once: the reference program compiles the core's sources a second time. Files
# for other platforms (*_win32.cc) and the fuzz targets are not in this build.
mapfile -t sources < <(grep -o '"file": "[^"]*"' "$database" | cut -d'"' -f4 | sort -u)
[ ${#sources[@]} -gt 0 ] || { echo "lint.sh: no sources in $database" >&2; exit 1; }

# clang-tidy counts the warnings it suppressed in system headers on every file; only
# findings are worth showing.
tidy() {
  clang-tidy-14 --quiet "$@" 2>&1 | { grep -v -E '^[0-9]+ warnings? generated\.$' || true; }
  return "${PIPESTATUS[0]}"
}
export -f tidy
printf '%s\0' "${sources[@]}" | xargs -0 -n 4 -P "$(nproc)" bash -c 'tidy -p build "$@"' tidy
echo "clang-tidy: ${#sources[@]} files clean"

echo "== clang-tidy: the Windows build's own sources (*_win32.cc) =="
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix
cmake --preset windows >/dev/null
mapfile -t windows_sources < <(grep -o '"file": "[^"]*_win32\.cc"' build-windows/compile_commands.json |
  cut -d'"' -f4 | sort -u)
[ ${#windows_sources[@]} -gt 0 ] || { echo "lint.sh: no *_win32.cc in build-windows" >&2; exit 1; }
# clang parses them for the MinGW target, with the C++ library headers the cross compiler
# uses; its own headers stand in for GCC's intrinsics, which clang cannot read.
windows_args=(-p build-windows --extra-arg=--target=x86_64-w64-mingw32)
while read -r dir; do
  windows_args+=("--extra-arg=-isystem$dir")
done < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 |
  sed -n '/^#include <...>/,/^End of search/p' | grep '/include/c++')
printf '%s\0' "${windows_sources[@]}" |
  xargs -0 -n 4 -P "$(nproc)" bash -c 'tidy "$@"' tidy "${windows_args[@]}"
echo "clang-tidy: ${#windows_sources[@]} Windows files clean"
