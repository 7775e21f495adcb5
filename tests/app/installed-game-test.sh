#!/usr/bin/env bash
# installed-game-test.sh BUILD_DIR APP_ID  (under tests/support/with-xserver.sh xvfb)
# The game installed into a read-only prefix and started from its desktop entry by an
# ordinary user with a fresh home: it logs in, turns the lifelines off, starts a game on the
# installed questions and quits. Everything it wrote is in the user's
# ~/.local/share/fortuniak/, the data file scrambled, and the prefix is as installed.
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
game=""
cleanup() {
  [ -n "$game" ] && kill -9 "$game" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/game: /' "$work/game.log" >&2
  exit 1
}
wait_for() {  # condition, seconds
  local end=$((SECONDS + $2))
  until eval "$1"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

prefix=$work/prefix
home=$work/home
data=$home/.local/share/fortuniak
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
mkdir "$home"
chmod 755 "$work"
# An ordinary user: nobody when the test runs as root, else whoever runs it.
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
installed() { find "$prefix" -printf '%P %s %m %T@\n' | sort; }
before=$(installed)

# Started the way a desktop starts it: the Exec line of the installed entry.
exec_line=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$prefix/share/applications/$id.desktop")
"${as_user[@]}" env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy $exec_line >"$work/game.log" 2>&1 &
game=$!
wait_for '[ -e "$data/FORMAT C.exe" ]' 60 || fail "start-up did not make its questions copy in $data"
window=$(xdotool search --sync --name '^FORTUNIAK v')
xdotool windowfocus --sync "$window"

# A point of the window, as the screen shows it now.
read -r wx wy < <(xdotool getwindowgeometry "$window" |
  sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
pixel() {
  import -window root -crop "1x1+$((wx + $1))+$((wy + $2))" -depth 8 txt:- 2>/dev/null |
    sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}
is_black() { [ "$(pixel "$1" "$2")" = "0 0 0" ]; }
is_bright() { read -r r g b < <(pixel "$1" "$2") && [ "$r" -gt 200 ] && [ "$g" -gt 200 ]; }
is_red() { read -r r g b < <(pixel "$1" "$2") && [ "$r" -gt 200 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ]; }
# Repeats a harmless action until the screen shows what it leads to.
until_shown() {  # action, condition, what
  for _ in $(seq 20); do
    eval "$1"
    wait_for "$2" 2 && return 0
  done
  fail "$3 did not show"
}

# Any key ends the intro; the profiles list is a black box.
until_shown 'xdotool key space' 'is_black 400 250 && is_black 300 300' "the profiles page"
# A double-click on the first row, "Gracz anonimowy", logs in; the menu's panels are navy.
until_shown 'xdotool mousemove --window "$window" 270 186 click --repeat 2 --delay 120 1' \
  '! is_black 400 250' "the menu"
# O opens the options; the lifelines' box is ticked.
until_shown 'xdotool key o' 'is_bright 263 285' "the options page"
xdotool mousemove --window "$window" 263 285 click 1
wait_for 'is_red 231 285' 10 || fail "the lifelines' symbol was not crossed out"
# R starts a game at once with the lifelines off; drawing its first question is written down.
plain() {
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read().rstrip(b"\r\n")
sys.stdout.write(bytes(b ^ 0x1F for b in d).decode("cp1250"))' "$data/Opcje.oFK" 2>/dev/null
}
error_shown() { xdotool search --name '^ERROR$' >/dev/null; }
xdotool key r
wait_for 'plain | grep -q "^L1=" || error_shown' 30 || fail "no question was drawn"
error_shown && fail "the game did not find its questions"

# The "X" at the top of the background window quits, from the game page too.
running() { kill -0 "$game" 2>/dev/null; }
until_shown 'xdotool mousemove 788 11 click 1' '! running' "the end of the game"
wait "$game" || true
game=""

[ -f "$data/Opcje.oFK" ] || fail "no data file in $data"
[ "$(head -c 1 "$data/Opcje.oFK")" != "[" ] || fail "the data file is plain: $(plain)"
plain | grep -q "^Kou=0" || fail "the option was not saved: $(plain)"
left=$(ls -A "$data")
[ "$left" = "Opcje.oFK" ] || fail "left in the user's folder: $left"
[ "$(installed)" = "$before" ] || fail "the install folder changed: $(diff <(echo "$before") <(installed))"
echo "the installed game kept its files in the user's folder"
