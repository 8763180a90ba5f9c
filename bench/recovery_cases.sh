#!/usr/bin/env bash
# Recovery files (`--recovery N`): 1 GiB split at the floppy size in a tmpfs folder, with
# --recovery 1 and --recovery 5, against the same split without recovery files and against
# GNU split -b 1457152 followed by par2 create -s1457152 -c N (par2cmdline) on the same data.
# Targets: each N faster than split then par2; --recovery 1 at most 2.5 times the split
# without it. Then the rebuild: --join of that 1 GiB split with --recovery 2 and two
# fragments deleted (the second and the 500th), against --join of the same set whole
# without its recovery files, and whole with them (target: rebuild at most 2 times the
# plain join, peak RSS at most 64 MiB; whole with recovery files as fast as without).
# BENCH_RECOVERY_CASES=rebuild runs only the rebuild's cases. Prints the median wall time
# of BENCH_RUNS rounds (default 3) and the peak RSS.
#
#   bash bench/recovery_cases.sh [path/to/floppysplit]   (or BENCH_ONLY=recovery bash bench/run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/floppysplit}")
runs=${BENCH_RUNS:-3}
size=${BENCH_RECOVERY_BYTES:-1073741824}
command -v par2 >/dev/null || { echo "recovery_cases.sh: needs par2 (Debian package par2)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "recovery_cases.sh: needs /usr/bin/time (package time)" >&2; exit 1; }

root=$(mktemp -d /dev/shm/floppysplit-bench-recovery.XXXXXX)
trap 'rm -rf "$root"' EXIT
head -c "$size" /dev/urandom >"$root/input"

# one label command...: runs the command in a fresh folder holding a link to the input,
# prints "seconds peak-KiB".
one() {
  local folder=$root/run
  rm -rf "$folder" && mkdir "$folder" && ln "$root/input" "$folder/big.bin"
  (cd "$folder" && /usr/bin/time -f '%e %M' -o "$root/time" "$@" >/dev/null 2>&1)
  cat "$root/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -A wall rss
med() { tr ' ' '\n' <<<"$1" | grep . | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# record case result: adds one round's "seconds peak-KiB" to the case's runs.
record() {
  wall[$1]+="${2% *} "
  rss[$1]+="${2#* } "
}

# print_medians case...: one line per case, its median time and peak RSS and every run.
print_medians() {
  local c
  for c in "$@"; do
    printf '%-10s %8s s  %8s KiB  (runs: %s)\n' "$c" "$(med "${wall[$c]}")" "$(med "${rss[$c]}")" "${wall[$c]}"
  done
}

# joins label files...: --join in a fresh folder of hard links to the set's `files`.
joins() {
  local folder=$root/run name
  rm -rf "$folder" && mkdir "$folder"
  for name in "$@"; do ln "$root/set/$name" "$folder/$name"; done
  (cd "$folder" && /usr/bin/time -f '%e %M' -o "$root/time" "$program" --join >/dev/null 2>&1)
  cat "$root/time"
}

rebuild_cases() {
  mkdir "$root/set" && ln "$root/input" "$root/set/big.bin"
  (cd "$root/set" && "$program" --yes --recovery 2 big.bin >/dev/null && rm big.bin)
  local all=() plain=() lost=() name n=0
  for name in $(cd "$root/set" && ls); do
    all+=("$name")
    case $name in fragm*) n=$((n + 1)); plain+=("$name"); [ $n = 2 ] || [ $n = 500 ] || lost+=("$name") ;;
      Recomb.cmd) plain+=("$name"); lost+=("$name") ;;
      *) lost+=("$name") ;;
    esac
  done
  local c result
  for ((round = 1; round <= runs; round++)); do
    for c in join whole rebuild2; do
      case $c in
        join) result=$(joins "${plain[@]}") ;;
        whole) result=$(joins "${all[@]}") ;;
        rebuild2) result=$(joins "${lost[@]}") ;;
      esac
      record "$c" "$result"
    done
  done
  rm -rf "$root/run"
  echo "== --join, $size bytes at the floppy size in tmpfs, $runs rounds, median =="
  print_medians join whole rebuild2
  echo "rebuild of 2 / plain join: $(ratio "$(med "${wall[rebuild2]}")" "$(med "${wall[join]}")") (target at most 2)"
  echo "whole with recovery files / plain join: $(ratio "$(med "${wall[whole]}")" "$(med "${wall[join]}")") (target 1)"
}

if [ "${BENCH_RECOVERY_CASES:-}" = rebuild ]; then
  rebuild_cases
  exit 0
fi

cases=(plain recovery1 recovery5 peer1 peer5)
for ((round = 1; round <= runs; round++)); do
  for c in "${cases[@]}"; do
    case $c in
      plain) result=$(one "$program" --yes big.bin) ;;
      recovery1) result=$(one "$program" --yes --recovery 1 big.bin) ;;
      recovery5) result=$(one "$program" --yes --recovery 5 big.bin) ;;
      peer1) result=$(one sh -c 'split -b 1457152 big.bin frag && par2 create -q -q -s1457152 -c1 -u -n1 x.par2 frag*') ;;
      peer5) result=$(one sh -c 'split -b 1457152 big.bin frag && par2 create -q -q -s1457152 -c5 -u -n5 x.par2 frag*') ;;
    esac
    record "$c" "$result"
  done
done
rm -rf "$root/run"

echo "== recovery files, $size bytes at the floppy size in tmpfs, $runs rounds, median =="
print_medians "${cases[@]}"
echo "--recovery 1 / plain: $(ratio "$(med "${wall[recovery1]}")" "$(med "${wall[plain]}")") (target at most 2.5)"
echo "--recovery 1 / split+par2 -c1: $(ratio "$(med "${wall[recovery1]}")" "$(med "${wall[peer1]}")") (target below 1)"
echo "--recovery 5 / split+par2 -c5: $(ratio "$(med "${wall[recovery5]}")" "$(med "${wall[peer5]}")") (target below 1)"
rebuild_cases
