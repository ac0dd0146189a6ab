#!/usr/bin/env bash
# What `norrid status` costs against the running application (see command_line.py):
#   bench/command_line.sh <build dir>
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for target in src/shell/norrid tests/support/norrid_testapp bench/bench_fakejira bench/bench_store_token; do
  [ -x "$build/$target" ] || { echo "command_line.sh: $build/$target is not built" >&2; exit 1; }
done
exec python3 "$here/command_line.py" "$build"
