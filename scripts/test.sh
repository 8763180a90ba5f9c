#!/usr/bin/env bash
# Builds everything and runs every test, from a clean clone on a Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

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
