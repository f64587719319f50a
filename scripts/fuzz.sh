#!/usr/bin/env bash
# Fuzzes the description parser and writer: scripts/fuzz.sh [seconds] (default 600).
# Builds build/fuzz with clang, seeds the corpus from the form files beside the repository and
# keeps what the fuzzer finds in build/fuzz/corpus; crashes land in build/fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build=$root/build/fuzz

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DGORVALE_FUZZ=ON >/dev/null
cmake --build "$build" --target desc_parser_fuzz -j2

mkdir -p "$build/corpus" "$build/findings"
seeds=$root/../shared/corpus/forms
if [ -d "$seeds" ]; then
  for f in "$seeds"/*/*.dfm "$seeds"/*/*.lfm; do
    seed=$build/corpus/$(basename "$(dirname "$f")")__$(basename "$f")
    if [ -f "$f" ] && [ ! -e "$seed" ]; then cp "$f" "$seed"; fi
  done
fi

cd "$build/findings"
"$build/tests/fuzz/desc_parser_fuzz" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 "$build/corpus"
