#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in BUILD_DIR (a folder of their own: it is configured
# with clang++) and runs each for SECONDS from the seed corpus in tests/fuzz/corpus/. Any crash,
# sanitizer report or failed check stops the script with an error; the input that caused it is
# left in BUILD_DIR/fuzz-runs/NAME/.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DFORTUNIAK_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_ini fuzz_scramble fuzz_records fuzz_webp

for name in ini scramble records webp; do
  work="$build/fuzz-runs/$name"
  mkdir -p "$work/corpus"
  echo "== fuzz_$name, ${seconds} s =="
  # New inputs go to the first folder; the seeds in the tree are only read.
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "$root/tests/fuzz/corpus/$name"
done
