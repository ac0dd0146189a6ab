#!/usr/bin/env bash
# Footprint, start-up and poll cost of the running application (see footprint.py):
#   bench/footprint.sh <build dir>
#   NORRID_FOOTPRINT_IDLE_SECONDS=120 bench/footprint.sh build     a shorter idle stretch
#   NORRID_FOOTPRINT_BACKENDS=software bench/footprint.sh build    one scene-graph backend only
# Needs Xvfb, trayer, xdotool, xwininfo, dbus-daemon and gnome-keyring-daemon
# (scripts/install-deps.sh test).
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb trayer xdotool xwininfo dbus-daemon gnome-keyring-daemon python3; do
  command -v "$tool" >/dev/null || { echo "footprint.sh: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
done
for target in tests/support/norrid_testapp bench/bench_fakejira bench/bench_store_token bench/bench_bare_tray; do
  [ -x "$build/$target" ] || { echo "footprint.sh: $build/$target is not built" >&2; exit 1; }
done
exec python3 "$here/footprint.py" "$build"
