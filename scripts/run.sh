#!/usr/bin/env bash
# The run command: installs what is missing, builds the 64-bit TaVEL32.EXE and opens the player
# under Wine on a demo memory of tunes the project makes itself, playing them without end; on your
# display when there is one (else on a private Xvfb display), until the player is closed.
#
#   bash scripts/run.sh
#
# The Wine prefix is kept in ${TAVEL_PREFIX:-~/.local/share/tavel32/wineprefix}, so the player's
# settings survive from one run to the next; each run shows memory M0 (the demo) and starts playing.
# The program runs from build/demo/. The terminal shows the player's title (the file that plays)
# each time it changes.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
prefix=${TAVEL_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tavel32/wineprefix}
demo=$root/build/demo

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc 2>/dev/null || echo 2)" --target TaVEL32 TAVLIST make_demo \
  title_watch

mkdir -p "$demo"
cp build/win64/TaVEL32.EXE build/win64/TaVEL32.TXT build/win64/TAVLIST.EXE \
  build/win64/make_demo.exe build/win64/title_watch.exe "$demo/"

echo "starting TaVEL32.EXE from $demo (Wine prefix $prefix); close the player or press Ctrl-C to end"
exec bash scripts/wine-session.sh --prefix "$prefix" bash -c '
  set -e
  demo=$1
  windows_demo="Z:${demo//\//\\}"
  key="HKEY_USERS\\.Default\\Software\\KOLAP SOFT32\\TAVEL32"
  setting() { "$WINE" reg add "$key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
  # This version is installed, the demo memory M0 is on show from its first entry, and playing
  # starts by itself: in order, without end.
  setting Version 11 || { echo "cannot write the registry" >&2; exit 1; }
  setting MEMORY "-1,-1,-1,-1,0,-1,1"
  setting SAISEIM "0,1,1,0,-1,-1,-1,-1"
  setting INDEX "0,-1"
  cd "$demo"
  "$WINE" make_demo.exe "$windows_demo" || { echo "cannot write the demo tunes" >&2; exit 1; }
  # The demo memory M0 is made as a user makes one: TAVLIST.EXE lists the music files of the
  # folder. Its messages are Shift-JIS when they go to a pipe; the terminal gets UTF-8.
  set -o pipefail
  "$WINE" TAVLIST.EXE M0 /R "$windows_demo" 2>&1 | iconv -f CP932 -t UTF-8 ||
    { echo "cannot write the demo memory" >&2; exit 1; }
  "$WINE" title_watch.exe &
  "$WINE" TaVEL32.EXE
  wait' run "$demo"
