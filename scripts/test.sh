#!/usr/bin/env bash
# Sets up, builds and runs every test: platform-free code natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, Windows code under Wine on a virtual display. Ends in ctest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GORVALE_BUILD:-$root/build}
jobs=$(nproc)

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DGORVALE_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j"$jobs"
cmake -S "$root" -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DGORVALE_NATIVE_DIR="$build/native" >/dev/null
cmake --build "$build/win32" -j"$jobs"

source "$root/scripts/wine-session.sh"
trap wine_session_end EXIT
wine_session_begin "$build/win32"
# One test program at a time: the window tests drive one shared pointer, keyboard and focus.
ctest --test-dir "$build/win32" --output-on-failure "$@"
