#!/usr/bin/env bash
# Inside a Wine session (scripts/wine-session.sh): the end-to-end tests against the shipping 32-bit
# TaVEL32.EXE and TAVLIST.EXE, driven by the 64-bit test program. Needs build/win32 (TaVEL32, TAVLIST,
# starts_32bit and opens_mp3) and build/win64 (e2e_tests and its helpers); it can run beside a 64-bit
# run. Ends with 77, having run nothing, when this machine cannot start a 32-bit Windows program.
#
#   TAVEL_E2E_32BIT_FILTER  GoogleTest filter of the tests to run (all when unset)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
w32=$root/build/win32
w64=$root/build/win64
wine32=/usr/lib/wine/wine

if [ ! -x "$wine32" ] || ! "$wine32" "$w32/starts_32bit.exe"; then
  echo "e2e-32bit: a 32-bit Windows program does not start on this machine ($wine32)" >&2
  exit 77
fi
rm -rf "$w32/artifacts" "$w32/e2e_helpers"
mkdir -p "$w32/artifacts" "$w32/e2e_helpers"
# The helper programs leave their results beside themselves: copies of their own keep this run apart
# from a 64-bit run going on at the same time.
for helper in stack_box_probe folder_browser_probe; do
  cp "$w64/$helper.exe" "$w32/e2e_helpers/" || exit 1
done
# The environment the 64-bit run gets (its helper programs), with the 32-bit program put in.
environment=$(grep -o 'ENVIRONMENT "[^"]*"' "$w64/CTestTestfile.cmake" | head -1 |
  sed 's/^ENVIRONMENT "//; s/"$//' | tr ';' '\n')
[ -n "$environment" ] || {
  echo "e2e-32bit: no end-to-end test in $w64 (configure and build the win64 preset first)" >&2
  exit 1
}
mapfile -t variables <<<"$environment"
# The MP3 the tests play, made as the 64-bit run makes it (the step never fails; a missing MP3 is
# reported by the tests).
ctest --test-dir "$w64" -R '^e2e_mp3_file$' >/dev/null
# Whether MCI plays MP3 is asked with the 32-bit program's word size.
exec env "${variables[@]}" TAVEL_EXE="$w32/TaVEL32.EXE" TAVEL_ARTIFACTS="$w32/artifacts" \
  TAVEL_MP3_PROBE="$w32/opens_mp3.exe" \
  TAVEL_PROBE="$w32/e2e_helpers/stack_box_probe.exe" \
  TAVEL_BROWSER_PROBE="$w32/e2e_helpers/folder_browser_probe.exe" TAVEL_TAVLIST="$w32/TAVLIST.EXE" \
  "$WINE" "$w64/e2e_tests.exe" --gtest_filter="${TAVEL_E2E_32BIT_FILTER:-*}"
