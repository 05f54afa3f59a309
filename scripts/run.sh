#!/usr/bin/env bash
# The run command: installs what is missing, builds the 64-bit TaVEL32.EXE and opens it under Wine,
# on your display when there is one (else on a private Xvfb display), until the player is closed.
#
#   bash scripts/run.sh
#
# The Wine prefix is kept in ${TAVEL_PREFIX:-~/.local/share/tavel32/wineprefix}, so the player's
# settings survive from one run to the next. The program runs from build/demo/.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
prefix=${TAVEL_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tavel32/wineprefix}
demo=$root/build/demo

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc 2>/dev/null || echo 2)" --target TaVEL32

mkdir -p "$demo"
cp build/win64/TaVEL32.EXE "$demo/TaVEL32.EXE"

echo "starting TaVEL32.EXE from $demo (Wine prefix $prefix); close the player or press Ctrl-C to end"
# Inside the session: mark this version as installed, so that the player opens (not the installer).
exec bash scripts/wine-session.sh --prefix "$prefix" bash -c '
  "$WINE" reg add "HKEY_USERS\\.Default\\Software\\KOLAP SOFT32\\TAVEL32" /v Version /t REG_SZ \
    /d 11 /f >/dev/null 2>&1 || { echo "cannot write the registry" >&2; exit 1; }
  cd "$1" && "$WINE" TaVEL32.EXE' run "$demo"
