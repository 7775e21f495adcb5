#!/usr/bin/env bash
# with-weston.sh WIDTHxHEIGHT COMMAND...
# Runs COMMAND in a Wayland session of its own: weston's headless compositor with its desktop
# shell (a panel along the top) and XWayland, so that COMMAND sees both WAYLAND_DISPLAY and
# DISPLAY, as on a GNOME or KDE Wayland desktop. weston-screenshooter reads the screen back
# (it needs --debug). Exits with COMMAND's status; the compositor is stopped however it ends.
set -uo pipefail

[ $# -ge 2 ] || { echo "usage: $0 WIDTHxHEIGHT COMMAND..." >&2; exit 2; }
size=$1
shift
for tool in weston weston-screenshooter Xwayland; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

runtime=$(mktemp -d /tmp/fortuniak-wayland.XXXXXX)
chmod 700 "$runtime"
weston_pid=""
command_pid=""
cleanup() {
  [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$weston_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$weston_pid" 2>/dev/null
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

# XWayland listens in the usual X socket folder, which a machine without an X server lacks.
[ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; } 2>/dev/null

export XDG_RUNTIME_DIR=$runtime
socket=wayland-fortuniak
weston --backend=headless-backend.so --use-pixman --xwayland --debug --idle-time=0 \
  --socket="$socket" --width="${size%x*}" --height="${size#*x}" >"$runtime/weston.log" 2>&1 &
weston_pid=$!

display=""
for _ in $(seq 200); do
  kill -0 "$weston_pid" 2>/dev/null || break
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log")
  [ -S "$runtime/$socket" ] && [ -n "$display" ] && break
  sleep 0.1
done
if [ -z "$display" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
  echo "$0: weston did not start" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

# In the background so that a signal (a test timeout) is handled at once, not after it.
WAYLAND_DISPLAY=$socket DISPLAY=$display "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
[ "$status" = 0 ] || sed 's/^/weston: /' "$runtime/weston.log" | tail -20 >&2
exit "$status"
