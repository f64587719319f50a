#!/usr/bin/env bash
# Installs every build and test tool that is missing, from Debian's packages.
# Safe to run again: it installs only what is not there yet.
set -euo pipefail

packages=(
  cmake make g++ ninja-build
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  googletest libgtest-dev libbenchmark-dev
  wine wine32:i386 fonts-wine xvfb x11-utils xdotool imagemagick
  fonts-liberation clang clang-format libclang-rt-14-dev llvm git
  zip
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_if_needed apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
