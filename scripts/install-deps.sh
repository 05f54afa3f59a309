#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run TaVEL32.EXE.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  cmake g++ ninja-build
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine64 xvfb x11-utils pulseaudio
  locales fonts-ipafont-gothic imagemagick
  # 32-bit: the unit tests built with -m32, and the shipping TaVEL32.EXE under 32-bit Wine.
  gcc-multilib g++-multilib wine32:i386
  # Fuzzing the parsers: clang with libFuzzer and the sanitizer runtimes.
  clang libclang-rt-14-dev
  # MP3 and WMA through MCI: Wine plays them with GStreamer (for 32-bit Wine its i386 plugins);
  # lame encodes the MP3 of the end-to-end tests.
  gstreamer1.0-plugins-good gstreamer1.0-plugins-base
  gstreamer1.0-plugins-good:i386 gstreamer1.0-plugins-base:i386
  lame
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# wine32 is a package of the i386 architecture, which apt knows only once it has been added.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine reports code page 932 only when the Japanese locale has been generated.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi

# GoogleTest sources are needed by both the native and the Windows test builds.
if [ ! -f /usr/src/googletest/CMakeLists.txt ]; then
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends googletest
fi
