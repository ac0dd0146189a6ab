#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, seeded with the recorded Jira documents.
#   tests/fuzz/run-fuzzers.sh build-fuzz 60
# Configure that build first:
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DNORRID_FUZZ=ON
set -euo pipefail
build=${1:?build directory}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
targets=(fuzz_board_issues fuzz_quickfilter_page fuzz_jiradate fuzz_site_url fuzz_appcast)
cmake --build "$build" --target "${targets[@]}"
failed=0
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  case $target in
    fuzz_board_issues | fuzz_quickfilter_page) cp -n "$here"/../jira/data/*.json "$corpus"/ ;;
    fuzz_jiradate) printf '2024-03-05T14:07:09.123+0100' >"$corpus/seed" ;;
    fuzz_site_url) printf ' HTTP://Acme.atlassian.net/jira//\n' >"$corpus/seed" ;;
    fuzz_appcast) cp -n "$here"/../updates/data/*.xml "$corpus"/ ;;
  esac
  echo "== $target for ${seconds}s"
  log="$build/fuzz-$target.log"
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-artifacts-" "$corpus" >"$log" 2>&1; then
    failed=1
    echo "$target found a fault; see $log and $build/fuzz-artifacts-*"
  fi
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$log" || true
done
exit $failed
