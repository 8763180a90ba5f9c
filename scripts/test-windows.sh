#!/usr/bin/env bash
# Cross-builds build-windows/floppysplit.exe and tests it under wine: the file layer tests
# cross-built for Windows (test preset "windows-tests"), then the end-to-end suite and the
# Recomb.cmd tests, native test programs that drive the .exe (test preset "wine").
# Wine keeps its state in build-windows/wineprefix, never in the home folder.
# Fails, and says why, when wine cannot run the program: this suite never passes by
# skipping.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix googletest wine wine64

echo "== Windows build (MinGW-w64), warnings as errors =="
cmake --preset windows -DFLOPPYSPLIT_WERROR=ON
cmake --build --preset windows -j "$(nproc)"

echo "== file layer tests for Windows (MinGW-w64, GoogleTest from its Debian sources) =="
cmake --preset windows-tests
cmake --build --preset windows-tests -j "$(nproc)"

echo "== native test programs =="
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$(nproc)"

export WINEPREFIX="$PWD/build-windows/wineprefix"
export WINEDEBUG=-all
# Wine takes its code pages (OEM 437, ANSI 1252) from the locale, and the host's file names
# in UTF-8 from a UTF-8 locale: the tests of names beyond ASCII rely on both.
export LC_ALL=C.UTF-8
# No prompts to install Mono or Gecko; the program and cmd need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Console programs only: no window ever opens, with or without a display.
unset DISPLAY WAYLAND_DISPLAY

fail() {
  echo "test-windows.sh: $*" >&2
  exit 1
}

echo "== wine prefix $WINEPREFIX =="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  log="$PWD/build-windows/wineboot.log"
  wineboot -i >"$log" 2>&1 || fail "wine could not set up its prefix; see $log"
  # The registry reaches the disk when the wine server ends.
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || fail "wine could not set up its prefix; see $log"
fi
# One wine server for the whole suite, so that each run does not start its own (one
# left running for this prefix by an interrupted run serves as well).
wineserver -p || true
trap 'wineserver -k || true' EXIT

# Wine must run the program with clean standard error, or every test would fail for the
# wrong reason.
exe="$PWD/build-windows/floppysplit.exe"
probe_err="$PWD/build-windows/probe.err"
probe_out=$(cd build-windows && printf 'n\n' | wine "$exe" 2>"$probe_err") ||
  fail "wine could not run $exe (exit status $?): $(cat "$probe_err")"
if [ -s "$probe_err" ]; then fail "wine writes to standard error: $(cat "$probe_err")"; fi
case "$probe_out" in
  *Agree*) ;;
  *) fail "$exe under wine did not show the consent question: $probe_out" ;;
esac

# ctest counts a skipped test as passed; here a skip means the suite did not really run.
run_tests() {
  local log="$PWD/build-windows/ctest-$1.log"
  ctest --preset "$1" -j "$(nproc)" 2>&1 | tee "$log"
  if grep -q -e "The following tests did not run" -e "\[  SKIPPED \]" "$log"; then
    fail "tests were skipped under wine (see above)"
  fi
}

echo "== file layer tests under wine =="
run_tests windows-tests

echo "== end-to-end and Recomb.cmd tests under wine =="
run_tests wine
