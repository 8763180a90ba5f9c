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
# (o): `floppysplit --check` of the same set in a tmpfs folder, against `sha256sum fra*`, which
#      reads and hashes every fragment once as the check does (target: at most 1.25 times
#      as long). Needs root.
# (n): the peak memory of `floppysplit --join` in a folder holding nothing but a hostile
#      64 MiB Recomb.cmd made only of empty CR LF lines. The join must refuse it (exit status
#      2 and one line on standard error) without reading it all in: target, a median peak
#      RSS of at most 16 MiB. The script is made once in the data folder; every run gets a
#      fresh folder with a hard link to it. No peer: nothing else joins such a set.

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
  # The join's SHA-256 stands in the line that goes to the mismatch label; each fragment's
  # own on a line of its own.
  digest=$(grep 'goto mismatch' "$set/Recomb.cmd" | grep -Eio '[0-9a-f]{64}' | tr 'A-F' 'a-f')
  [ ${#digest} = 64 ] || { echo "$set/Recomb.cmd holds no single SHA-256" >&2; exit 1; }
  echo "$digest" >"$work/$case-digest.txt"
  # Every program reads the fragments from the page cache, the first run included.
  cat "$set"/fra* >/dev/null
}

# After a run: the joined file goes, to give its space back (for openssl, the link to the
# input). The links to the set's files cost no space and stay until all timings are done.
remove_joined() { rm "$work/$1-$2-$3/$4"; }

# After a run of a check: nothing was made.
nothing_made() { :; }

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

# Case (n)'s hostile script, and what the join must say to it on standard error.
hostile_script=$data/recomb-crlf-64MiB.cmd
hostile_size=67108864
hostile_message="floppysplit: Recomb.cmd is not a recombination script of this program (line 1 is not one it writes)."

# Writes the hostile script unless it already has its size: yes prints a lone CR on every
# line, so its output is CR LF over and over.
make_hostile_script() {
  if [ "$(stat -c %s "$hostile_script" 2>/dev/null || echo 0)" != "$hostile_size" ]; then
    echo "making $hostile_script ($hostile_size bytes of empty CR LF lines)"
    # Through a process substitution, since yes ends on the pipe head closes, which would
    # fail a pipeline under pipefail.
    head -c "$hostile_size" < <(yes $'\r' 2>/dev/null) >"$hostile_script.part"
    mv "$hostile_script.part" "$hostile_script"
  fi
}

# One run of case (n) in a fresh folder holding only a link to the hostile script, named
# Recomb.cmd. Every run must end in the refusal and leave the script as it was. From round 1
# on, appends "wall user system rss" (milliseconds, seconds, seconds, KiB) to
# $work/n-join.txt, as timed_run does for the other cases.
hostile_run() {
  local round=$1
  local folder=$work/n-join-$round status=0 start end left user system rss
  mkdir "$folder"
  ln "$hostile_script" "$folder/Recomb.cmd"
  sync
  start=$(date +%s%N)
  (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
    "$program" --join </dev/null >../out.txt 2>../err.txt) || status=$?
  end=$(date +%s%N)
  if [ "$status" != 2 ] || [ -s "$work/out.txt" ] ||
    [ "$(cat "$work/err.txt")" != "$hostile_message" ]; then
    echo "floppysplit --join did not refuse the hostile Recomb.cmd with exit status 2 and" \
      "\"$hostile_message\" alone (exit status $status; standard output, then standard error):" >&2
    cat "$work/out.txt" "$work/err.txt" >&2
    exit 1
  fi
  left=$(find "$folder" -mindepth 1 -printf '%f %s\n')
  [ "$left" = "Recomb.cmd $hostile_size" ] ||
    { echo "floppysplit --join, refusing the hostile Recomb.cmd, left this behind:" >&2; echo "$left" >&2; exit 1; }
  # On a nonzero exit status, time writes "Command exited with non-zero status 2" first.
  read -r user system rss < <(tail -n 1 "$work/time.txt")
  [ "$round" = 0 ] || echo "$(((end - start) / 1000000)) $user $system $rss" >>"$work/n-join.txt"
}

# Prints case (n)'s median wall and CPU times and median peak RSS, whether that peak stays
# within the target, and every run's peak RSS.
hostile_report() {
  local file=$work/n-join.txt
  echo "(n) join refusing a hostile Recomb.cmd: 64 MiB of empty CR LF lines, alone in its folder"
  printf '    %-22s median wall %7.3f s  cpu %7.3f s  median peak RSS %6d KiB\n' "$(label_of join)" \
    "$(awk -v v="$(median_wall n join)" 'BEGIN { print v / 1000 }')" \
    "$(awk '{ print $2 + $3 }' "$file" | median)" "$(column_of "$file" 4 | median)"
  awk -v rss="$(column_of "$file" 4 | median)" -v target=16384 -v subject="$(label_of join):" 'BEGIN {
    printf "    median peak RSS %-22s %6d KiB  (target at most %d KiB: %s)\n", subject, rss, target,
      (rss <= target ? "ok" : "over target") }'
  echo "    every run, peak RSS KiB:"
  printf '      %-20s %s\n' "$(label_of join)" "$(column_of "$file" 4 | paste -sd ' ')"
}

echo
echo "== join cases: floppysplit --join of case (a)'s fragments, and of a hostile script =="

# Case (n) first: it takes seconds, so a join that fails to refuse stops the bench before
# the long cases, and the sync before each run leaves the making of the script no write-back
# for the cases after it.
echo "== join case (n): a hostile 64 MiB Recomb.cmd, $runs rounds after an untimed round 0 =="
make_hostile_script
for round in $(seq 0 "$runs"); do
  hostile_run "$round"
done
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
  mounted_join_case "$join_root/mount-tmpfs" m big 'y\nbig\ny\ny\ny\n' join openssl_joined \
    "${against_join[@]}"
  echo "== check case (o): tmpfs, in $join_root =="
  (
    data=$join_root/mount-tmpfs work=$join_root/mount-tmpfs/work
    make_join_set o big 'y\nbig\ny\ny\ny\n'
    run_rounds o big - - - nothing_made check sha256sum_set
    cp "$work"/o-*.txt "$join_root/results/"
  )
  umount "$join_root/mount-tmpfs"
fi

join_case k big 'y\nbig\ny\ny\ny\n' join cat_sync "${against_join[@]}"

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
if [ "$only" = join ]; then
  # run.sh printed no results of its own.
  echo "== join results, $(date -u +%Y-%m-%d), $runs runs each =="
  machine_lines
else
  echo "== join results, $runs runs each =="
fi
report k "join on the bench's disk: $title_a" "cat_sync:2.0 $against_join_ratio" join cat_sync \
  "${against_join[@]}"
if [ "$join_mounted" = 1 ]; then
  join_report l "join on ext4 with a journal (loop image): $title_a" "cat_sync:2.0" join cat_sync
  join_report m "join on tmpfs, no medium: $title_a" "openssl_joined:1.25 $against_join_ratio" \
    join openssl_joined "${against_join[@]}"
  join_report o "check on tmpfs, no medium: $title_a" "sha256sum_set:1.25" check sha256sum_set
  remove_mount_root "$join_root"
  trap - EXIT INT TERM
fi
hostile_report
