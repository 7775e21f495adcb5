#!/usr/bin/env bash
# Starts the staged game from its own folder (the game keeps every file beside itself).
set -euo pipefail
exe=$(realpath "$1")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Nie ma ekranu graficznego (DISPLAY nie jest ustawione): uruchom grę w sesji X11." >&2
  exit 1
fi
cd "$(dirname "$exe")"
exec "$exe"
