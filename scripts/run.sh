#!/usr/bin/env bash
# Builds the launcher and starts it under Wine in the build tree's private prefix, inside Wine's
# desktop. Without a display it runs on a virtual one; once the main window is up it saves a
# screenshot of the screen to build/screenshot.png and closes the program again.
# Usage: scripts/run.sh   (GORVALE_BUILD chooses the build tree, as for scripts/test.sh; the
# program runs in the Wine prefix BUILD/run/wineprefix)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GORVALE_BUILD:-$root/build}
jobs=$(nproc)
title="OEM Gorvale FE"

bash "$root/scripts/setup.sh"
# The native tree supplies the description checker that the Windows build runs.
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DGORVALE_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j"$jobs" --target formcheck
cmake -S "$root" -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DGORVALE_NATIVE_DIR="$build/native" >/dev/null
cmake --build "$build/win32" -j"$jobs" --target gorvale_product await_window

# A prefix of its own beside the test prefix, in Wine's desktop as the tests are
# (scripts/wine-session.sh), where Wine draws the window frames itself as Windows would.
source "$root/scripts/wine-session.sh"
trap wine_session_end EXIT
wine_session_begin "$build/run"
# Wine draws the caption buttons with the Marlett symbol font. fonts-wine puts Wine's copy in
# Wine's data folder, where this Wine does not look (it reads the Linux font folders), so the
# buttons would show as the letters "0 1 r"; the prefix's Windows font folder is always read.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"

wine "$build/win32/product/app/Gorvale.exe" &
program=$!

# The main window counts as up once it is in front at its full size (it starts minimised and the
# splash timer restores it about two seconds later).
if ! wine "$build/win32/tools/await_window.exe" "$title" 300 200 30; then
  kill -0 "$program" 2>/dev/null || { echo "run.sh: the program ended before its window came up" >&2; exit 1; }
  echo "run.sh: no main window after 30 s" >&2
  exit 1
fi
sleep 1  # let the window paint

shot="$build/screenshot.png"
import -window root "$shot"
echo "Screenshot saved to $shot"

# Close it as the close box would (taskkill without /f sends WM_CLOSE), then make sure it ended.
wine taskkill /im Gorvale.exe >/dev/null 2>&1 || true
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
