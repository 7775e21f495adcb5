#!/usr/bin/env bash
# The real game on a real X server (Xorg with the dummy driver, 1024 x 768): it switches the
# display to 800 x 600, silences the bell, and gives both back when a signal stops it.
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$game" "$(dirname "$game")/Pytania.pFK" "$work/"

size() { xdpyinfo | awk '/dimensions:/ {print $2; exit}'; }
bell() { xset q | awk '/bell percent:/ {print $3; exit}'; }
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() {  # condition, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

xset b 40
[ "$(size)" = 1024x768 ] || fail "the server should start at 1024x768, not $(size)"
for sig in TERM INT HUP; do
  (cd "$work" && QT_QPA_PLATFORM=xcb exec ./fortuniak) &
  pid=$!
  wait_for '[ "$(bell)" = 0 ]' 20 || fail "$sig: start-up did not finish (bell $(bell))"
  [ "$(size)" = 800x600 ] || fail "$sig: display not switched: $(size)"
  [ -e "$work/FORMAT C.exe" ] || fail "$sig: no plain questions copy"
  geometry=$(xdotool search --name '^FORTUNIAK v 0.7.1.4' getwindowgeometry)
  grep -q 'Position: 4,86' <<<"$geometry" || fail "$sig: main window not centred: $geometry"
  grep -q 'Geometry: 792x427' <<<"$geometry" || fail "$sig: main window size: $geometry"
  kill -s "$sig" "$pid"
  wait "$pid" || true
  [ "$(size)" = 1024x768 ] || fail "$sig: display left at $(size)"
  [ "$(bell)" = 40 ] || fail "$sig: bell left at $(bell)"
  [ ! -e "$work/FORMAT C.exe" ] || fail "$sig: plain questions copy left behind"
  echo "$sig: display, bell and temporary file given back"
done
