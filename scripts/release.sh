#!/usr/bin/env bash
# Builds what a user downloads: the shipping 32-bit TaVEL32.EXE and the list maker TAVLIST.EXE
# (stripped, needing only system DLLs of Windows XP) and the help text TaVEL32.TXT, zipped into
# dist/TaVEL32-1.1.zip; then checks the zip's contents.
#
#   bash scripts/release.sh          build, pack and check
#   bash scripts/release.sh --check  check dist/TaVEL32-1.1.zip only
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
version=1.1
zip=$root/dist/TaVEL32-$version.zip
objdump=i686-w64-mingw32-objdump
programs="TaVEL32.EXE TAVLIST.EXE"
# The player is a small program; a size above this means something large crept in.
max_player_bytes=500000

say() { echo "release: $*"; }
die() {
  echo "release: $*" >&2
  exit 1
}

pack() {
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j 2 --target TaVEL32 TAVLIST >/dev/null
  local stage=$root/dist/stage program
  rm -rf "$root/dist"
  mkdir -p "$stage"
  for program in $programs; do
    cp "build/win32/$program" "$stage/"
    i686-w64-mingw32-strip "$stage/$program"
  done
  # The help text the installer copies beside the program.
  cp release/TaVEL32.TXT "$stage/"
  (cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
  rm -rf "$stage"
}

# One program of the zip: a stripped 32-bit Windows executable with the version 1.1 that imports
# only system DLLs, and only functions that Windows XP has.
check_program() {
  local exe=$1 name header
  name=$(basename "$exe")
  header=$($objdump -f "$exe")
  grep -q "file format pei-i386" <<<"$header" || die "$name is not a 32-bit Windows program"
  $objdump -t "$exe" | grep -q "no symbols" || die "$name is not stripped"
  cmake -DOBJDUMP=$objdump -DEXE="$exe" -P cmake/check-imports.cmake >/dev/null ||
    die "$name needs a DLL that is not part of Windows"
  bash scripts/check-imports.sh "$exe" || die "$name does not load on Windows XP"
  # The version resource: FileVersion "1.1", as UTF-16 text in the file's version block.
  LC_ALL=C grep -qaP 'F\x00i\x00l\x00e\x00V\x00e\x00r\x00s\x00i\x00o\x00n\x00\x00\x00(\x00\x00)?1\x00\.\x001\x00\x00\x00' \
    "$exe" || die "$name has no file version 1.1"
}

# The zip holds exactly the two programs and the help text.
check() {
  [ -f "$zip" ] || die "$zip is missing"
  local unpacked
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' RETURN
  (cd "$unpacked" && cmake -E tar xf "$zip")
  local names expected program
  names=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
  expected=$(printf '%s\n' $programs TaVEL32.TXT | LC_ALL=C sort | tr '\n' ' ')
  [ "$names" = "$expected" ] || die "the zip holds '$names', expected '$expected'"
  for program in $programs; do check_program "$unpacked/$program"; done
  local size
  size=$(stat -c %s "$unpacked/TaVEL32.EXE")
  [ "$size" -le "$max_player_bytes" ] ||
    die "TaVEL32.EXE is $size bytes, more than $max_player_bytes"
  cmp -s release/TaVEL32.TXT "$unpacked/TaVEL32.TXT" || die "TaVEL32.TXT in the zip differs"
  say "$zip: $names($(stat -c %s "$zip") bytes; TaVEL32.EXE $size bytes) checked"
}

[ "${1:-}" = "--check" ] || pack
check
