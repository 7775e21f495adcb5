#!/usr/bin/env bash
# with-xserver.sh xvfb|xorg-dummy COMMAND...   (XVFB_SIZE=WIDTHxHEIGHT sets Xvfb's screen)
# Runs COMMAND against a private X server of its own and exits with COMMAND's status; the
# server is stopped however COMMAND ends. Xvfb serves the keyboard and window tests; only Xorg with the dummy driver switches modes.
set -uo pipefail

usage() { echo "usage: $0 xvfb|xorg-dummy COMMAND..." >&2; exit 2; }
[ $# -ge 2 ] || usage
kind=$1
shift
here=$(cd "$(dirname "$0")" && pwd)

xorg_bin=/usr/lib/xorg/Xorg          # the server itself, past the Xorg.wrap front-end
[ -x "$xorg_bin" ] || xorg_bin=$(command -v Xorg || true)
case $kind in
  xvfb) command -v Xvfb >/dev/null || { echo "$0: Xvfb is not installed" >&2; exit 2; } ;;
  xorg-dummy) [ -n "$xorg_bin" ] || { echo "$0: Xorg is not installed" >&2; exit 2; } ;;
  *) usage ;;
esac
command -v xdpyinfo >/dev/null || { echo "$0: xdpyinfo (x11-utils) is not installed" >&2; exit 2; }

server_pid=""
command_pid=""
workdir=$(mktemp -d /tmp/fortuniak-xserver.XXXXXX)
stop_server() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill "$server_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$server_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  server_pid=""
}
cleanup() {
  [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
  stop_server
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

start_server() {  # $1 = display number
  local n=$1
  case $kind in
    xvfb)
      # -noreset: else the server restarts each time the last client leaves and refuses the
      # next test's connection for a moment (Xorg below gets the same).
      Xvfb ":$n" -screen 0 "${XVFB_SIZE:-1024x768}x24" -nolisten tcp -noreset >"$workdir/server.log" 2>&1 &
      ;;
    xorg-dummy)
      # Xorg takes an absolute -config and -logfile only from root, which CI and our
      # machines are. No input devices, so no udev; -sharevts -novtswitch keep it from
      # taking the console away from a desktop that is already running.
      "$xorg_bin" ":$n" -config "$here/xorg-dummy.conf" -noreset -nolisten tcp \
        -sharevts -novtswitch -logfile "$workdir/Xorg.log" >"$workdir/server.log" 2>&1 &
      ;;
  esac
  server_pid=$!
}

# 0 = ours answers, 1 = ours died (display taken after all), 2 = no answer in time.
wait_for_server() {
  local n=$1 lock
  for _ in $(seq 200); do
    kill -0 "$server_pid" 2>/dev/null || { wait "$server_pid" 2>/dev/null; server_pid=""; return 1; }
    # Another run may have won this display at the same moment: the lock names the owner.
    lock=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock" || true)
    if [ "$lock" = "$server_pid" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  return 2
}

# Free: no lock, or a lock left by a server that was killed outright (the server itself
# clears such a lock and its socket).
display_free() {
  local lock=/tmp/.X$1-lock pid
  [ -e "$lock" ] || return 0
  pid=$(tr -d ' \n' 2>/dev/null <"$lock")
  [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null
}

display=""
for n in $(seq 57 120); do
  display_free "$n" || continue
  start_server "$n"
  wait_for_server "$n"
  case $? in
    0) display=":$n"; break ;;
    # Stopped at start: most likely another run took this display a moment before its lock
    # was there to see. The next display is tried; a server that cannot start anywhere is
    # reported below with its log.
    1) continue ;;
    2) echo "$0: the $kind server on :$n did not answer in 20 s" >&2
       cat "$workdir/server.log" >&2
       exit 1 ;;
  esac
done
if [ -z "$display" ]; then
  echo "$0: could not start a $kind server on any display from :57 to :120" >&2
  cat "$workdir/server.log" >&2 2>/dev/null
  exit 1
fi

# In the background so that a signal (a test timeout) is handled at once, not after it.
DISPLAY=$display "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
exit "$status"
