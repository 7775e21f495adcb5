#!/usr/bin/env bash
# Prints the game's performance figures; each benchmark runs on a private X server.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/../.." && pwd)
xserver="$root/tests/support/with-xserver.sh"
# At 800 x 600 the game shows unscaled; at 1920 x 1080 Xvfb cannot switch, so it scales by 1.8.
at() { XVFB_SIZE=$1 QT_QPA_PLATFORM=xcb "$xserver" xvfb "${@:2}"; }
echo "== start-up and memory (800 x 600, then 1920 x 1080 scaled and in a window) =="
at 800x600 "$build/tools/bench/fortuniak_bench_startup" "$build/game"
at 1920x1080 "$build/tools/bench/fortuniak_bench_startup" "$build/game" --skaluj
at 1920x1080 "$build/tools/bench/fortuniak_bench_startup" "$build/game" --okno
echo
echo "== players' data and questions =="
"$build/tools/bench/fortuniak_bench_data"
echo
echo "== movies and waiting =="
at 800x600 "$build/tools/bench/fortuniak_bench_media" "$build/game"
at 1920x1080 "$build/tools/bench/fortuniak_bench_media" "$build/game" --skaluj
echo
echo "== the game's timed sequences =="
at 800x600 "$build/tools/bench/fortuniak_bench_game" "$build/game"
