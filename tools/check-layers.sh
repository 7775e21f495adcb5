#!/usr/bin/env bash
# Fails on an #include that goes against the direction of the layers.
# Usage: tools/check-layers.sh LAYERS_FILE SOURCE_DIR
# LAYERS_FILE has one line per folder, "folder: folders it uses" (written by CMake from the
# libraries' own link lists); a folder may include itself and whatever it uses, directly or
# through the folders it uses. tests/ and tools/ may include anything.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 LAYERS_FILE SOURCE_DIR" >&2; exit 2; }
layers=$1
cd "$2"

declare -A uses
while IFS=: read -r dir list; do
  [ -n "$dir" ] && uses[$dir]=$list
done <"$layers"

# Every folder a folder may reach, itself included.
reach() {
  local seen=" $1 " todo=$1 d u
  while [ -n "$todo" ]; do
    set -- $todo
    d=$1; shift; todo="$*"
    for u in ${uses[$d]:-}; do
      case "$seen" in *" $u "*) ;; *) seen+="$u "; todo+=" $u" ;; esac
    done
  done
  echo "$seen"
}

bad=0
for dir in "${!uses[@]}"; do
  [ -d "$dir" ] || continue
  allowed=$(reach "$dir")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
    [ -n "${uses[$target]+x}" ] || continue  # not one of the layers (a generated or local header)
    case "$allowed" in
      *" $target "*) ;;
      *) echo "$file:$line: $dir/ must not include $target/ ($text)"; bad=1 ;;
    esac
  done < <(grep -rnE '^\s*#\s*include "[^/"]+/' "$dir" --include='*.h' --include='*.cpp' || true)
done
[ $bad -eq 0 ] && echo "includes follow the layers: $(tr '\n' ';' <"$layers")"
exit $bad
