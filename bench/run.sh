#!/usr/bin/env bash
# Times floppysplit, which writes the pieces and a SHA-256 of what it wrote, against other
# programs doing the same work or part of it, and prints each one's median wall and CPU times
# and peak memory, and floppysplit's median wall time over each other program's. The test
# data is made once under bench/data; every run works in a fresh folder under bench/work, and
# the programs take turns, each round starting one place further down their list, so that
# all meet the same state of the page cache and of the disk.
#
#   bash bench/run.sh            9 timed rounds per case, after one untimed round 0
#   BENCH_RUNS=5 bash bench/run.sh
#   BENCH_SMALL=1 bash bench/run.sh    checks the script itself in seconds: small inputs under
#                                      bench/data/small-set, no copy-on-write cases; its times
#                                      say nothing about speed
#   BENCH_AGAINST=/path/to/floppysplit bash bench/run.sh
#                                      also times that other build of floppysplit in cases
#                                      (a) to (c), (k) and (m), taking turns with this one,
#                                      and prints this build's wall time over the other's
#                                      (target at most 1.05): a change that should not alter
#                                      speed is measured against the build before it
#   BENCH_ONLY=join bash bench/run.sh  only the join cases (k) to (n): makes case (a)'s input,
#                                      which they split into their fragment set, and skips the
#                                      timing of cases (a) to (j); works with BENCH_SMALL=1 and
#                                      BENCH_RUNS
#   BENCH_ONLY=recovery bash bench/run.sh  only bench/recovery_cases.sh: --recovery 1 and 5
#                                      against split then par2 create, in tmpfs; then --join
#                                      rebuilding 2 fragments against a plain --join
#                                      (BENCH_RECOVERY_CASES=rebuild: only that)
#   BENCH_ONLY=split bash bench/run.sh only the split cases (a) to (c) on the bench's disk
#   BENCH_ONLY=medium bash bench/run.sh  only the split cases (h) to (j) on ext4 with a journal
#                                      and in tmpfs (bench/medium_cases.sh), as root
#
# floppysplit reports success only once its pieces are on the medium and read back from it,
# so its peers here include GNU split followed by sync.
#
# Cases:
# (a) 1 GiB in floppy-sized pieces (1,457,152 bytes), against four programs:
#     - GNU split -b 1457152 alone, the pieces without a checksum;
#     - split, then sync, timed as one `sh -c` run: the pieces on the medium (target:
#       floppysplit takes at most 2.0 times as long, since it also reads them back);
#     - split, then sha256sum of the input, timed as one `sh -c` run: the usual way to get
#       the pieces and a checksum (no target: floppysplit also puts the pieces on the medium
#       and reads them back from it);
#     - openssl dgst -sha256 of the input: every byte read and hashed once (no target here;
#       see (j)).
#     One more run, under strace, shows what share of floppysplit's time the flush and the
#     check from the medium take.
# (b) 100 MB in 100 KB pieces (1,000 files), against GNU split, and (c) 20 MB in 1 KB pieces
#     (20,480 files), against GNU split and split then sync (target at most 2.0).
# Run as root, also (d) to (g): 1 GiB in 4096 KB and in floppy-sized pieces on loop-mounted
# XFS and btrfs against GNU split, with the disk space the pieces take; 5 rounds unless
# BENCH_RUNS is set (bench/copy_on_write_cases.sh). And (h) and (i), cases (a) and (c) on a
# loop-mounted ext4 image with its journal, and (j), case (a) in a tmpfs folder, which has
# no medium, against openssl dgst -sha256 (target at most 1.40: the split hashes the data
# twice, for the whole file and for each fragment) (bench/medium_cases.sh).
# Then the join, `floppysplit --join` of case (a)'s 737 fragments as floppysplit made them
# (bench/join_cases.sh): (k) on the bench's disk, against `sh -c 'cat fra* > big && sync'`
# (target at most 2.0, since it also reads the join back from the medium and checks its
# SHA-256); as root, (l) the same on a loop-mounted ext4 image with its journal (target at
# most 2.0), and (m) in a tmpfs folder, against openssl dgst -sha256 of the joined data
# (target at most 1.25); (o), `floppysplit --check` of the same set in a tmpfs folder, against
# `sha256sum fra*` (target at most 1.25). And (n): the peak memory of `floppysplit --join` refusing a hostile
# 64 MiB Recomb.cmd made only of empty CR LF lines, which it must turn down without reading
# it all in (target: median peak RSS at most 16 MiB).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${BENCH_RUNS:-9}
small=${BENCH_SMALL:-0}
only=${BENCH_ONLY:-}
against=${BENCH_AGAINST:-}
if [ -n "$against" ]; then
  against=$(realpath "$against")
  [ -x "$against" ] || { echo "bench/run.sh: BENCH_AGAINST=$against is no program" >&2; exit 1; }
fi
case $only in
  "" | join | split | medium) ;;
  recovery) exec bash bench/recovery_cases.sh ;;
  *) echo "bench/run.sh: BENCH_ONLY=$only is unknown; the values are join, split, medium and recovery" >&2; exit 1 ;;
esac
data=bench/data
work=bench/work
# Input sizes in bytes and the titles of cases (a) to (c).
size_a=1073741824 size_b=102400000 size_c=20971520
title_a="1 GiB, floppy pieces (1,457,152 bytes; 737 files)"
title_b="100 MB, 100 KB pieces (1,000 files)"
title_c="20 MB, 1 KB pieces (20,480 files)"
if [ "$small" = 1 ]; then
  # The same cases on inputs small enough to run every program in a second or so.
  data=bench/data/small-set
  size_a=16777216 size_b=2048000 size_c=262144
  title_a="BENCH_SMALL: 16 MiB, floppy pieces (1,457,152 bytes; 12 files)"
  title_b="BENCH_SMALL: 2 MB, 100 KB pieces (20 files)"
  title_c="BENCH_SMALL: 256 KiB, 1 KB pieces (256 files)"
fi

# Installs Debian package `package` when `command` is missing; `use` says what the bench
# needs it for.
install_missing() {
  local command=$1 package=$2 use=$3
  command -v "$command" >/dev/null && return 0
  echo "bench/run.sh $use with $command (Debian package '$package'); installing it." >&2
  if ! bash scripts/install-deps.sh "$package" || ! command -v "$command" >/dev/null; then
    echo "bench/run.sh: $command is missing; install the Debian package '$package'." >&2
    exit 1
  fi
}
install_missing /usr/bin/time time "measures peak memory"
install_missing openssl openssl "compares floppysplit with the hash alone"
# Only case (a) runs a program under strace.
[ "$only" = join ] ||
  install_missing strace strace "shows the share of the flush and the check from the medium"
for command in split sha256sum; do
  command -v "$command" >/dev/null || { echo "bench/run.sh: GNU $command is missing (coreutils)." >&2; exit 1; }
done

echo "== building floppysplit (release) =="
cmake --preset default >/dev/null
cmake --build --preset default --target floppysplit >/dev/null
program=$PWD/build/floppysplit

# Writes `size` random bytes to `name` unless it already has that size.
make_data() {
  local name=$1 size=$2
  if [ "$(stat -c %s "$data/$name" 2>/dev/null || echo 0)" != "$size" ]; then
    echo "making $data/$name ($size bytes)"
    head -c "$size" /dev/urandom >"$data/$name.part"
    mv "$data/$name.part" "$data/$name"
  fi
}
mkdir -p "$data"
# The join cases need only case (a)'s input, which they split into their fragment set.
make_data big "$size_a"
if [ "$only" != join ]; then
  make_data mid "$size_b"
  make_data small "$size_c"
fi

if [ -d "$work" ]; then
  echo "removing $work left by an earlier run; timings may come out slow (see the note at the end)"
  rm -rf "$work"
fi
mkdir -p "$work"

# One timed run in a fresh folder holding a link to the input, or, for the programs that
# join (join and cat_sync), links to the fragments and Recomb.cmd of the case's set in
# $work/$case-set (see bench/join_cases.sh). Appends "wall user system rss" (milliseconds,
# seconds, seconds, KiB) to the case's result file for the program.
timed_run() {
  local case=$1 who=$2 round=$3 input=$4 answers=$5 pieces=$6 suffix=$7
  local folder=$work/$case-$who-$round
  # The other build (BENCH_AGAINST) runs as this one does, under a name of its own.
  local kind=$who binary=$program
  if [[ $who == *_against ]]; then kind=${who%_against} binary=$against; fi
  mkdir "$folder"
  case $kind in
    join | cat_sync | check | sha256sum_set) ln "$work/$case-set"/* "$folder/" ;;
    *) ln "$data/$input" "$folder/$input" ;;
  esac
  sync
  local start end
  start=$(date +%s%N)
  case $kind in
    floppysplit)
      (cd "$folder" && printf '%b' "$answers" | /usr/bin/time -f '%U %S %M' -o ../time.txt \
        "$binary" >../out.txt) ;;
    split)
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        split -a "$suffix" -b "$pieces" "$input" piece.) ;;
    split_sync)
      # GNU split's pieces on the medium: the floor for a split that promises that.
      # shellcheck disable=SC2016 # the inner shell expands its own arguments
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        sh -c 'split -a "$1" -b "$2" "$3" piece. && sync' sh "$suffix" "$pieces" "$input") ;;
    split_sha256sum)
      # The pieces and a checksum the common way: split, then sha256sum of the input, in one
      # shell timed as a whole. The CPU times are those of the shell and its children
      # together; %M is the peak RSS of the largest of them alone, as wait4 reports it for
      # a process that waited for its children, which is the figure wanted here.
      # shellcheck disable=SC2016 # the inner shell expands its own arguments
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        sh -c 'split -a "$1" -b "$2" "$3" piece. && sha256sum "$3" >"$3.sha256"' \
        sh "$suffix" "$pieces" "$input") ;;
    openssl | openssl_joined)
      # Every byte read and hashed once, and nothing written but the digest: the floor for a
      # program that hashes what it splits, or what it joins (the input is the joined data).
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        openssl dgst -sha256 -out "$input.sha256" "$input") ;;
    join)
      # The join names its result after the input, which the set's script holds.
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        "$binary" --join </dev/null >../out.txt 2>&1) ||
        { echo "floppysplit --join failed:" >&2; cat "$work/out.txt" >&2; exit 1; } ;;
    check)
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        "$binary" --check </dev/null >../out.txt 2>&1) ||
        { echo "floppysplit --check failed:" >&2; cat "$work/out.txt" >&2; exit 1; } ;;
    sha256sum_set)
      # Every fragment read and hashed once, one SHA-256 each: the floor for a check of a
      # set that holds each fragment's SHA-256. The glob sorts the fragment names in order.
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        sh -c 'sha256sum fra* >../sums.txt') ;;
    cat_sync)
      # The fragments joined and on the medium, with no check: the floor for a join that
      # promises that. The glob sorts the fragment names in order.
      # shellcheck disable=SC2016 # the inner shell expands its own arguments
      (cd "$folder" && /usr/bin/time -f '%U %S %M' -o ../time.txt \
        sh -c 'cat fra* >"$1" && sync' sh "$input") ;;
    *)
      echo "bench/run.sh: no program called $who" >&2
      exit 1 ;;
  esac
  end=$(date +%s%N)
  read -r user system rss <"$work/time.txt"
  [ "$round" = 0 ] || echo "$(((end - start) / 1000000)) $user $system $rss" >>"$work/$case-$who.txt"
  if [ "$kind" = floppysplit ] && [ "$round" = 0 ]; then
    # Once per case, outside the timing: the fragments joined must give the input back.
    grep -q '^Normal exit' "$work/out.txt" || { echo "floppysplit failed:" >&2; cat "$work/out.txt" >&2; exit 1; }
    # Every fragment name starts with "fra"; the glob sorts them in order.
    (cd "$folder" && cat fra* | cmp -s - "$input") ||
      { echo "floppysplit's fragments do not join to $input" >&2; exit 1; }
  fi
  if [[ $kind = join || $kind = cat_sync ]] && [ "$round" = 0 ]; then
    # Once per case, outside the timing: the join must give the input back.
    cmp -s "$folder/$input" "$data/$input" || { echo "$who did not give $input back" >&2; exit 1; }
  fi
  if [ "$kind" = check ] && [ "$round" = 0 ]; then
    # Once per case, outside the timing: the check must find the set intact and say so alone.
    [ "$(cat "$work/out.txt")" = "The set is intact." ] ||
      { echo "floppysplit --check printed something else:" >&2; cat "$work/out.txt" >&2; exit 1; }
  fi
  if [ "$kind" = join ] && [ "$round" = 0 ]; then
    # Also, floppysplit --join must say it succeeded and nothing else, and leave nothing but
    # the joined file in the folder.
    [ "$(cat "$work/out.txt")" = "Recombination succeeded." ] ||
      { echo "floppysplit --join printed something else:" >&2; cat "$work/out.txt" >&2; exit 1; }
    local left
    left=$(find "$folder" -mindepth 1 -printf '%f\n' | sort | paste -sd ' ')
    [ "$left" = "$input" ] || { echo "floppysplit --join left $left, not just $input" >&2; exit 1; }
  fi
  if [ "$round" = 0 ] && [ -f "$folder/$input.sha256" ]; then
    # Once per case, outside the timing: the programs that hash the input must agree.
    local digest
    digest=$(grep -Eo '[0-9a-f]{64}' "$folder/$input.sha256") ||
      { echo "$who wrote no SHA-256 of $input" >&2; exit 1; }
    if [ -f "$work/$case-digest.txt" ]; then
      [ "$digest" = "$(cat "$work/$case-digest.txt")" ] ||
        { echo "$who's SHA-256 of $input differs from the other program's (or the fragment set's Recomb.cmd's)" >&2; exit 1; }
    else
      echo "$digest" >"$work/$case-digest.txt"
    fi
  fi
}

# With BENCH_AGAINST, the other build's names as a program in the cases and as a ratio with
# its target in the reports.
against_split=() against_join=() against_split_ratio='' against_join_ratio=''
if [ -n "$against" ]; then
  against_split=(floppysplit_against) against_join=(join_against)
  against_split_ratio=floppysplit_against:1.05 against_join_ratio=join_against:1.05
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column_of() { awk -v c="$2" '{ print $c }' "$1"; }

# Runs one case, the programs named after `after_run` taking turns; after every run, calls
# `after_run` with the case, the program, the round and the input's name.
run_rounds() {
  local case=$1 input=$2 answers=$3 pieces=$4 suffix=$5 after_run=$6
  shift 6
  local programs=("$@")
  echo "== case $case: $runs rounds of ${programs[*]}, taking turns =="
  # Every program reads the input from the page cache, the first run included.
  cat "$data/$input" >/dev/null
  # Round 0 is not timed: it lets the file system settle into the work first.
  local round place who
  for round in $(seq 0 "$runs"); do
    # Each round starts one place further down the list, so that every program goes first,
    # and last, in turn.
    for ((place = 0; place < ${#programs[@]}; place++)); do
      who=${programs[(round + place) % ${#programs[@]}]}
      timed_run "$case" "$who" "$round" "$input" "$answers" "$pieces" "$suffix"
      "$after_run" "$case" "$who" "$round" "$input"
    done
  done
}

# Big files are emptied to give the space back, but every file is kept until all timings
# are done: on a file system without a journal, inodes freed in the last minutes make every
# file creation slower.
empty_big_files() {
  local case=$1 who=$2 round=$3 input=$4
  rm "$work/$case-$who-$round/$input"
  find "$work/$case-$who-$round" -type f -size +1M -exec truncate -s 0 {} +
}

# run_case case input answers pieces suffix program...
run_case() { run_rounds "${@:1:5}" empty_big_files "${@:6}"; }

# Unmounts what is mounted on the folders `root`/mount-* and removes `root`, for the cases
# on file systems of their own.
remove_mount_root() {
  local point
  for point in "$1"/mount-*; do
    if mountpoint -q "$point"; then umount "$point" || umount -l "$point"; fi
  done
  rm -rf "$1"
}

# Runs floppysplit once more on `input` in a fresh folder of `case`, untimed, under strace,
# and writes to the case's phases file the seconds its run took, the flush of the file
# system (syncfs) took, and the rest after it took: the check from the medium, and the
# script.
measure_phases() {
  local case=$1 input=$2 answers=$3
  local folder=$work/$case-phases
  mkdir "$folder"
  ln "$data/$input" "$folder/$input"
  sync
  (cd "$folder" && printf '%b' "$answers" | strace -f -qq --seccomp-bpf -ttt -T \
    -e trace=execve,syncfs,exit_group -o ../strace.txt "$program" >/dev/null)
  awk '
    { sub(/^[0-9]+ +/, "") }
    NR == 1 { start = $1 }
    / syncfs\(/ { flushed = $1; match($0, /<[0-9.]+>$/); flush = substr($0, RSTART + 1, RLENGTH - 2) }
    / exit_group\(/ { end = $1 }
    END { printf "%.3f %.3f %.3f\n", end - start, flush, end - flushed - flush }
  ' "$work/strace.txt" >"$work/$case-phases.txt"
  rm -rf "$folder"
}

if [ "$only" = join ]; then
  echo "skipping the timing of cases (a) to (j) under BENCH_ONLY=join"
elif [ "$only" = medium ]; then
  echo "skipping the cases (a) to (g) under BENCH_ONLY=medium"
else
  # Many small files first: they suffer most from anything else the disk is still doing.
  run_case c small 'y\nsmall\ny\nn\n1\ny\n' 1024 5 split floppysplit split_sync \
    "${against_split[@]}"
  run_case b mid 'y\nmid\ny\nn\n100\ny\n' 102400 4 split floppysplit "${against_split[@]}"
  # Case (a) also times the ways to get the pieces and a SHA-256 without floppysplit.
  run_case a big 'y\nbig\ny\ny\ny\n' 1457152 3 split floppysplit split_sync split_sha256sum openssl \
    "${against_split[@]}"
  measure_phases a big 'y\nbig\ny\ny\ny\n'
fi

# The name a program goes by in the report.
label_of() {
  case $1 in
    split) echo "GNU split" ;;
    split_sync) echo "split && sync" ;;
    split_sha256sum) echo "split + sha256sum" ;;
    openssl) echo "openssl dgst -sha256" ;;
    join) echo "floppysplit --join" ;;
    check) echo "floppysplit --check" ;;
    sha256sum_set) echo "sha256sum fra*" ;;
    cat_sync) echo "cat fra* && sync" ;;
    openssl_joined) echo "openssl, joined data" ;;
    floppysplit_against) echo "against floppysplit" ;;
    join_against) echo "against --join" ;;
    *) echo "$1" ;;
  esac
}

# Median wall time of a program's runs in a case, in milliseconds.
median_wall() { column_of "$work/$1-$2.txt" 1 | median; }

# Prints the median wall time of floppysplit, as `subject` runs it, over that of `other` in
# `case`; with a `target`, also whether the ratio stays within it.
ratio_line() {
  local case=$1 subject=$2 other=$3 target=${4:-}
  awk -v a="$(median_wall "$case" "$subject")" -v b="$(median_wall "$case" "$other")" \
    -v target="$target" -v subject="$(label_of "$subject")" -v name="$(label_of "$other"):" 'BEGIN {
      text = sprintf("    wall ratio %s / %-22s", subject, name)
      if (b <= 0) { print text "   n/a (its median is 0 ms)"; exit }
      ratio = a / b
      if (target == "") printf "%s %6.3f  (no target)\n", text, ratio
      else printf "%s %6.3f  (target at most %.2f: %s)\n", text, ratio, target,
        (ratio <= target + 0 ? "ok" : "over target")
    }'
}

# report case title ratios program...
# Prints each program's median wall and CPU times and peak memory in the case, then the
# first program's (floppysplit's, splitting or joining) wall time over that of each program
# in `ratios` (words "program" or "program:target"), then every run's wall time.
report() {
  local case=$1 title=$2 ratios=$3
  shift 3
  local who file ratio target whole flush check
  echo "($case) $title"
  for who in "$@"; do
    file=$work/$case-$who.txt
    printf '    %-22s median wall %7.3f s  cpu %7.3f s  peak RSS %6d KiB\n' "$(label_of "$who")" \
      "$(awk -v v="$(median_wall "$case" "$who")" 'BEGIN { print v / 1000 }')" \
      "$(awk '{ print $2 + $3 }' "$file" | median)" "$(column_of "$file" 4 | sort -n | tail -1)"
  done
  for ratio in $ratios; do
    target=
    [[ $ratio != *:* ]] || target=${ratio#*:}
    ratio_line "$case" "$1" "${ratio%%:*}" "$target"
  done
  if [ -f "$work/$case-phases.txt" ]; then
    read -r whole flush check <"$work/$case-phases.txt"
    awk -v whole="$whole" -v flush="$flush" -v check="$check" 'BEGIN {
      printf "    one more floppysplit run under strace: %.3f s, of which the flush %.3f s (%.0f%%)" \
        " and the check from the medium with the script %.3f s (%.0f%%)\n",
        whole, flush, 100 * flush / whole, check, 100 * check / whole }'
  fi
  echo "    every run, ms:"
  for who in "$@"; do
    printf '      %-20s %s\n' "$(label_of "$who")" "$(column_of "$work/$case-$who.txt" 1 | paste -sd ' ')"
  done
}

# The machine and the bench's disk, at the head of the results.
machine_lines() {
  echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
    "kernel $(uname -r), $(stat -f -c %T bench) file system"
  echo "bench disk: $(findmnt -n -o SOURCE,FSTYPE --target bench)," \
    "$(tune2fs -l "$(findmnt -n -o SOURCE --target bench)" 2>/dev/null |
      grep -q has_journal && echo "with a journal" || echo "no journal (or not ext4)")"
}

if [ "$only" = medium ]; then
  machine_lines
  source bench/medium_cases.sh
elif [ "$only" != join ]; then
  echo
  echo "== results, $(date -u +%Y-%m-%d), $runs runs each =="
  machine_lines
  # floppysplit splits, hashes and reads its pieces back from the medium: at most twice the
  # time of split followed by sync.
  report a "$title_a" "split_sync:2.0 split_sha256sum openssl split $against_split_ratio" \
    floppysplit split_sync openssl split_sha256sum split "${against_split[@]}"
  report b "$title_b" "split $against_split_ratio" floppysplit split \
    "${against_split[@]}"
  report c "$title_c" "split_sync:2.0 split $against_split_ratio" floppysplit split_sync \
    split "${against_split[@]}"

  if [ "$only" = split ]; then
    echo "skipping the cases (d) to (n) under BENCH_ONLY=split"
  elif [ "$small" = 1 ]; then
    echo "skipping the copy-on-write cases (d) to (g) under BENCH_SMALL"
  else
    source bench/copy_on_write_cases.sh
  fi
  [ "$only" = split ] || source bench/medium_cases.sh
fi
# Under BENCH_ONLY=join, the join results print the machine lines themselves.
[ "$only" = split ] || [ "$only" = medium ] || source bench/join_cases.sh

rm -rf "$work"
echo "note: $work was just removed. On a file system without a journal, creating files stays"
echo "slower for about six minutes after many have been removed; wait that long before timing again."
