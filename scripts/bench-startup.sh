#!/usr/bin/env bash
# Start-up benchmark under Wine: the launcher against a bare one-window program, same prefix,
# same display, alternating runs; prints medians of start-to-idle time and working set, and
# their ratios. Usage: scripts/bench-startup.sh [RUNS]   (after scripts/test.sh or run.sh built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GORVALE_BUILD:-$root/build}
runs=${1:-15}
cmake --build "$build/win32" --target gorvale_product bare_window startup_bench -j"$(nproc)" >/dev/null

source "$root/scripts/wine-session.sh"
trap wine_session_end EXIT
wine_session_begin "$build/win32"
# Each program runs from a scratch folder of its own, as a user would start it.
scratch=$(mktemp -d)
cp "$build/win32/product/app/Gorvale.exe" "$build/win32/tests/bench/bare_window.exe" "$scratch/"
wine "$build/win32/tests/bench/startup_bench.exe" "$(winepath -w "$scratch/Gorvale.exe")" \
  "$(winepath -w "$scratch/bare_window.exe")" "$runs"
rm -rf "$scratch"
