#!/usr/bin/env bash
# Tests what a user gets from a release. Runs after scripts/test-windows.sh, whose builds
# (build/, build-windows/, build-windows-tests/) and wine prefix it uses:
#   - check-tree.sh refuses a repository holding a file over 1 MiB or over 1,000 files;
#   - `cmake --install` into a temporary prefix: the installed program does the README's
#     split and the documentation is in place;
#   - scripts/package.sh in a copy of the checkout in another folder: its program and its
#     .exe are byte for byte those built here (reproducible builds);
#   - the .deb: its control fields, lintian, and its program does the README's split;
#   - the .zip: README.txt and LICENSE.txt with CR LF, its .exe does the README's split
#     under wine and its Recomb.cmd joins the fragments back, and Windows reads the version
#     and the manifest from it.
# The README's split is checked by the end-to-end test of that run, pointed at the program
# under test. All scratch goes to a temporary folder outside the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh dpkg-dev file lintian unzip

fail() {
  echo "test-release.sh: $*" >&2
  exit 1
}

for needed in build/floppysplit build/tests/floppysplit_e2e_tests \
  build/tests/floppysplit_wine_tests build-windows/floppysplit.exe \
  build-windows/wineprefix/system.reg build-windows-tests/tests/floppysplit_version_probe.exe; do
  [ -e "$needed" ] || fail "$needed is missing; run scripts/test-windows.sh first"
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)

export WINEPREFIX="$PWD/build-windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

scratch=$(mktemp -d "${TMPDIR:-/tmp}/floppysplit-release.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

# Runs the end-to-end test `test` of `binary` against the program command line given after
# them; `what` names the program in messages.
run_e2e() {
  local what=$1 binary=$2 test=$3
  shift 3
  local log="$scratch/e2e.log"
  FLOPPYSPLIT_COMMAND="$*" "$binary" --gtest_filter="$test" >"$log" 2>&1 ||
    { cat "$log" >&2; fail "$what: $test failed (above)"; }
  # A filter that matches nothing passes too: make sure the test ran.
  grep -q '^\[  PASSED  \] 1 test' "$log" || { cat "$log" >&2; fail "$what: $test did not run"; }
  echo "ok: $what: $test"
}

# The README's split of a 3,000,000-byte big.bin: console bytes, fragments and script.
readme_split() {
  local what=$1
  shift
  run_e2e "$what" build/tests/floppysplit_e2e_tests \
    SplitRun.TypicalFloppyRunGivesTheWholeTranscriptAndThreeFragments "$@"
}

echo "== check-tree.sh on a throwaway repository =="
tree="$scratch/tree"
git -c init.defaultBranch=main init -q "$tree"
for i in $(seq 1000); do : >"$tree/file$i"; done
head -c $((1024 * 1024)) /dev/zero >"$tree/file1"
git -C "$tree" add -A
bash scripts/check-tree.sh "$tree" >/dev/null ||
  fail "check-tree.sh refuses 1,000 files with one of exactly 1 MiB"
: >"$tree/file1001"
git -C "$tree" add file1001
if message=$(bash scripts/check-tree.sh "$tree" 2>&1); then
  fail "check-tree.sh accepts 1,001 files"
fi
grep -q "tracks 1001 files" <<<"$message" || fail "check-tree.sh says: $message"
git -C "$tree" rm -q --cached file1001
head -c $((2 * 1024 * 1024)) /dev/zero >"$tree/file2"
git -C "$tree" add file2
if message=$(bash scripts/check-tree.sh "$tree" 2>&1); then
  fail "check-tree.sh accepts a file of 2 MiB"
fi
grep -q "file2 is 2097152 bytes, larger than 1 MiB" <<<"$message" ||
  fail "check-tree.sh says: $message"
echo "ok: check-tree.sh refuses 1,001 files and a file of 2 MiB, and names them"

echo "== cmake --install into a temporary prefix =="
prefix="$scratch/prefix"
cmake --install build --prefix "$prefix" >/dev/null
for file in bin/floppysplit share/doc/floppysplit/README.md share/doc/floppysplit/LICENSE \
  share/man/man1/floppysplit.1.gz; do
  [ -f "$prefix/$file" ] || fail "cmake --install did not install $file"
done
cmp -s GUIDE.md "$prefix/share/doc/floppysplit/README.md" ||
  fail "the installed README is not the user's guide, GUIDE.md"
readme_split "installed program" "$prefix/bin/floppysplit"

echo "== scripts/package.sh in a copy of the checkout =="
copy="$scratch/copy-of-floppysplit"
mkdir "$copy"
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$copy"
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) bash "$copy/scripts/package.sh" >"$scratch/package.log" 2>&1 ||
  { cat "$scratch/package.log" >&2; fail "package.sh failed (above)"; }
dist="$copy/dist"
deb="$dist/floppysplit_${version}_amd64.deb"
zip="$dist/floppysplit-$version-win64.zip"
tgz="$dist/floppysplit-$version-Linux-x86_64.tar.gz"
for package in "$deb" "$zip" "$tgz"; do
  [ -f "$package" ] || fail "package.sh did not make $(basename "$package"): $(ls "$dist")"
done
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the packages"
[ "$(wc -l <"$dist/SHA256SUMS")" = 3 ] || fail "SHA256SUMS should list the three packages"
echo "ok: three packages and SHA256SUMS"

echo "== reproducible builds: the same sources built in two folders =="
cmp "$copy/build-package/floppysplit" build/floppysplit ||
  fail "floppysplit built in $copy differs from build/floppysplit"
cmp "$copy/build-package-windows/floppysplit.exe" build-windows/floppysplit.exe ||
  fail "floppysplit.exe built in $copy differs from build-windows/floppysplit.exe"
echo "ok: floppysplit and floppysplit.exe are the same bytes"

echo "== the Debian package =="
info=$(dpkg-deb --info "$deb")
for field in "Package: floppysplit" "Version: $version" "Architecture: amd64" \
  "Section: utils" "Maintainer: floppysplit authors <maintainers@floppysplit.invalid>"; do
  grep -qxF " $field" <<<"$info" || fail "dpkg-deb --info has no '$field':"$'\n'"$info"
done
# Computed from the program's shared libraries, so it names the C and C++ libraries and nettle.
grep -qE '^ Depends: .*libc6 \(>= [0-9.]+\).*libnettle8.*libstdc\+\+6' <<<"$info" ||
  fail "dpkg-deb --info has no Depends line naming libc6, libnettle8 and libstdc++6:"$'\n'"$info"
# Lintian's remark on running as root is no finding about the package.
lint=$(lintian --fail-on error,warning "$deb" 2>&1) ||
  fail "lintian reports errors or warnings:"$'\n'"$lint"
lint=$(grep -v "running with root privileges" <<<"$lint" || true)
echo "ok: lintian: ${lint:-no errors or warnings}"
dpkg-deb -x "$deb" "$scratch/deb"
readme_split "program from the .deb" "$scratch/deb/usr/bin/floppysplit"

echo "== the Windows package =="
unzip -q "$zip" -d "$scratch/zip"
folder="$scratch/zip/floppysplit-$version-win64"
[ "$(LC_ALL=C ls "$folder" | tr '\n' ' ')" = "LICENSE.txt README.txt floppysplit.exe " ] ||
  fail "the .zip should hold floppysplit.exe, README.txt and LICENSE.txt: $(ls -R "$scratch/zip")"
sed 's/$/\r/' GUIDE.md | cmp -s - "$folder/README.txt" ||
  fail "README.txt is not the user's guide, GUIDE.md, with CR LF line ends"
sed 's/$/\r/' LICENSE | cmp -s - "$folder/LICENSE.txt" ||
  fail "LICENSE.txt is not LICENSE with CR LF line ends"
echo "ok: README.txt and LICENSE.txt with CR LF"
wineserver -p
readme_split "program from the .zip under wine" wine "$folder/floppysplit.exe"
run_e2e "program from the .zip under wine" build/tests/floppysplit_wine_tests \
  RecombScript.FloppySizeRunMatchesTheNativeBuildAndJoinsBack wine "$folder/floppysplit.exe"

probe=$(wine build-windows-tests/tests/floppysplit_version_probe.exe \
  "$(winepath -w "$folder/floppysplit.exe")" | tr -d '\r') ||
  fail "Windows reads no version information or manifest from floppysplit.exe: $probe"
for line in "ProductName: floppysplit" "FileVersion: $version" "ProductVersion: $version" \
  "Numeric version: $version.0" "LegalCopyright: (c) 2026 the floppysplit authors"; do
  grep -qxF "$line" <<<"$probe" || fail "floppysplit.exe's resources lack '$line':"$'\n'"$probe"
done
grep -qE '^FileDescription: .{10,}' <<<"$probe" || fail "floppysplit.exe has no FileDescription"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$probe" ||
  fail "floppysplit.exe's manifest does not ask to run as invoker:"$'\n'"$probe"
[ "$(grep -c '<supportedOS Id=' <<<"$probe")" = 4 ] ||
  fail "floppysplit.exe's manifest should name Windows 7, 8, 8.1 and 10/11:"$'\n'"$probe"
echo "ok: Windows reads version $version and the manifest from floppysplit.exe"
