#!/usr/bin/env bash
# The one test command: installs what is missing, checks that no include climbs a floor of src/,
# runs the native unit tests (plain, under the sanitizers and as a 32-bit program), a short fuzz run
# of the parsers, builds both Windows executables and the release zip, and runs the end-to-end tests
# under Wine against the 64-bit and the shipping 32-bit TaVEL32.EXE.
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

# A preset's configure, build and (when asked) unit tests, each step only after the one before passed.
native_preset() {
  local preset=$1
  step "$preset: configure" cmake --preset "$preset" &&
    step "$preset: build" cmake --build --preset "$preset" -j "$jobs" &&
    step "$preset: unit tests" ctest --preset "$preset" -j "$jobs" --no-tests=error ||
    true
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

step "layers: no include of src/ climbs a floor" bash scripts/check-layers.sh
native_preset native
native_preset sanitize
# The unit tests once more as a 32-bit program: sizes, time and record layouts of the shipping build.
if runs_32bit_programs; then
  native_preset native32
else
  leave_out "native32: unit tests" "a 32-bit program (g++ -m32) does not start on this machine"
fi

# The parsers of stored and received text under libFuzzer with the sanitizers: a short run of each.
step "fuzz: a short run of each target" bash scripts/fuzz.sh

if step "win32: configure" cmake --preset win32 &&
  step "win32: build TaVEL32.EXE and TAVLIST.EXE" \
    cmake --build --preset win32 -j "$jobs" --target TaVEL32 TAVLIST starts_32bit opens_mp3; then
  step "win32: import check" ctest --test-dir build/win32 -R imports_only_system_dlls --no-tests=error
  step "release: dist/TaVEL32-1.1.zip built and checked" bash scripts/release.sh
else
  skip "win32: import check"
fi

if step "win64: configure" cmake --preset win64 &&
  step "win64: build" cmake --build --preset win64 -j "$jobs"; then
  rm -rf "$root/build/win64/artifacts"
  mkdir -p "$root/build/win64/artifacts"
  step "win64: import check and end-to-end tests under Wine" \
    bash scripts/wine-session.sh ctest --preset win64
  leave_out_what_the_tests_noted "win64: end-to-end tests" "$root/build/win64/artifacts"
  step "screenshots to PNG" convert_screenshots
else
  skip "win64: import check and end-to-end tests under Wine"
fi

# The shipping 32-bit program under 32-bit Wine, driven by the 64-bit test program: the whole
# end-to-end suite once more (about three minutes here).
if [ -f build/win32/TaVEL32.EXE ] && [ -f build/win64/e2e_tests.exe ]; then
  header "win32: end-to-end tests of the 32-bit TaVEL32.EXE under 32-bit Wine"
  t0=$SECONDS
  bash scripts/wine-session.sh bash scripts/e2e-32bit.sh
  rc=$?
  if [ "$rc" -eq 77 ]; then
    leave_out "win32: end-to-end tests" "a 32-bit Windows program does not start under Wine here"
  elif [ "$rc" -eq 0 ]; then
    results+=("PASS  $((SECONDS - t0))s  win32: end-to-end tests under 32-bit Wine")
    convert_screenshots "$root/build/win32/artifacts"
  else
    results+=("FAIL  $((SECONDS - t0))s  win32: end-to-end tests (exit code $rc)")
    failed=1
  fi
  leave_out_what_the_tests_noted "win32: end-to-end tests" "$root/build/win32/artifacts"
else
  skip "win32: end-to-end tests"
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
