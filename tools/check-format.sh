#!/usr/bin/env bash
# Fails when a C++ file does not match the root .clang-format.
# Usage: tools/check-format.sh SOURCE_DIR
set -euo pipefail
cd "${1:-.}"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
existing=()
for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
clang-format --dry-run --Werror "${existing[@]}"
echo "${#existing[@]} files match .clang-format"
