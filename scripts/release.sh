#!/usr/bin/env bash
# Builds what a user downloads: the shipping 32-bit TaVEL32.EXE (stripped, needing only system DLLs)
# and its help text TaVEL32.TXT, zipped into dist/TaVEL32-1.1.zip; then checks the zip's contents.
#
#   bash scripts/release.sh          build, pack and check
#   bash scripts/release.sh --check  check dist/TaVEL32-1.1.zip only
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
version=1.1
zip=$root/dist/TaVEL32-$version.zip
objdump=i686-w64-mingw32-objdump

say() { echo "release: $*"; }
die() {
  echo "release: $*" >&2
  exit 1
}

pack() {
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j 2 --target TaVEL32 >/dev/null
  local stage=$root/dist/stage
  rm -rf "$root/dist"
  mkdir -p "$stage"
  cp build/win32/TaVEL32.EXE "$stage/"
  i686-w64-mingw32-strip "$stage/TaVEL32.EXE"
  # The help text the installer copies beside the program.
  if [ -f release/TaVEL32.TXT ]; then
    cp release/TaVEL32.TXT "$stage/"
  else
    say "WARNING: release/TaVEL32.TXT is missing; the zip has no help text"
  fi
  (cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
  rm -rf "$stage"
}

# The zip holds exactly the program and its help text; the program is a stripped 32-bit Windows
# executable with the version 1.1 and imports only system DLLs.
check() {
  [ -f "$zip" ] || die "$zip is missing"
  local unpacked
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' RETURN
  (cd "$unpacked" && cmake -E tar xf "$zip")
  local names
  names=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
  local expected="TaVEL32.EXE "
  [ -f release/TaVEL32.TXT ] && expected="TaVEL32.EXE TaVEL32.TXT "
  [ "$names" = "$expected" ] || die "the zip holds '$names', expected '$expected'"
  local exe=$unpacked/TaVEL32.EXE header
  header=$($objdump -f "$exe")
  grep -q "file format pei-i386" <<<"$header" || die "TaVEL32.EXE is not a 32-bit Windows program"
  $objdump -t "$exe" | grep -q "no symbols" || die "TaVEL32.EXE is not stripped"
  cmake -DOBJDUMP=$objdump -DEXE="$exe" -P cmake/check-imports.cmake >/dev/null ||
    die "TaVEL32.EXE needs a DLL that is not part of Windows"
  # The version resource: FileVersion "1.1", as UTF-16 text in the file's version block.
  LC_ALL=C grep -qaP 'F\x00i\x00l\x00e\x00V\x00e\x00r\x00s\x00i\x00o\x00n\x00\x00\x00(\x00\x00)?1\x00\.\x001\x00\x00\x00' \
    "$exe" || die "TaVEL32.EXE has no file version 1.1"
  if [ -f release/TaVEL32.TXT ]; then
    cmp -s release/TaVEL32.TXT "$unpacked/TaVEL32.TXT" || die "TaVEL32.TXT in the zip differs"
  fi
  say "$zip: $names($(stat -c %s "$zip") bytes) checked"
}

[ "${1:-}" = "--check" ] || pack
check
