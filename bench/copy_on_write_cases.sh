# shellcheck shell=bash disable=SC2154
# Sourced by bench/run.sh after its own cases, whose settings and functions it uses: the
# same comparison on copy-on-write file systems, XFS with reflink and btrfs, each
# loop-mounted from a sparse image file in a temporary folder outside the checkout. There
# the system's copy can lend a fragment the input's blocks instead of writing its bytes
# again, so besides the times this counts the disk space that each program's pieces take
# of their own: the bytes in extents that FIEMAP does not mark as shared with another
# file. Needs root (to mount) and the Debian packages xfsprogs and btrfs-progs.
#
# Cases: 1 GiB in 4096 KB pieces and in floppy-sized pieces, on each file system:
# (d) and (e) on XFS, (f) and (g) on btrfs.

# Rounds of each case: BENCH_RUNS when set, else 5 rather than the other cases' 9. Every run
# here writes 1 GiB onto a loop-mounted image and syncs it: at 5 rounds these four cases take
# most of the bench's ten to fifteen minutes, and 9 would add two thirds to that.
cow_runs=${BENCH_RUNS:-5}

cow_skip() { echo "skipping the copy-on-write cases $*"; }

if [ "$(id -u)" -ne 0 ]; then
  cow_skip "(d) to (g): loop-mounting their file systems needs root; run bench/run.sh as root"
  return 0
fi
PATH=$PATH:/usr/sbin:/sbin
if ! command -v mkfs.xfs >/dev/null || ! command -v mkfs.btrfs >/dev/null ||
  ! command -v xfs_io >/dev/null; then
  bash scripts/install-deps.sh xfsprogs btrfs-progs
fi

cow_root=$(mktemp -d "${TMPDIR:-/tmp}/floppysplit-bench-cow.XXXXXX")
mkdir "$cow_root/results"
# The images go, mounted or not, however the script ends.
trap 'remove_mount_root "$cow_root"' EXIT
trap 'exit 130' INT TERM

# Makes a sparse image of file system `kind` (xfs or btrfs) and mounts it on
# $cow_root/mount-$kind. Fails with the tools' own complaint on standard error.
cow_mount() {
  local kind=$1
  local image=$cow_root/$kind.img point=$cow_root/mount-$kind
  truncate -s 4G "$image" && mkdir "$point" || return 1
  case $kind in
    xfs) mkfs.xfs -q -m reflink=1 "$image" >/dev/null || return 1 ;;
    btrfs) mkfs.btrfs -q "$image" >/dev/null || return 1 ;;
  esac
  mount -o loop "$image" "$point"
}

cow_unmount() {
  umount "$cow_root/mount-$1"
  rm -rf "${cow_root:?}/mount-$1" "$cow_root/$1.img"
}

# Prints "own shared pieces sharing" for the pieces in a run's folder: the bytes in extents
# of their own, the bytes in extents shared with another file (the input), the number of
# pieces and how many of them share any of their blocks. xfs_io writes cached data back
# before it asks for the extents; it gives sizes in 512-byte units and the flags in hex, of
# which 0x2000 is "shared".
pieces_space() {
  find "$1" -type f \( -name 'fra*' -o -name 'piece.*' \) -print0 |
    xargs -0 xfs_io -r -c 'fiemap -v' |
    awk '
      function hex(text,   value, i) {
        text = tolower(substr(text, 3))
        for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
        return value
      }
      /^[^ ].*:$/ { pieces++; next }
      /^ *[0-9]+: \[/ && $3 != "hole" {
        if (int(hex($5) / 8192) % 2 == 1) { shared += $4 * 512; sharing[pieces] = 1 }
        else own += $4 * 512
      }
      END { for (p in sharing) count++; printf "%.0f %.0f %d %d\n", own, shared, pieces, count }'
}

# After a timed run on a copy-on-write file system: counts the space of the pieces (round 0
# is not counted), then removes them.
count_and_remove_pieces() {
  local case=$1 who=$2 round=$3
  [ "$round" = 0 ] || pieces_space "$work/$case-$who-$round" >>"$work/$case-$who-space.txt"
  rm -rf "${work:?}/$case-$who-$round"
}

# Like run_case, on the file system mounted at `point`.
cow_case() {
  local point=$1 case=$2 answers=$3 pieces=$4
  # run_rounds and timed_run work on the file system under test, for cow_runs rounds,
  # through these three.
  # shellcheck disable=SC2034 # run_rounds reads runs
  local data=$point work=$point/work runs=$cow_runs
  mkdir -p "$work"
  run_rounds "$case" big "$answers" "$pieces" 3 count_and_remove_pieces split floppysplit
  cp "$work/$case"-*.txt "$cow_root/results/"
}

cow_report() {
  local case=$1 title=$2
  # report reads the results through this.
  local work=$cow_root/results
  report "$case" "$title" split floppysplit split
  local who own shared count sharing
  for who in floppysplit split; do
    # The run whose pieces took the median space of their own.
    read -r own shared count sharing < <(sort -n "$work/$case-$who-space.txt" |
      awk '{ line[NR] = $0 } END { print line[int((NR + 1) / 2)] }')
    printf '    %-22s space of its own %8d KiB (%6.1f MiB), shared %8d KiB; %d of %d pieces share blocks\n' \
      "$(label_of "$who")" $((own / 1024)) \
      "$(awk -v v="$own" 'BEGIN { print v / 1048576 }')" $((shared / 1024)) "$sharing" "$count"
  done
}

echo
echo "== copy-on-write cases: loop-mounted images in $cow_root =="
cow_done=()
for kind in xfs btrfs; do
  if ! complaint=$(cow_mount "$kind" 2>&1); then
    cow_skip "on $kind: cannot make or mount its image: $complaint"
    continue
  fi
  point=$cow_root/mount-$kind
  echo "copying $data/big onto $kind"
  cp "$data/big" "$point/big"
  sync
  if [ "$kind" = xfs ]; then
    cow_case "$point" d 'y\nbig\ny\nn\n4096\ny\n' 4194304
    cow_case "$point" e 'y\nbig\ny\ny\ny\n' 1457152
  else
    cow_case "$point" f 'y\nbig\ny\nn\n4096\ny\n' 4194304
    cow_case "$point" g 'y\nbig\ny\ny\ny\n' 1457152
  fi
  cow_unmount "$kind"
  cow_done+=("$kind")
done

echo
echo "== copy-on-write results, $cow_runs runs each; space counted from FIEMAP after each run =="
echo "$(mkfs.xfs -V), $(mkfs.btrfs --version | head -1), kernel $(uname -r)"
echo "note: floppysplit's times include reading back every fragment for its SHA-256, which here" \
  "reads the blocks a fragment shares with the input from the file system, not the page cache," \
  "and reading every fragment back from the medium once they are all flushed."
for kind in "${cow_done[@]}"; do
  if [ "$kind" = xfs ]; then
    cow_report d "XFS (reflink=1), 1 GiB in 4096 KB pieces (256 files)"
    cow_report e "XFS (reflink=1), 1 GiB in floppy pieces (737 files)"
  else
    cow_report f "btrfs, 1 GiB in 4096 KB pieces (256 files)"
    cow_report g "btrfs, 1 GiB in floppy pieces (737 files)"
  fi
done
remove_mount_root "$cow_root"
trap - EXIT INT TERM
