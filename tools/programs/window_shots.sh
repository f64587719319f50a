#!/usr/bin/env bash
# Pictures of the splash, the eight pages of the main window and the About box, as PNG files in
# BUILD/shots/ (BUILD: GORVALE_BUILD or ./build; run scripts/test.sh or scripts/run.sh first).
# The windows run in a prefix of their own, inside Wine's desktop (scripts/wine-session.sh), where
# Wine draws the window frames itself, so the pictures show captions and borders as Windows would.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${GORVALE_BUILD:-$root/build}
out="$build/shots"
cmake --build "$build/win32" --target window_shots -j"$(nproc)" >/dev/null

source "$root/scripts/wine-session.sh"
trap wine_session_end EXIT
wine_session_begin "$out"
rm -f "$out"/*.bmp "$out"/*.png
wine "$build/win32/tools/window_shots.exe" "$(winepath -w "$out")"
for f in "$out"/*.bmp; do convert "$f" "${f%.bmp}.png" && rm "$f"; done
ls "$out"/*.png
