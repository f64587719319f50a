#!/usr/bin/env bash
# Fuzzes under libFuzzer: scripts/fuzz.sh [seconds] [target] (default 600 seconds of
# desc_parser_fuzz, the description parser, writer and loader; settings_restore_fuzz is the
# settings store's restore on the main window's description). FUZZ_RUNS stops after that many
# executions instead. Builds build/fuzz with clang, seeds the corpus (the form files beside the
# repository, or tests/fuzz/restore_seeds) and keeps what the fuzzer finds in
# build/fuzz/corpus-TARGET; crashes land in build/fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
target=${2:-desc_parser_fuzz}
build=$root/build/fuzz

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DGORVALE_FUZZ=ON >/dev/null
cmake --build "$build" --target "$target" -j2

corpus=$build/corpus-$target
mkdir -p "$corpus" "$build/findings"
if [ "$target" = desc_parser_fuzz ]; then
  seeds=$root/../shared/corpus/forms
  if [ -d "$seeds" ]; then
    for f in "$seeds"/*/*.dfm "$seeds"/*/*.lfm; do
      seed=$corpus/$(basename "$(dirname "$f")")__$(basename "$f")
      if [ -f "$f" ] && [ ! -e "$seed" ]; then cp "$f" "$seed"; fi
    done
  fi
else
  cp -n "$root"/tests/fuzz/restore_seeds/* "$corpus"/
fi

limit=(-max_total_time="$seconds")
dict=()
if [ "$target" = settings_restore_fuzz ]; then dict=(-dict="$root/tests/fuzz/settings_restore.dict"); fi
if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); fi
cd "$build/findings"
"$build/tests/fuzz/$target" "${limit[@]}" "${dict[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
