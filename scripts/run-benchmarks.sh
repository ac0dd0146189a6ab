#!/usr/bin/env bash
# Runs every benchmark against a build and prints their figures (none asserts a time):
#   scripts/run-benchmarks.sh <build dir>
# Shorter runs for a quick look:
#   NORRID_SOAK_POLLS=1000 NORRID_FOOTPRINT_IDLE_SECONDS=60 scripts/run-benchmarks.sh build
# NORRID_FOOTPRINT_BACKENDS=software limits the footprint to one scene-graph backend.
set -euo pipefail
build=${1:?build directory}
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)

cmake --build "$build" --target bench_jiradecode bench_fakejira bench_monitor_soak bench_store_token bench_bare_tray \
  norrid_testapp -j "${JOBS:-$(nproc)}"

echo "== decoding of a 100-card board document"
"$build/bench/bench_jiradecode"
echo
echo "== monitor soak (${NORRID_SOAK_POLLS:-10000} polls)"
dbus-run-session -- "$here/tests/support/with-keyring.sh" "$build/bench/bench_monitor_soak"
echo
echo "== footprint of the running application (${NORRID_FOOTPRINT_IDLE_SECONDS:-600} s idle per backend)"
"$here/bench/footprint.sh" "$build"
