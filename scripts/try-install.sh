#!/usr/bin/env bash
# Tries the installer as a new user meets it: builds the 64-bit TaVEL32.EXE, puts it with its help
# text TaVEL32.TXT in build/try-install/ (the delivered files), and starts it under Wine in a fresh
# Wine prefix, where it opens its install dialogue. After a completed install the installed copy
# starts and opens the player; when the player is closed, Wine's software list opens, where the
# entry "KOLAP 楽蔵32 T-VEL V1.1" removes the program again. The prefix is thrown away at the end.
#
#   bash scripts/try-install.sh
#
# On your display when there is one (else on a private Xvfb display, TAVEL_HEADLESS=1 forces it).
set -euo pipefail

cd "$(dirname "$0")/.."
delivery=$(pwd)/build/try-install

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc 2>/dev/null || echo 2)" --target TaVEL32

mkdir -p "$delivery"
cp build/win64/TaVEL32.EXE build/win64/TaVEL32.TXT "$delivery/"

echo "starting the installer $delivery/TaVEL32.EXE in a fresh Wine prefix"
exec bash scripts/wine-session.sh bash -c '
  set -e
  cd "$1"
  "$WINE" TaVEL32.EXE
  key="HKEY_USERS\\.Default\\Software\\KOLAP SOFT32\\TAVEL32"
  if ! "$WINE" reg query "$key" /v Version 2>/dev/null | grep -q "11"; then
    echo "the install was not completed"
    exit 0
  fi
  folder=$("$WINE" reg query "HKEY_USERS\\.Default\\Software\\KOLAP SOFT32\\TaVEL32" /v EXEPATH |
    tr -d "\r" | sed -n "s/.*REG_SZ[[:space:]]*//p")
  echo "installed in $folder; starting the installed player (close it to see the software list)"
  "$WINE" "$folder\\TaVEL32.EXE"
  "$WINE" uninstaller.exe' try-install "$delivery"
