# shellcheck shell=bash disable=SC2154
# Sourced by bench/run.sh after its own cases, whose settings and functions it uses: the
# work on two more file systems, each mounted in a temporary folder outside the checkout
# and removed afterwards. Needs root (to mount).
#
# (h) and (i): cases (a) and (c) on a loop-mounted ext4 image with its journal (the image a
#     sparse 4 GiB file on the bench's disk), against GNU split followed by sync (target:
#     floppysplit takes at most 2.0 times as long).
# (j): case (a) in a tmpfs folder, where no medium lies behind the cache and the check reads
#     the pieces back from memory, against openssl dgst -sha256 of the input (target: at
#     most 1.40 times as long, for the split's two digests).

if [ "$(id -u)" -ne 0 ]; then
  echo "skipping the cases (h) to (j): mounting their file systems needs root; run bench/run.sh as root"
  return 0
fi

medium_root=$(mktemp -d "${TMPDIR:-/tmp}/floppysplit-bench-medium.XXXXXX")
mkdir "$medium_root/results"
trap 'remove_mount_root "$medium_root"' EXIT
trap 'exit 130' INT TERM

# The pieces of every run go at once: an image holds fewer files than all rounds make.
remove_run() { rm -rf "${work:?}/$1-$2-$3"; }

# medium_case point case input answers pieces suffix program...: run_rounds on the file
# system mounted at `point`, which holds the input, then the phases of one more run.
medium_case() {
  local point=$1 case=$2 input=$3 answers=$4
  # run_rounds, timed_run and measure_phases work on the file system under test through
  # these two.
  local data=$point work=$point/work
  mkdir -p "$work"
  run_rounds "${@:2:5}" remove_run "${@:7}"
  measure_phases "$case" "$input" "$answers"
  cp "$work/$case"-*.txt "$medium_root/results/"
}

echo
echo "== cases (h) to (j): ext4 with a journal and tmpfs, in $medium_root =="
mkdir "$medium_root/mount-ext4" "$medium_root/mount-tmpfs"
truncate -s 4G "$medium_root/ext4.img"
mkfs.ext4 -q "$medium_root/ext4.img"
mount -o loop "$medium_root/ext4.img" "$medium_root/mount-ext4"
cp "$data/big" "$data/small" "$medium_root/mount-ext4/"
sync
medium_case "$medium_root/mount-ext4" i small 'y\nsmall\ny\nn\n1\ny\n' 1024 5 floppysplit split_sync
medium_case "$medium_root/mount-ext4" h big 'y\nbig\ny\ny\ny\n' 1457152 3 floppysplit split_sync
umount "$medium_root/mount-ext4"
rm "$medium_root/ext4.img"

mount -t tmpfs -o size=3G tmpfs "$medium_root/mount-tmpfs"
cp "$data/big" "$medium_root/mount-tmpfs/"
medium_case "$medium_root/mount-tmpfs" j big 'y\nbig\ny\ny\ny\n' 1457152 3 floppysplit openssl
umount "$medium_root/mount-tmpfs"

echo
echo "== results of (h) to (j), $runs runs each =="
medium_report() {
  # report reads the results through this.
  local work=$medium_root/results
  report "$@"
}
medium_report h "ext4 with a journal (loop image): $title_a" "split_sync:2.0" floppysplit split_sync
medium_report i "ext4 with a journal (loop image): $title_c" "split_sync:2.0" floppysplit split_sync
medium_report j "tmpfs, no medium: $title_a" "openssl:1.40" floppysplit openssl
remove_mount_root "$medium_root"
trap - EXIT INT TERM
