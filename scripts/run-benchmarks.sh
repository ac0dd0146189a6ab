#!/usr/bin/env bash
# Runs every benchmark against a build and prints their figures (none asserts a time):
#   scripts/run-benchmarks.sh <build dir>
# Shorter runs for a quick look:
#   NORRID_SOAK_POLLS=1000 NORRID_FOOTPRINT_IDLE_SECONDS=60 NORRID_REJECTED_SECONDS=120 scripts/run-benchmarks.sh build
# NORRID_FOOTPRINT_BACKENDS=software limits the footprint to one scene-graph backend.
set -euo pipefail
build=${1:?build directory}
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)

cmake --build "$build" --target bench_jiradecode bench_update_install bench_fakejira bench_monitor_soak bench_store_token bench_bare_tray bench_tray_churn \
  bench_polling_faults bench_keyring_wait norrid_testapp norrid -j "${JOBS:-$(nproc)}"

echo "== decoding of a 100-card board document"
"$build/bench/bench_jiradecode"
echo
echo "== installing a 5 MB update, from Install to the installer"
"$build/bench/bench_update_install"
echo
echo "== monitor soak (${NORRID_SOAK_POLLS:-10000} polls)"
dbus-run-session -- "$here/tests/support/with-keyring.sh" "$build/bench/bench_monitor_soak"
echo
echo "== polling faults: locked keyring, a save mid-poll, a rejected token (${NORRID_REJECTED_SECONDS:-600} s)"
dbus-run-session -- "$here/tests/support/with-keyring.sh" "$build/bench/bench_polling_faults"
echo
echo "== the GUI thread while the keyring takes 3 s to answer"
dbus-run-session -- "$here/tests/support/with-keyring.sh" "$build/bench/bench_keyring_wait"
echo
echo "== tray icon soak (${NORRID_TRAY_UPDATES:-10000} updates, Xvfb with trayer)"
xvfb-run -a -s "-screen 0 1280x800x24" sh -c 'trayer --edge top --align right --widthtype request --height 24 \
  >/dev/null 2>&1 & sleep 1; "$0"' "$build/bench/bench_tray_churn"
echo
echo "== footprint of the running application (${NORRID_FOOTPRINT_IDLE_SECONDS:-600} s idle per backend)"
"$here/bench/footprint.sh" "$build"
echo
echo "== the command line against the running application: norrid status, and requests while bars read"
"$here/bench/command_line.sh" "$build"
echo
echo "== CPU per poll of the running application beside a curl+jq+notify-send script (${NORRID_POLL_COST_POLLS:-10} polls)"
"$here/bench/poll_cost.sh" "$build"
