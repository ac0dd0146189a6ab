#!/bin/sh
# Runs a command as a client of a headless weston of its own (its own runtime folder and socket),
# then stops weston. Headless weston has no seat: no keyboard, no pointer, no focus.
set -eu
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=norrid-test --idle-time=0 --no-config \
  --width=1280 --height=800 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT
tries=0
until [ -S "$runtime/norrid-test" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
  fi
  sleep 0.1
done
WAYLAND_DISPLAY=norrid-test QT_QPA_PLATFORM=wayland "$@"
