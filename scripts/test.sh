#!/usr/bin/env bash
# The one test command: installs what is missing, runs the native unit tests (plain and under the
# sanitizers), builds both Windows executables and runs the Windows tests under Wine.
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

# A preset's configure, build and (when asked) unit tests, each step only after the one before passed.
native_preset() {
  local preset=$1
  step "$preset: configure" cmake --preset "$preset" &&
    step "$preset: build" cmake --build --preset "$preset" -j "$jobs" &&
    step "$preset: unit tests" ctest --preset "$preset" -j "$jobs" --no-tests=error ||
    true
}

convert_screenshots() {
  local folder=$root/build/win64/artifacts bmp
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

native_preset native
native_preset sanitize

if step "win32: configure" cmake --preset win32 &&
  step "win32: build TaVEL32.EXE and TAVLIST.EXE" \
    cmake --build --preset win32 -j "$jobs" --target TaVEL32 TAVLIST; then
  # The 32-bit program cannot run here, but its import table can be checked.
  step "win32: import check" ctest --test-dir build/win32 -R imports_only_system_dlls --no-tests=error
else
  skip "win32: import check"
fi

if step "win64: configure" cmake --preset win64 &&
  step "win64: build" cmake --build --preset win64 -j "$jobs"; then
  rm -rf "$root/build/win64/artifacts"
  mkdir -p "$root/build/win64/artifacts"
  step "win64: import check and end-to-end tests under Wine" \
    bash scripts/wine-session.sh ctest --preset win64
  step "screenshots to PNG" convert_screenshots
else
  skip "win64: import check and end-to-end tests under Wine"
fi

header "summary"
printf '%s\n' "${results[@]}"
echo "total time: $((SECONDS - start_all))s"
if [ "$failed" -ne 0 ]; then
  echo "RESULT: FAILED"
  exit 1
fi
echo "RESULT: all steps passed"
