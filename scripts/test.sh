#!/usr/bin/env bash
# Builds everything and runs every test, from a clean clone on a Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== the repository's tree =="
bash scripts/check-tree.sh

# Files outside ignored folders that are not tracked: the tests must add none to the
# checkout (their scratch goes to the temporary folder or to ignored build folders).
untracked() { git status --porcelain --untracked-files=all | sed -n 's/^?? //p'; }
untracked_before=$(untracked)

bash scripts/install-deps.sh

echo "== native build, warnings as errors =="
cmake --preset ci
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci -j "$(nproc)"

echo "== format and lint (clang-format, clang-tidy) =="
bash scripts/lint.sh

echo "== the same suite under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake --preset asan
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"

echo "== fuzz targets (clang, libFuzzer), a fixed number of inputs each =="
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"
ctest --preset fuzz -j "$(nproc)"

echo "== Windows build under wine =="
bash scripts/test-windows.sh

echo "== install, packages and reproducible builds =="
bash scripts/test-release.sh

left=$(comm -13 <(sort <<<"$untracked_before") <(untracked | sort))
if [ -n "$left" ]; then
  echo "test.sh: the tests left files in the checkout outside the ignored folders:" >&2
  echo "$left" >&2
  exit 1
fi
