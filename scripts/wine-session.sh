#!/usr/bin/env bash
# Runs a command inside a complete Wine session: a display, a Japanese locale, a Wine prefix, the
# explorer desktop with its taskbar and a PulseAudio null sink; tears all of it down afterwards.
#
#   scripts/wine-session.sh [--prefix DIR] CMD [ARG...]
#
# Without --prefix the session gets a fresh prefix in a temporary folder, removed at the end. With
# --prefix DIR the prefix in DIR is used (and created when missing) and kept, so settings survive.
# The display is $DISPLAY when set and TAVEL_HEADLESS is not 1; otherwise a private Xvfb (1024x768x24).
# CMD sees WINEPREFIX, DISPLAY, WINE (the wine64 loader) and WINESERVER; the exit code is CMD's.
set -uo pipefail
# CI may start us with standard input closed; the command gets an empty one then.
[ -e /proc/self/fd/0 ] || exec </dev/null

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver64

say() { echo "wine-session: $*" >&2; }
die() {
  say "$*"
  exit 1
}

prefix=""
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix)
      [ $# -ge 2 ] || die "--prefix needs a folder"
      prefix=$2
      shift 2
      ;;
    --) shift; break ;;
    -*) die "unknown option $1" ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || die "usage: wine-session.sh [--prefix DIR] CMD [ARG...]"
[ -x "$WINE" ] || die "$WINE is missing (run scripts/install-deps.sh)"

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-session.XXXXXX") || die "cannot make a temporary folder"
xvfb_pid=""
pulse_pid=""
cmd_pid=""
prefix_ready=0

teardown() {
  local rc=$?
  trap - EXIT INT TERM HUP
  if [ -n "$cmd_pid" ] && kill -0 "$cmd_pid" 2>/dev/null; then
    kill -TERM "$cmd_pid" 2>/dev/null
    wait "$cmd_pid" 2>/dev/null
  fi
  if [ "$prefix_ready" = 1 ]; then
    # Kill every Windows process of this prefix and wait until the server has saved the registry.
    "$WINESERVER" -k 2>/dev/null
    timeout 20 "$WINESERVER" -w 2>/dev/null
  fi
  if [ -n "$pulse_pid" ]; then kill "$pulse_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
  exit "$rc"
}
trap teardown EXIT
trap 'say "interrupted"; exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Locale: Wine answers GetACP() with 932 only under a Japanese locale.
export LANG=ja_JP.UTF-8
unset LC_ALL LC_CTYPE LANGUAGE
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE WINESERVER

# PulseAudio and Wine's sockets live in a private runtime folder.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# Display.
if [ -n "${DISPLAY:-}" ] && [ "${TAVEL_HEADLESS:-0}" != 1 ]; then
  say "using the display $DISPLAY"
else
  command -v Xvfb >/dev/null || die "Xvfb is missing (run scripts/install-deps.sh)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$work/display" ] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
  say "no display in use: running under Xvfb on $DISPLAY (1024x768x24)"
fi

# Sound: a null sink plays in real time, so MCI positions advance as on a machine with a sound card.
if command -v pulseaudio >/dev/null; then
  if pulseaudio -n --daemonize=yes --exit-idle-time=-1 -L "module-null-sink sink_name=null" \
    -L module-native-protocol-unix >"$work/pulse.log" 2>&1; then
    pulse_pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
  else
    say "PulseAudio did not start; sound positions will not advance: $(tail -n 3 "$work/pulse.log")"
  fi
else
  say "pulseaudio is missing; sound positions will not advance"
fi

# Wine prefix.
if [ -n "$prefix" ]; then
  mkdir -p "$prefix" || die "cannot make $prefix"
  export WINEPREFIX
  WINEPREFIX=$(cd "$prefix" && pwd)
else
  export WINEPREFIX=$work/prefix
fi
prefix_ready=1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  say "making the Wine prefix $WINEPREFIX"
  "$WINE" wineboot -i >"$work/wineboot.log" 2>&1 || die "wineboot failed: $(tail -n 5 "$work/wineboot.log")"
fi

# A temporary prefix is a test machine: it gets a floppy drive without a disc (a:), a labelled
# CD-ROM (d:), a network drive (n:) and a RAM disk (r:), so that the folder browser meets every
# kind of drive. Wine reads the drive kinds when its server starts, so the server is restarted.
make_test_drives() {
  local d=$work/drives
  mkdir -p "$d/cdrom/TRACKS" "$d/network/Share" "$d/ramdisk/Temp" || return 1
  printf 'MUSIC_CD' >"$d/cdrom/.windows-label"
  ln -sfn "$d/no-disc" "$WINEPREFIX/dosdevices/a:" &&
    ln -sfn "$d/cdrom" "$WINEPREFIX/dosdevices/d:" &&
    ln -sfn "$d/network" "$WINEPREFIX/dosdevices/n:" &&
    ln -sfn "$d/ramdisk" "$WINEPREFIX/dosdevices/r:" || return 1
  printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"a:"="floppy"\n"d:"="cdrom"\n"n:"="network"\n"r:"="ramdisk"\n' >"$work/drives.reg"
  "$WINE" reg import "$(sed 's|/|\\|g; s|^|Z:|' <<<"$work/drives.reg")" >/dev/null 2>&1 || return 1
  "$WINESERVER" -k 2>/dev/null
  timeout 20 "$WINESERVER" -w 2>/dev/null
  return 0
}
if [ -z "$prefix" ]; then
  make_test_drives || say "cannot make the test drives; the folder browser tests will fail"
fi

# The explorer desktop gives the programs a desktop with a taskbar and a notification area. Every
# program of the prefix joins it (windows of programs on another desktop cannot see each other's
# windows, and the tray is the desktop's own).
cat >"$work/desktop.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"
EOF
"$WINE" reg import "$(sed 's|/|\\|g; s|^|Z:|' <<<"$work/desktop.reg")" >/dev/null 2>&1 ||
  die "cannot make the explorer desktop the prefix's desktop"
"$WINE" explorer.exe /desktop=shell,1024x768 >"$work/explorer.log" 2>&1 &
explorer_pid=$!
desktop_up() { xwininfo -root -tree 2>/dev/null | grep -q '"shell - [^"]*": ("explorer.exe"'; }
for _ in $(seq 300); do
  desktop_up && break
  kill -0 "$explorer_pid" 2>/dev/null || die "explorer ended: $(tail -n 5 "$work/explorer.log")"
  sleep 0.2
done
desktop_up || die "the explorer desktop did not appear within 60 s"

# The command: in the background so that a signal reaches the traps at once; stdin stays the caller's.
"$@" <&0 &
cmd_pid=$!
wait "$cmd_pid"
rc=$?
cmd_pid=""
exit "$rc"
