# shellcheck shell=bash disable=SC2154
# Sourced by bench/run.sh after bench/medium_cases.sh, whose settings and functions it uses:
# `floppysplit --join`, which does in the current folder what Recomb.cmd does (checks every
# fragment's length, joins them, flushes the join, reads it back from the medium and compares
# its SHA-256 with the script's, then renames it and deletes the fragments and Recomb.cmd).
# It joins case (a)'s floppy-sized fragments, which floppysplit makes once per case in a set
# folder. Every timed run gets a fresh folder with hard links to the set's fragments and
# Recomb.cmd: the join deletes only its links, and cat reads them.
#
# (k): on the bench's disk, against `sh -c 'cat fra* > big && sync'` (target: floppysplit
#      takes at most 2.0 times as long, since it also reads the join back and hashes it).
# (l): the same on a loop-mounted ext4 image with its journal (the image a sparse 5 GiB file
#      on the bench's disk) (target at most 2.0). Needs root (to mount).
# (m): in a tmpfs folder, where no medium lies behind the cache and the check reads the join
#      back from memory, against openssl dgst -sha256 of the input, which is the joined data
#      (target: at most 1.25 times as long). Needs root.

# Makes the fragment set of `case` in $work/$case-set: floppysplit splits a link to `input`
# with `answers`, then the link goes, leaving the fragments and Recomb.cmd. The SHA-256 the
# script holds becomes the case's digest, which timed_run holds openssl's digest of the
# input to.
make_join_set() {
  local case=$1 input=$2 answers=$3
  local set=$work/$case-set digest
  echo "making the fragment set of case $case in $set"
  mkdir "$set"
  ln "$data/$input" "$set/$input"
  if ! (cd "$set" && printf '%b' "$answers" | "$program" >../out.txt 2>&1) ||
    ! grep -q '^Normal exit' "$work/out.txt"; then
    echo "floppysplit failed to make the fragment set:" >&2
    cat "$work/out.txt" >&2
    exit 1
  fi
  rm "$set/$input"
  digest=$(grep -Eio '[0-9a-f]{64}' "$set/Recomb.cmd" | tr 'A-F' 'a-f')
  [ ${#digest} = 64 ] || { echo "$set/Recomb.cmd holds no single SHA-256" >&2; exit 1; }
  echo "$digest" >"$work/$case-digest.txt"
  # Every program reads the fragments from the page cache, the first run included.
  cat "$set"/fra* >/dev/null
}

# After a run: the joined file goes, to give its space back (for openssl, the link to the
# input). The links to the set's files cost no space and stay until all timings are done.
remove_joined() { rm "$work/$1-$2-$3/$4"; }

# join_case case input answers program...: makes the case's fragment set, runs the programs
# taking turns, then empties the set's fragments (and so every link to them) to give their
# space back.
join_case() {
  local case=$1 input=$2 answers=$3
  make_join_set "$case" "$input" "$answers"
  # The join cases cut no pieces of their own: no piece size, no suffix length.
  run_rounds "$case" "$input" "$answers" - - remove_joined "${@:4}"
  find "$work/$case-set" -type f -size +1M -exec truncate -s 0 {} +
}

# mounted_join_case point case input answers program...: join_case on the file system
# mounted at `point`, which holds the input; the results go to $join_root/results.
mounted_join_case() {
  local point=$1 case=$2
  # make_join_set, run_rounds and timed_run work on the file system under test through
  # these two.
  local data=$point work=$point/work
  mkdir -p "$work"
  join_case "${@:2}"
  cp "$work/$case"-*.txt "$join_root/results/"
}

join_report() {
  # report reads the results through this.
  local work=$join_root/results
  report "$@"
}

echo
echo "== join cases: floppysplit --join of case (a)'s fragments =="
join_mounted=0
if [ "$(id -u)" -ne 0 ]; then
  echo "skipping the join cases (l) and (m): mounting their file systems needs root; run bench/run.sh as root"
else
  join_mounted=1
  join_root=$(mktemp -d "${TMPDIR:-/tmp}/floppysplit-bench-join.XXXXXX")
  mkdir "$join_root/results" "$join_root/mount-ext4" "$join_root/mount-tmpfs"
  trap 'remove_mount_root "$join_root"' EXIT
  trap 'exit 130' INT TERM

  # The tmpfs case first: its two threads need both processors, which the write-back the
  # disk cases leave behind would take turns with.
  echo "== join case (m): tmpfs, in $join_root =="
  # The input, the set and one join at a time, 3 GiB, and the fragments' last pages, which
  # they fill only in part.
  mount -t tmpfs -o size=4G tmpfs "$join_root/mount-tmpfs"
  cp "$data/big" "$join_root/mount-tmpfs/"
  mounted_join_case "$join_root/mount-tmpfs" m big 'y\nbig\ny\ny\ny\n' join openssl_joined
  umount "$join_root/mount-tmpfs"
fi

join_case k big 'y\nbig\ny\ny\ny\n' join cat_sync

if [ "$join_mounted" = 1 ]; then
  echo "== join case (l): ext4 with a journal, in $join_root =="
  # The input, the set and one join at a time: 3 GiB and the file system's own.
  truncate -s 5G "$join_root/ext4.img"
  mkfs.ext4 -q "$join_root/ext4.img"
  mount -o loop "$join_root/ext4.img" "$join_root/mount-ext4"
  cp "$data/big" "$join_root/mount-ext4/"
  sync
  mounted_join_case "$join_root/mount-ext4" l big 'y\nbig\ny\ny\ny\n' join cat_sync
  umount "$join_root/mount-ext4"
  rm "$join_root/ext4.img"
fi

echo
echo "== join results, $runs runs each =="
report k "join on the bench's disk: $title_a" "cat_sync:2.0" join cat_sync
if [ "$join_mounted" = 1 ]; then
  join_report l "join on ext4 with a journal (loop image): $title_a" "cat_sync:2.0" join cat_sync
  join_report m "join on tmpfs, no medium: $title_a" "openssl_joined:1.25" join openssl_joined
  remove_mount_root "$join_root"
  trap - EXIT INT TERM
fi
