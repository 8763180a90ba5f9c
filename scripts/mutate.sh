#!/usr/bin/env bash
# Mutation test: plants each fault of a mutant list, one at a time, into a copy of the
# sources, builds what the list's tests run, runs those tests, and counts the faults they
# notice (KILLED) and those they miss (SURVIVED). A mutant that does not build is STILLBORN
# and counts as neither; one its list marks equivalent (a "# equivalent: why" comment in
# its block: no user could tell it from the program) is not run and is counted apart.
#
# Two lists, each with its own tests and its own programs to build:
#   join   tests/mutation/join_mutants.txt: --join and --check, the script's reader and
#          writer, the recovery files' rebuild; the native join tests
#   split  tests/mutation/split_mutants.txt: the command line, the plan, the names, the
#          copy, the medium check, Recomb.cmd's writer, the progress line and the console;
#          the unit tests and the split's own end-to-end tests
#
# The checkout is never changed: the copy of its files (tracked and untracked, as they are
# now) and the copy's build live under an ignored folder, build-mutation/ by default, and
# the planted file is put back after every mutant, on Ctrl+C too. Both lists share that
# build, so run them one after the other.
#
#   bash scripts/mutate.sh [--list join|split] [options]
#
#   --list NAME        the list and its tests: join (the default) or split
#   --check            only check that every mutant applies (each text to find occurs
#                      exactly once), build nothing: run it first after code has moved
#   --show             print each mutant as a diff of the sources, build nothing
#   --only ID[,ID...]  run only these mutants
#   --mutants FILE     another mutant list, run with the tests of --list
#   --tests REGEX      the ctest names to run (default: those of --list)
#   --jobs N           build and test jobs (default 2)
#   --timeout SECONDS  time limit of each test (default 300)
#   --scratch DIR      the folder for the copy and its build (default build-mutation)
#
# The table goes to standard output and to DIR/results-NAME.txt; the build and test output
# of each mutant to DIR/logs/ID.log.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true

root=$(cd "$(dirname "$0")/.." && pwd)
list="join"
mutants_file=""
tests_regex=""
jobs=2
timeout=300
scratch=$root/build-mutation
check_only=false
show=false
only=""

die() {
  echo "mutate.sh: $*" >&2
  exit 1
}

while [ $# -gt 0 ]; do
  case $1 in
    --list) list=${2:?--list needs join or split}; shift ;;
    --check) check_only=true ;;
    --show) show=true ;;
    --only) only=${2:?--only needs mutant ids}; shift ;;
    --mutants) mutants_file=${2:?--mutants needs a file}; shift ;;
    --tests) tests_regex=${2:?--tests needs a regular expression}; shift ;;
    --jobs) jobs=${2:?--jobs needs a number}; shift ;;
    --timeout) timeout=${2:?--timeout needs seconds}; shift ;;
    --scratch) scratch=${2:?--scratch needs a folder}; shift ;;
    -h | --help) sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    *) die "unknown option $1 (see --help)" ;;
  esac
  shift
done

# What each list plants its faults in, the tests that must notice them, and the programs
# those tests run, which each mutant rebuilds. Programs the tests run that are not rebuilt
# stay as the sources without the mutant build them.
case $list in
  join)
    # The unit tests of the reader and the writer of Recomb.cmd, and the end-to-end tests
    # of --join and --check (the damaged sets, the names, the interruptions, the older
    # scripts, the refusals), the rebuild's arithmetic and its joins from par2cmdline's
    # recovery files, with the two elsewhere that check the join: its read-back from a
    # medium that lies, and the seam's test that a name is still the file the join made.
    list_regex='RecombinationScript|JoinDamage\.|GaloisField|RecoveryJoin\.|NativeJoin|NativeCheck|Medium\.OneThatGivesBackOtherBytes|FileSystem\.AnOpenFileIsTheEntry'
    # The program, its builds without the system's copy and with a medium that lies, and
    # the unit tests.
    mutant_targets=(floppysplit floppysplit_no_system_copy floppysplit_lying_medium
      floppysplit_unit_tests)
    ;;
  split)
    # The unit tests of the names, the script's writer, the record files with the
    # data hash and the check from the medium, the progress line and the console; the
    # command line's table; the split's runs (transcripts, sizes at every boundary, huge
    # sizes, the input changed or named like a fragment, older files in the way); the
    # console that cannot be written; one interruption; media that give back other bytes,
    # hold less than they claim or are pulled out as the program ends; the script cut
    # short by a file size limit.
    list_regex='FragmentName\.|FragmentNames\.|RecombinationScript\.|ProgressLine\.|RecordFile\.|FlushAhead\.|YesNo|ListLine|ConsoleOutput|CommandLine|SplitRun\.|FloppySizes\.|FragmentBoundaries\.|HugeSizes\.|ChangingInput\.|ConsentDialogue\.|HostFiles\.|SplitInterrupted\..*/Sigterm|Medium\.|WriteFailure\.FileSizeLimitWhileWritingTheScript'
    # The program, its build with a medium that lies, and the unit tests.
    mutant_targets=(floppysplit floppysplit_lying_medium floppysplit_unit_tests)
    ;;
  *) die "--list takes join or split, not '$list'" ;;
esac
[ -n "$mutants_file" ] || mutants_file=$root/tests/mutation/${list}_mutants.txt
[ -n "$tests_regex" ] || tests_regex=$list_regex
[ -f "$mutants_file" ] || die "no mutant list at $mutants_file"
case $scratch in /*) ;; *) scratch=$PWD/$scratch ;; esac

# --- the mutant list ---

ids=()
whats=()
wheres=()
# Why a mutant is equivalent, empty for one that is run.
equivalents=()
# One entry per file/find/replace group: the mutant it belongs to, and its three values.
edit_mutant=()
edit_file=()
edit_find=()
edit_replace=()
edit_has_replace=()

parse_mutants() {
  local line key value number=0 last="" block_open=false
  finish_block() {
    $block_open || return 0
    local m=$((${#ids[@]} - 1)) e found=false
    [ -n "${whats[m]}" ] || die "$mutants_file: mutant ${ids[m]} has no 'what:'"
    [ -n "${wheres[m]}" ] || die "$mutants_file: mutant ${ids[m]} has no 'where:'"
    for e in "${!edit_mutant[@]}"; do
      [ "${edit_mutant[e]}" -eq "$m" ] || continue
      found=true
      [ -n "${edit_find[e]}" ] ||
        die "$mutants_file: mutant ${ids[m]}: ${edit_file[e]} has no 'find:'"
      [ "${edit_has_replace[e]}" = yes ] ||
        die "$mutants_file: mutant ${ids[m]}: ${edit_file[e]} has no 'replace:'"
      [ "${edit_find[e]}" != "${edit_replace[e]}" ] ||
        die "$mutants_file: mutant ${ids[m]}: find and replace are the same"
    done
    $found || die "$mutants_file: mutant ${ids[m]} changes no file"
    block_open=false
  }
  while IFS= read -r line || [ -n "$line" ]; do
    number=$((number + 1))
    line=${line%$'\r'}
    case $line in
      '# equivalent: '*)
        $block_open || die "$mutants_file:$number: '# equivalent:' outside a mutant's block"
        [ -z "${equivalents[${#ids[@]} - 1]}" ] ||
          die "$mutants_file:$number: mutant ${ids[${#ids[@]} - 1]} is marked equivalent twice"
        equivalents[${#ids[@]} - 1]=${line#'# equivalent: '}
        continue
        ;;
      '#'*) continue ;;
      '') finish_block; last=""; continue ;;
    esac
    key=${line%%:*}
    if [ "$line" = "$key:" ]; then
      value=""
    elif [ "${line#"$key: "}" != "$line" ]; then
      value=${line#"$key: "}
    else
      die "$mutants_file:$number: not a 'name: value' line: $line"
    fi
    local e=$((${#edit_file[@]} - 1))
    case $key in
      id)
        finish_block
        [[ $value =~ ^[A-Za-z0-9_.-]+$ ]] || die "$mutants_file:$number: bad id '$value'"
        local existing
        for existing in "${ids[@]}"; do
          [ "$existing" != "$value" ] || die "$mutants_file:$number: id $value twice"
        done
        ids+=("$value")
        whats+=("")
        wheres+=("")
        equivalents+=("")
        block_open=true
        ;;
      what | where | file | find | replace | find+ | replace+)
        $block_open || die "$mutants_file:$number: '$key:' before any 'id:'"
        ;;&
      what) whats[${#ids[@]} - 1]=$value ;;
      where) wheres[${#ids[@]} - 1]=$value ;;
      file)
        [ -n "$value" ] || die "$mutants_file:$number: empty file name"
        edit_mutant+=($((${#ids[@]} - 1)))
        edit_file+=("$value")
        edit_find+=("")
        edit_replace+=("")
        edit_has_replace+=(no)
        ;;
      find)
        if [ "$e" -lt 0 ] || [ "${edit_mutant[e]}" -ne $((${#ids[@]} - 1)) ] ||
          [ -n "${edit_find[e]}" ]; then
          die "$mutants_file:$number: 'find:' without its own 'file:'"
        fi
        edit_find[e]=$value
        ;;
      replace)
        if [ "$e" -lt 0 ] || [ "${edit_mutant[e]}" -ne $((${#ids[@]} - 1)) ] ||
          [ "${edit_has_replace[e]}" = yes ]; then
          die "$mutants_file:$number: 'replace:' without its own 'file:'"
        fi
        edit_replace[e]=$value
        edit_has_replace[e]=yes
        ;;
      find+)
        [ "$last" = find ] || die "$mutants_file:$number: 'find+:' not after a 'find:'"
        edit_find[e]+=$'\n'$value
        ;;
      replace+)
        [ "$last" = replace ] || die "$mutants_file:$number: 'replace+:' not after a 'replace:'"
        edit_replace[e]+=$'\n'$value
        ;;
      *) die "$mutants_file:$number: unknown field '$key'" ;;
    esac
    last=${key%+}
  done <"$mutants_file"
  finish_block
  [ ${#ids[@]} -gt 0 ] || die "$mutants_file holds no mutant"
}

# How often `find` occurs in `text`: 0, 1, or 2 for two or more.
occurrences() {
  local text=$1 find=$2 count=0
  while [ "$count" -lt 2 ] && [[ $text == *"$find"* ]]; do
    text=${text#*"$find"}
    count=$((count + 1))
  done
  echo "$count"
}

# Plants mutant $1 into the folder $2 (the copy of the sources), its files taken from the
# checkout; with no folder, only checks that it applies. Sets `planted` to the files it
# changed. Fails loudly when a text to find is missing or occurs more than once.
planted=()
plant() {
  local m=$1 into=${2:-} e file count
  local -A text=()
  local -a order=()
  for e in "${!edit_mutant[@]}"; do
    [ "${edit_mutant[e]}" -eq "$m" ] || continue
    file=${edit_file[e]}
    if [ -z "${text[$file]+set}" ]; then
      [ -f "$root/$file" ] || die "mutant ${ids[m]}: no file $file"
      # The x keeps the file's trailing newlines from the command substitution.
      text[$file]=$(cat -- "$root/$file" && printf x) || die "cannot read $root/$file"
      text[$file]=${text[$file]%x}
      order+=("$file")
    fi
    count=$(occurrences "${text[$file]}" "${edit_find[e]}")
    if [ "$count" -ne 1 ]; then
      [ "$count" -eq 0 ] && count="is not found" || count="occurs more than once"
      die "mutant ${ids[m]} (${whats[m]}): the text to find $count in $file:
${edit_find[e]}"
    fi
    text[$file]=${text[$file]/"${edit_find[e]}"/"${edit_replace[e]}"}
  done
  [ -n "$into" ] || return 0
  for file in "${order[@]}"; do
    planted+=("$file")
    mkdir -p -- "$(dirname -- "$into/$file")"
    printf '%s' "${text[$file]}" >"$into/$file"
  done
}

# Puts the checkout's version of every planted file back, with a new time stamp so that the
# next build compiles it again.
restore() {
  local file
  for file in "${planted[@]}"; do cp -- "$root/$file" "$tree/$file"; done
  planted=()
}

parse_mutants
selected=()
if [ -n "$only" ]; then
  IFS=, read -r -a wanted <<<"$only"
  for id in "${wanted[@]}"; do
    for m in "${!ids[@]}"; do
      if [ "${ids[m]}" = "$id" ]; then selected+=("$m") && continue 2; fi
    done
    die "no mutant $id in $mutants_file"
  done
else
  selected=("${!ids[@]}")
fi
for m in "${selected[@]}"; do plant "$m"; done
if $show; then
  shown=$(mktemp -d)
  for m in "${selected[@]}"; do
    echo "== ${ids[m]}: ${whats[m]}"
    echo "   in ${wheres[m]}"
    [ -z "${equivalents[m]}" ] || echo "   equivalent: ${equivalents[m]}"
    plant "$m" "$shown"
    for file in "${planted[@]}"; do
      diff -u --label "a/$file" --label "b/$file" "$root/$file" "$shown/$file" || true
    done
    planted=()
  done
  rm -rf "$shown"
  exit 0
fi
if $check_only; then
  equivalent_count=0
  for m in "${selected[@]}"; do
    [ -z "${equivalents[m]}" ] || equivalent_count=$((equivalent_count + 1))
  done
  echo "mutate.sh: all ${#selected[@]} mutants of $(basename "$mutants_file") apply (each text" \
    "to find occurs once); $equivalent_count of them marked equivalent."
  exit 0
fi

# --- the copy of the sources and its build ---

case $scratch in
  "$root" | "$root"/*)
    git -C "$root" check-ignore -q "${scratch#"$root"/}/tree" ||
      die "$scratch is inside the checkout but not ignored by git" ;;
esac
tree=$scratch/tree
build=$scratch/build
logs=$scratch/logs
results=$scratch/results-$list.txt
mkdir -p "$tree" "$logs"
rm -f "$logs"/*.log

trap restore EXIT
trap 'restore; echo "mutate.sh: interrupted; the sources are as they were." >&2; exit 130' INT
trap 'restore; exit 143' TERM

# Copies the checkout's files to the tree, leaving files that are the same untouched so that
# their objects need no new build.
sync_tree() {
  local file
  local -A wanted=()
  while IFS= read -r -d '' file; do
    [ -f "$root/$file" ] || continue
    wanted[$file]=1
    if ! cmp -s -- "$root/$file" "$tree/$file"; then
      mkdir -p -- "$(dirname -- "$tree/$file")"
      cp -- "$root/$file" "$tree/$file"
    fi
  done < <(git -C "$root" ls-files -z --cached --others --exclude-standard)
  while IFS= read -r -d '' file; do
    [ -n "${wanted[${file#"$tree"/}]+set}" ] || rm -f -- "$file"
  done < <(find "$tree" -type f -print0)
}

run_tests() {
  ctest --test-dir "$build" -R "$tests_regex" -LE wine -j "$jobs" --timeout "$timeout" \
    --stop-on-failure --output-on-failure
}

# The first test the log of a run names as failed.
first_failure() {
  sed -n '/The following tests FAILED:/{n;p;q}' "$1" |
    sed -E 's/^[[:space:]]*[0-9]+ - //; s/  # GetParam\(\) = [^ ]*//; s/[[:space:]]+$//'
}

say() { echo "mutate.sh: $*" >&2; }

started=$SECONDS
say "copying the sources to $tree"
sync_tree
if [ ! -f "$build/CMakeCache.txt" ]; then
  say "configuring $build (preset ci)"
  cmake -S "$tree" -B "$build" --preset ci >"$logs/configure.log" 2>&1 ||
    die "configuring failed; see $logs/configure.log"
fi
say "building and testing the sources without a mutant"
# The end-to-end test programs only drive the programs the mutants rebuild, so they, and
# the programs no mutant rebuilds, are built once here.
cmake --build "$build" -j "$jobs" --target "${mutant_targets[@]}" floppysplit_e2e_tests \
  floppysplit_fault_tests \
  >"$logs/baseline.log" 2>&1 || die "the sources do not build; see $logs/baseline.log"
test_count=$(ctest --test-dir "$build" -N -R "$tests_regex" -LE wine |
  sed -n 's/^Total Tests: //p')
[ "${test_count:-0}" -gt 0 ] || die "no test matches '$tests_regex'"
baseline_start=$SECONDS
run_tests >>"$logs/baseline.log" 2>&1 ||
  die "the tests fail without any mutant ($(first_failure "$logs/baseline.log"));" \
    "see $logs/baseline.log"
baseline_seconds=$((SECONDS - baseline_start))

commit=$(git -C "$root" rev-parse --short HEAD)
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] || commit+=" with changes"
{
  echo "Mutants of the $list from $(basename "$mutants_file"), at $commit"
  echo "$test_count tests matching '$tests_regex' (wine excluded); they pass without a mutant" \
    "in ${baseline_seconds}s"
  echo
  printf '%-36s %-9s %5s  %s\n' mutant result time "first test to fail"
} | tee "$results"

killed=0
survived=0
stillborn=0
equivalent=0
survivors=()
index=0
for m in "${selected[@]}"; do
  index=$((index + 1))
  id=${ids[m]}
  log=$logs/$id.log
  if [ -n "${equivalents[m]}" ]; then
    equivalent=$((equivalent + 1))
    printf '%-36s %-9s %5s  %s\n' "$id" EQUIVALENT - "${equivalents[m]}" | tee -a "$results"
    continue
  fi
  say "[$index/${#selected[@]}] $id: ${whats[m]}"
  mutant_start=$SECONDS
  plant "$m" "$tree"
  detail=""
  if ! cmake --build "$build" -j "$jobs" --target "${mutant_targets[@]}" >"$log" 2>&1; then
    result=STILLBORN
    detail="does not build"
    stillborn=$((stillborn + 1))
  elif run_tests >>"$log" 2>&1; then
    result=SURVIVED
    survived=$((survived + 1))
    survivors+=("$id: ${whats[m]}")
  else
    result=KILLED
    detail=$(first_failure "$log")
    killed=$((killed + 1))
  fi
  restore
  printf '%-36s %-9s %4ss  %s\n' "$id" "$result" $((SECONDS - mutant_start)) "$detail" |
    tee -a "$results"
done

{
  echo
  echo "killed $killed of $((killed + survived))" \
    "($survived survived; $equivalent equivalent and $stillborn stillborn, not counted;" \
    "${#selected[@]} in the run), in $(((SECONDS - started) / 60))m$(((SECONDS - started) % 60))s"
  if [ ${#survivors[@]} -gt 0 ]; then
    echo "Survivors, faults the tests do not notice:"
    printf '  %s\n' "${survivors[@]}"
  fi
} | tee -a "$results"
say "logs in $logs; the build there holds the last mutant until the next run rebuilds it"
