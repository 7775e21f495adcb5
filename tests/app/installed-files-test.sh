#!/usr/bin/env bash
# installed-files-test.sh BUILD_DIR APP_ID
# Installs into a prefix of its own and checks what a desktop finds there: the executable and
# the questions where the game looks, a valid desktop entry that starts the installed
# executable, valid AppStream metainfo, and transparent icons at every size.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/games/fortuniak" ] || fail "no executable in games/"
cmp "$build/game/Pytania.pFK" "$prefix/share/games/fortuniak/Pytania.pFK" ||
  fail "the questions are not in share/games/fortuniak/"

entry=$prefix/share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry $id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
# A key of the entry's main group, or of the group named by $2.
value() { sed -n "/^\[${2:-Desktop Entry}\]/,/^\[/s/^$1=//p" "$entry"; }
[ "$(value Exec)" = "$prefix/games/fortuniak" ] || fail "Exec is $(value Exec)"
[ "$(value Exec 'Desktop Action skaluj')" = "$prefix/games/fortuniak --skaluj" ] ||
  fail "the scaled action runs $(value Exec 'Desktop Action skaluj')"
[ "$(value Exec 'Desktop Action okno')" = "$prefix/games/fortuniak --okno" ] ||
  fail "the window action runs $(value Exec 'Desktop Action okno')"
[ "$(value Icon)" = "$id" ] || fail "Icon is $(value Icon)"
[ "$(value Categories)" = "Game;LogicGame;" ] || fail "Categories are $(value Categories)"
value Comment | grep -q 'pytań' || fail "the comment is not in Polish"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not name the desktop entry"
for tag in name summary p; do
  grep -q "<$tag xml:lang=\"pl\">" "$metainfo" || fail "no Polish <$tag>"
  grep -q "<$tag>" "$metainfo" || fail "no English <$tag>"
done

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  # Size and type; a clear corner around the hexagon and a solid middle.
  read -r w h type corner middle < <(convert "$icon" -format \
    "%w %h %m %[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]\n" info:)
  [ "$w x $h $type" = "$size x $size PNG" ] || fail "${size}px icon is $w x $h $type"
  [ "$corner" = 0 ] || fail "${size}px icon: corner alpha $corner, not transparent"
  [ "$middle" = 1 ] || fail "${size}px icon: middle alpha $middle, not opaque"
done

for page in man/man6/fortuniak.6 man/pl/man6/fortuniak.6; do
  [ -f "$prefix/share/$page" ] || fail "no manual page $page"
done
echo "installed files in place and valid"
