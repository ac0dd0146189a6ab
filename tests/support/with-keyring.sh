#!/usr/bin/env bash
# Runs a test against a real gnome-keyring on the current (private) session bus, in a home of its own:
#   dbus-run-session -- tests/support/with-keyring.sh TEST [ARGS...]
#   dbus-run-session -- tests/support/with-keyring.sh --no-daemon TEST [ARGS...]
# The keyring's "login" collection is created and unlocked with the password in
# NORRID_TEST_KEYRING_PASSWORD (exported for tests that lock and unlock it). With --no-daemon only
# the private home is set up, so a test can see what happens without any keyring at all.
# The daemon's own chatter goes to a log that is printed only when it fails to start.
set -euo pipefail

start_daemon=1
if [ "${1:-}" = "--no-daemon" ]; then
  start_daemon=0
  shift
fi
if [ $# -eq 0 ]; then
  echo "usage: $0 [--no-daemon] TEST [ARGS...]" >&2
  exit 2
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  echo "with-keyring.sh: no session bus; run it under dbus-run-session" >&2
  exit 2
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/norrid-keyring.XXXXXX")
daemon_pid=""
test_pid=""
cleanup() {
  if [ -n "$daemon_pid" ]; then
    kill "$daemon_pid" 2>/dev/null || true
  fi
  rm -rf "$root"
}
trap cleanup EXIT
trap '[ -n "$test_pid" ] && kill -TERM "$test_pid" 2>/dev/null; exit 143' TERM INT HUP

export HOME="$root/home"
export XDG_RUNTIME_DIR="$root/runtime"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset GNOME_KEYRING_CONTROL SSH_AUTH_SOCK
# Services the bus starts on demand (a keyring daemon above all) live in this home too, never in the
# home of whoever runs the tests.
dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME

name_has_owner() {
  dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}

if [ "$start_daemon" = 1 ]; then
  export NORRID_TEST_KEYRING_PASSWORD="norrid-test-keyring"
  log="$root/gnome-keyring.log"
  # --unlock reads the password from standard input up to its end, creates the login collection
  # with it when there is none, and prints the variables that reach the daemon.
  if ! env_lines=$(printf '%s' "$NORRID_TEST_KEYRING_PASSWORD" |
    gnome-keyring-daemon --daemonize --unlock --components=secrets 2>"$log"); then
    echo "with-keyring.sh: gnome-keyring-daemon failed to start:" >&2
    cat "$log" >&2
    exit 1
  fi
  while IFS='=' read -r key value; do
    case "$key" in
      GNOME_KEYRING_CONTROL) export GNOME_KEYRING_CONTROL="$value" ;;
      GNOME_KEYRING_PID) daemon_pid="$value" ;;
    esac
  done <<<"$env_lines"
  # The daemon forks; the test must not touch the bus before it owns the Secret Service name, or
  # D-Bus activation would start a second daemon.
  for _ in $(seq 100); do
    name_has_owner org.freedesktop.secrets && break
    sleep 0.05
  done
  if ! name_has_owner org.freedesktop.secrets; then
    echo "with-keyring.sh: gnome-keyring-daemon did not register org.freedesktop.secrets:" >&2
    cat "$log" >&2
    exit 1
  fi
  if [ -z "$daemon_pid" ]; then
    daemon_pid=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus \
      /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID \
      string:org.freedesktop.secrets 2>/dev/null | awk '{print $2}') || true
  fi
fi

"$@" &
test_pid=$!
set +e
wait "$test_pid"
rc=$?
set -e
test_pid=""
exit "$rc"
