#!/usr/bin/env bash
# CPU per poll of the running application beside a curl+jq+notify-send script (see poll_cost.py):
#   bench/poll_cost.sh <build dir>
#   NORRID_POLL_COST_POLLS=4 bench/poll_cost.sh build     a shorter run
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb trayer xdotool dbus-daemon gnome-keyring-daemon curl jq notify-send python3; do
  command -v "$tool" >/dev/null || { echo "poll_cost.sh: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
done
for target in tests/support/norrid_testapp bench/bench_fakejira bench/bench_store_token; do
  [ -x "$build/$target" ] || { echo "poll_cost.sh: $build/$target is not built" >&2; exit 1; }
done
exec python3 "$here/poll_cost.py" "$build"
