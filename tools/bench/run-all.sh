#!/usr/bin/env bash
# Prints the game's performance figures; each benchmark runs on a private X server.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/../.." && pwd)
xserver="$root/tests/support/with-xserver.sh"
echo "== start-up and memory =="
QT_QPA_PLATFORM=xcb "$xserver" xvfb "$build/tools/bench/fortuniak_bench_startup" "$build/game"
echo
echo "== players' data and questions =="
"$build/tools/bench/fortuniak_bench_data"
echo
echo "== movies and waiting =="
QT_QPA_PLATFORM=xcb "$xserver" xvfb "$build/tools/bench/fortuniak_bench_media" "$build/game"
echo
echo "== the game's timed sequences =="
QT_QPA_PLATFORM=xcb "$xserver" xvfb "$build/tools/bench/fortuniak_bench_game" "$build/game"
