#!/usr/bin/env bash
# The one test command: installs what is missing, checks that no include climbs a floor of src/,
# builds both Windows executables and the release zip, runs the end-to-end tests under Wine against
# the 64-bit and the shipping 32-bit TaVEL32.EXE (each in its own Wine session, side by side), and
# beside them the native unit tests (64-bit under the sanitizers, and as a 32-bit program) and a
# short fuzz run of the parsers.
#
#   bash scripts/test.sh
#
# The Windows tests run on a private Xvfb display unless TAVEL_HEADLESS=0 and DISPLAY are set.
# Screenshots taken by the end-to-end tests end up as PNG files in build/win64/artifacts/.
set -uo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)
export TAVEL_HEADLESS=${TAVEL_HEADLESS:-1}

results=()
failed=0
start_all=$SECONDS

header() {
  echo
  echo "======================================================================"
  echo "== $*"
  echo "======================================================================"
}

# step NAME CMD...: runs one step, notes its result and time; false when it failed.
step() {
  local name=$1
  shift
  header "$name"
  local t0=$SECONDS
  "$@"
  local rc=$?
  local took=$((SECONDS - t0))
  if [ "$rc" -eq 0 ]; then
    results+=("PASS  ${took}s  $name")
  else
    results+=("FAIL  ${took}s  $name (exit code $rc)")
    failed=1
  fi
  return "$rc"
}

skip() {
  results+=("SKIP        $1 (an earlier step failed)")
  failed=1
}

# A run this machine cannot do at all (32-bit programs that do not start, MP3 that MCI cannot
# open): noted in the summary in capitals, without failing the run.
left_out=()
leave_out() {
  results+=("LEFT OUT    $1: $2")
  left_out+=("$1: $2")
}

# What an end-to-end run could not test here: its tests note it in left-out.txt of its artefacts.
leave_out_what_the_tests_noted() {
  local run=$1 notes=$2/left-out.txt line
  [ -f "$notes" ] || return 0
  while IFS= read -r line; do
    [ -n "$line" ] && leave_out "$run" "$line"
  done <"$notes"
}

# Whether a 32-bit Linux program builds and starts here (an earlier machine answered "Exec format
# error").
runs_32bit_programs() {
  local probe=$root/build/starts_32bit
  mkdir -p "$root/build"
  printf 'int main() { return sizeof(void*) == 4 ? 0 : 1; }\n' |
    g++ -m32 -x c++ - -o "$probe" 2>/dev/null && "$probe"
}

# A preset's configure, build and unit tests, each step only after the one before passed. The unit
# tests run as one process (CTest starts one per test, which under the sanitizers costs a hundred
# times more than the tests themselves); only failures are printed.
native_preset() {
  local preset=$1
  step "$preset: configure" cmake --preset "$preset" &&
    step "$preset: build" nice cmake --build --preset "$preset" -j "$jobs" &&
    step "$preset: unit tests" nice "build/$preset/unit_tests" --gtest_brief=1 ||
    true
}

# beside NAME CMD...: starts a step in the background, beside the steps that follow; its output goes
# to a log in build/logs/ and is shown, with the step's result and time, when `collect` waits for it.
beside_pids=()
beside_names=()
beside_logs=()
beside() {
  local name=$1
  shift
  local log=$root/build/logs/beside-${#beside_pids[@]}.log
  mkdir -p "$root/build/logs"
  echo "== started in the background: $name (output in $log)"
  (
    t0=$SECONDS
    "$@" >"$log" 2>&1 </dev/null
    echo "$? $((SECONDS - t0))" >"$log.result"
  ) &
  beside_pids+=($!)
  beside_names+=("$name")
  beside_logs+=("$log")
}

# collect INDEX: waits for a step started with `beside`, shows its output and notes its result (its
# exit code in collected_rc; 77, a run this machine cannot do, is left to the caller to note).
collected_rc=1
collect() {
  local i=$1 name=${beside_names[$1]} log=${beside_logs[$1]} took
  wait "${beside_pids[$i]}"
  header "$name"
  cat "$log"
  read -r collected_rc took <"$log.result" || collected_rc=1
  if [ "$collected_rc" -eq 0 ]; then
    results+=("PASS  ${took}s  $name")
  elif [ "$collected_rc" -ne 77 ]; then
    results+=("FAIL  ${took}s  $name (exit code $collected_rc)")
    failed=1
  fi
  return "$collected_rc"
}

convert_screenshots() {
  local folder=${1:-$root/build/win64/artifacts} bmp
  [ -d "$folder" ] || return 0
  shopt -s nullglob
  for bmp in "$folder"/*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  shopt -u nullglob
  echo "screenshots: $(find "$folder" -name '*.png' | wc -l) PNG files in $folder"
}

step "install packages" bash scripts/install-deps.sh || {
  echo "cannot install the packages; stopping" >&2
  exit 1
}
# Ninja for new build folders (a folder configured before keeps its generator).
command -v ninja >/dev/null && export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}

step "layers: no include of src/ climbs a floor" bash scripts/check-layers.sh

# The Windows builds come first, so that each end-to-end run can start as soon as its programs are
# there: the runs mostly wait on windows and sound, so the native builds, the unit tests and the
# fuzzing go on beside them (at a lower priority, so that the programs under test are not starved).
e2e64=0
if step "win64: configure" cmake --preset win64 &&
  step "win64: build the end-to-end tests and their programs" \
    cmake --build --preset win64 -j "$jobs" --target e2e_tests; then
  rm -rf "$root/build/win64/artifacts"
  mkdir -p "$root/build/win64/artifacts"
  beside "win64: import check and end-to-end tests under Wine" \
    bash scripts/wine-session.sh ctest --preset win64
  e2e64=$((${#beside_pids[@]} - 1))
else
  skip "win64: import check and end-to-end tests under Wine"
  e2e64=-1
fi

e2e32=-1
if step "win32: configure" cmake --preset win32 &&
  step "win32: build TaVEL32.EXE and TAVLIST.EXE" \
    nice cmake --build --preset win32 -j "$jobs" --target TaVEL32 TAVLIST starts_32bit opens_mp3; then
  # The shipping 32-bit program under 32-bit Wine, driven by the 64-bit test program: the whole
  # end-to-end suite once more, in a Wine session of its own beside the 64-bit run.
  if [ -f build/win64/e2e_tests.exe ]; then
    beside "win32: end-to-end tests under 32-bit Wine" \
      bash scripts/wine-session.sh bash scripts/e2e-32bit.sh
    e2e32=$((${#beside_pids[@]} - 1))
  else
    skip "win32: end-to-end tests"
  fi
  step "win32: import check" ctest --test-dir build/win32 -R imports_only_system_dlls --no-tests=error
  step "release: dist/TaVEL32-1.1.zip built and checked" bash scripts/release.sh
else
  skip "win32: import check"
  skip "win32: end-to-end tests"
fi

# The rest of the 64-bit build: the benchmarks and the tools of the run command.
if [ "$e2e64" -ge 0 ]; then
  step "win64: build" nice cmake --build --preset win64 -j "$jobs"
fi

# The native unit tests, 64-bit, built once with AddressSanitizer and UndefinedBehaviorSanitizer:
# the same tests and the same code as a plain build, with every fault the sanitizers see made fatal.
native_preset sanitize
# The unit tests once more as a 32-bit program: sizes, time and record layouts of the shipping build.
if runs_32bit_programs; then
  native_preset native32
else
  leave_out "native32: unit tests" "a 32-bit program (g++ -m32) does not start on this machine"
fi

# The parsers of stored and received text under libFuzzer with the sanitizers: a short run of each,
# two targets at a time.
step "fuzz: a short run of each target" nice bash scripts/fuzz.sh --jobs "$jobs"

if [ "$e2e64" -ge 0 ]; then
  collect "$e2e64" && step "screenshots to PNG" convert_screenshots
  leave_out_what_the_tests_noted "win64: end-to-end tests" "$root/build/win64/artifacts"
fi
if [ "$e2e32" -ge 0 ]; then
  collect "$e2e32"
  if [ "$collected_rc" -eq 77 ]; then
    leave_out "win32: end-to-end tests" "a 32-bit Windows program does not start under Wine here"
  elif [ "$collected_rc" -eq 0 ]; then
    convert_screenshots "$root/build/win32/artifacts"
  fi
  leave_out_what_the_tests_noted "win32: end-to-end tests" "$root/build/win32/artifacts"
fi

header "summary"
printf '%s\n' "${results[@]}"
if [ "${#left_out[@]}" -gt 0 ]; then
  echo
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  echo "!!! NOT EVERYTHING WAS TESTED ON THIS MACHINE:"
  printf '!!!   %s\n' "${left_out[@]}"
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
fi
echo "total time: $((SECONDS - start_all))s"
if [ "$failed" -ne 0 ]; then
  echo "RESULT: FAILED"
  exit 1
fi
echo "RESULT: all steps passed"
