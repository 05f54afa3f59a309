#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each on a working copy of its corpus from fuzz/corpus/.
#
#   bash scripts/fuzz.sh               each target for 15 seconds (the test command's short run)
#   bash scripts/fuzz.sh --seconds S   each target for S seconds
#   bash scripts/fuzz.sh --runs N      each target for N executions (the long run: 10000000)
#   bash scripts/fuzz.sh --jobs J ...  that many targets at once (1 unless given)
#
# The working corpora and any failing input (crash-*, leak-*, timeout-*) are left in
# build/fuzz/work/TARGET/; the script fails when any target found one. To keep what a long run
# found, merge it into the repository's corpus:
#   build/fuzz/TARGET_fuzz -merge=1 fuzz/corpus/TARGET build/fuzz/work/TARGET/corpus
set -uo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
limit=(-max_total_time=15)
jobs=1
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    *) echo "fuzz.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done

# The longest input worth trying for each target: a few long lines for the list files, and just
# over the thousand characters of WN that the player's first versions read; a group reply of many
# names; a hand-off path longer than any the system gives.
declare -A max_len=([list_file]=8192 [settings]=256 [window_number]=1200 [sjis_path]=512 [progman_groups]=1024 [handoff]=600)
targets=(list_file settings window_number sjis_path progman_groups handoff)

cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null &&
  cmake --build build/fuzz -j 2 >/dev/null || {
  echo "fuzz.sh: the fuzz targets do not build" >&2
  exit 1
}

run_target() {
  local t=$1 work=$root/build/fuzz/work/$1
  rm -rf "$work"
  mkdir -p "$work/corpus"
  cp "$root"/fuzz/corpus/"$t"/* "$work/corpus/"
  (cd "$work" && "$root/build/fuzz/${t}_fuzz" "${limit[@]}" -max_len="${max_len[$t]}" \
    -print_final_stats=1 corpus >"$work/log.txt" 2>&1)
  local rc=$?
  local runs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log.txt" | grep -o '[0-9]*$')
  if [ "$rc" -eq 0 ]; then
    echo "fuzz: $t: ${runs:-?} executions, no finding"
  else
    echo "fuzz: $t: FINDING after ${runs:-?} executions (exit code $rc), see $work/log.txt:"
    grep -E 'property failed|ERROR:|SUMMARY:|runtime error' "$work/log.txt" | head -5
  fi
  return "$rc"
}

failed=0
pids=()
for t in "${targets[@]}"; do
  run_target "$t" &
  pids+=($!)
  if [ "${#pids[@]}" -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
exit "$failed"
