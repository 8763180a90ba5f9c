#!/usr/bin/env bash
# Fails, and names what is wrong, when the repository tracks a file larger than 1 MiB or
# more than 1,000 files: build output, bench data and test scratch belong under an ignored
# folder or outside the checkout, never in a commit. Checks what is staged (the index), so
# it also catches a mistake before it is committed.
#
# Also fails on an include under src/ that runs up the program's floors, lowest first:
# platform, runtime, dialogue, files, recovery, script, split, join, run, main. A floor includes only
# its own folder and those below it; the one way up is run/run_flow.h, through which the
# split's stages (src/split) end the run silently. The join never includes the split, whose job it never touches.
# Tests beside the code may include the test support too.
#
#   bash scripts/check-tree.sh [repository]     (default: this checkout)
set -euo pipefail

max_bytes=$((1024 * 1024))
max_files=1000
cd "${1:-$(dirname "$0")/..}"

fail=0
count=$(git ls-files | wc -l)
if [ "$count" -gt "$max_files" ]; then
  echo "check-tree.sh: the repository tracks $count files, more than $max_files." >&2
  fail=1
fi

# Size of every staged file, from its blob: "size path" for those above the limit.
large=$(git ls-files -s | awk -F '\t' '{ split($1, f, " "); print f[2] " " $2 }' |
  git cat-file --batch-check='%(objectsize) %(rest)' |
  awk -v max="$max_bytes" '$1 > max')
if [ -n "$large" ]; then
  while read -r size path; do
    echo "check-tree.sh: $path is $size bytes, larger than 1 MiB ($max_bytes bytes)." >&2
  done <<<"$large"
  fail=1
fi

floors=(platform runtime dialogue files recovery script split join run main)
floor_of() {
  local i
  for i in "${!floors[@]}"; do
    [ "${floors[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}
upward=0
while IFS=: read -r file line include; do
  from=$(floor_of "$(cut -d/ -f2 <<<"$file")")
  target=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$include")
  [[ $target == run/run_flow.h && $file == src/split/* ]] && continue
  [[ $file == *_test.cc && $target == support/* ]] && continue
  to=$(floor_of "${target%%/*}")
  if [ "$from" -lt 0 ] || [ "$to" -lt 0 ] || [ "$to" -gt "$from" ] ||
    [[ $file == src/join/* && $target == split/* ]]; then
    echo "check-tree.sh: $file:$line includes $target, which its floor may not include." >&2
    upward=1
  fi
done < <(git ls-files 'src/*.h' 'src/*.cc' | xargs grep -n '^#include "' /dev/null)
if [ "$upward" -ne 0 ]; then
  echo "check-tree.sh: the floors, lowest first: ${floors[*]}; see ARCHITECTURE.md." >&2
  exit 1
fi

if [ "$fail" -ne 0 ]; then
  echo "check-tree.sh: build output, bench data and test scratch must not be committed;" \
    "write them under an ignored folder (build*/, bench/data/, bench/work/, dist/) or" \
    "outside the checkout, and remove them with 'git rm --cached'." >&2
  exit 1
fi
echo "check-tree.sh: $count tracked files, none larger than 1 MiB; every include is on its floor or below."
