#!/usr/bin/env bash
# Start-up benchmark under Wine: the launcher against two yardsticks, same prefix, same display,
# in rounds of one start each: a bare program that opens one window, and one that opens just the
# launcher's own windows (splash and minimised main window) with none of its work. Prints medians
# of start-to-idle time and working set, and the median of the rounds' ratios to each yardstick.
# Usage: scripts/bench-startup.sh [ROUNDS] [--pointer-centre]   (after scripts/test.sh or run.sh built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GORVALE_BUILD:-$root/build}
runs=${1:-31}
cmake --build "$build/win32" --target gorvale_product bare_window bare_two_windows startup_bench \
  -j"$(nproc)" >/dev/null

source "$root/scripts/wine-session.sh"
trap wine_session_end EXIT
wine_session_begin "$build/win32"
# Each program runs from a scratch folder, as a user would start it.
scratch=$(mktemp -d)
cp "$build/win32/product/app/Gorvale.exe" "$build/win32/tools/bench/bare_window.exe" \
  "$build/win32/tools/bench/bare_two_windows.exe" "$scratch/"
wine "$build/win32/tools/bench/startup_bench.exe" --runs "$runs" "${@:2}" \
  "$(winepath -w "$scratch/Gorvale.exe")" "$(winepath -w "$scratch/bare_window.exe")" \
  "$(winepath -w "$scratch/bare_two_windows.exe")"
rm -rf "$scratch"
