#!/usr/bin/env bash
# scaled-game-test.sh GAME  (under with-xserver.sh xvfb at a size without 800 x 600, or under
# with-weston.sh)
# The real game where the display cannot be switched: it must fill the screen by itself, the
# scene centred and scaled to the screen's height, over the desktop's panel. Where X input
# can be injected a click on the scaled "Wyjdź z gry" ends it; under weston, SIGTERM ends it
# within half a second.
set -euo pipefail
game=$1
work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp "$game" "$(dirname "$game")/Pytania.pFK" "$work/"
mkdir "$work/shots"

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/game: /' "$work/game.log" >&2
  exit 1
}
wait_for() {  # condition, seconds
  local end=$((SECONDS + $2))
  until eval "$1"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

# The screen as the player sees it, in $work/shot.png; W and H its size.
W=0
H=0
shot() {
  local png=$work/shot.png
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then  # the compositor's own picture: X sees no Wayland window
    rm -f "$work"/shots/*
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$work"/shots/*.png "$png" 2>/dev/null || return 1
  else
    import -window root "$png" 2>/dev/null || return 1
  fi
  read -r W H < <(identify -format '%w %h\n' "$png")
}
# The bounding box of everything not black: "x y width height".
lit_box() {
  convert "$work/shot.png" -fuzz 19% -trim -format '%X %Y %w %h\n' info: | tr -d +
}
# A point of the 800 x 600 scene, where the scaled full screen shows it.
scaled() {  # x y
  python3 -c "import sys; W, H, x, y = map(int, sys.argv[1:]); f = H / 600
print(round((W - 800 * f) / 2 + x * f), round(y * f))" "$W" "$H" "$1" "$2"
}
pixel_black() {  # a point of the scene
  local sx sy
  read -r sx sy < <(scaled "$1" "$2")
  convert "$work/shot.png" -crop "1x1+$sx+$sy" -depth 8 txt:- |
    grep -qE '^0,0: *\(([0-7]),([0-7]),([0-7])\)'
}
# The main window, lit alone on the black background of the intro, must be the scene's main
# window scaled by the screen's height and centred.
scene_fits() {
  read -r x y w h < <(lit_box)
  python3 - "$W" "$H" "$x" "$y" "$w" "$h" >"$work/fit.txt" <<'PY'
import sys
W, H, x, y, w, h = map(int, sys.argv[1:])
f = H / 600
print(f"screen {W}x{H}, main window seen at {x},{y} size {w}x{h} (factor {f:.2f})")
checks = {
    "centred across": abs(x + w / 2 - W / 2) <= 4,
    "at its height in the scene": abs(y + h / 2 - 299.5 * f) <= 4,
    "scaled to the screen's height": abs(h / H - 427 / 600) <= 0.02 * 427 / 600,
    "in proportion": abs(w / h - 792 / 427) <= 0.02 * 792 / 427,
}
for name, ok in checks.items():
    print(("ok   " if ok else "FAIL ") + name)
sys.exit(0 if all(checks.values()) else 1)
PY
}

# The desktop first: under weston its panel runs along the top, which the game must cover.
wait_for 'shot' 20 || fail "the screen cannot be read back"
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  wait_for 'shot && read -r _ top _ _ < <(lit_box) && [ "$top" -lt 10 ]' 20 ||
    fail "weston's panel never showed: the check below could not fail"
fi

# In the sanitizer build the leak check is left to the unit tests: system libraries (D-Bus)
# keep what they allocated when a game ends a few seconds after it started.
(cd "$work" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" exec ./fortuniak) \
  >"$work/game.log" 2>&1 &
pid=$!
# During the intro the background is black and the main window alone is lit (the desktop may
# show for a moment while the window goes full screen).
wait_for 'shot && ! pixel_black 400 300' 60 || fail "the game never showed"
wait_for 'shot && scene_fits' 10 || { cat "$work/fit.txt"; fail "the scene is not scaled to the screen"; }
cat "$work/fit.txt"

# Input is injected through X, and only on an X server of its own: weston's headless seat has
# no keyboard, and XTEST there brings XWayland down.
if [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # X input: any key ends the intro; the profiles list is black and the pattern frames it.
  for _ in $(seq 20); do
    xdotool key space
    wait_for 'shot && pixel_black 400 350 && ! pixel_black 20 20' 2 && break
  done
  pixel_black 400 350 || fail "the profiles page did not show"
  read -r qx qy < <(scaled 92 473)
  xdotool mousemove "$qx" "$qy" click 1
  wait_for '! kill -0 "$pid" 2>/dev/null || ! ps -o stat= -p "$pid" | grep -qv Z' 10 ||
    fail "a click on the scaled \"Wyjdź z gry\" did not end the game"
  wait "$pid" || fail "the game ended with an error"
  echo "a click on the scaled \"Wyjdź z gry\" ended the game"
else
  start=$(date +%s%N)
  kill -TERM "$pid"
  wait "$pid" || true
  took=$((($(date +%s%N) - start) / 1000000))
  echo "SIGTERM ended the game in $took ms"
  [ "$took" -le 500 ] || fail "SIGTERM took $took ms"
fi
pid=""
[ ! -e "$work/FORMAT C.exe" ] || fail "the plain questions copy was left behind"
