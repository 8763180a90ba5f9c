#!/usr/bin/env bash
# Builds everything and runs every test, from a clean clone on a Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== native build, warnings as errors =="
cmake --preset ci
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci -j "$(nproc)"

echo "== Windows build under wine =="
bash scripts/test-windows.sh
