#!/usr/bin/env bash
# Runs the fuzz targets of build/fuzz one after the other, each from its seed corpus.
#   fuzz/run.sh [SECONDS | -runs=N] [TARGET...]     (default: 60 seconds each, every target)
# New inputs go to build/fuzz/corpus/<target>; a finding is kept as
# build/fuzz/findings/<target>/crash-* (or timeout-*, oom-*) and makes the script fail.
# FUZZ_MAX_LEN (default 64 bytes, about a dozen actions) bounds the length of an input.
set -uo pipefail
cd "$(dirname "$0")/.."

limit=${1:-60}
[ $# -gt 0 ] && shift
if [[ $limit == -runs=* ]]; then bound=("$limit"); else bound=("-max_total_time=$limit"); fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in build/fuzz/fuzz/fuzz_*; do
    [ -x "$binary" ] && targets+=("${binary##*/fuzz_}")
  done
fi
[ ${#targets[@]} -eq 0 ] && { echo "no fuzz targets: build the fuzz preset first" >&2; exit 2; }

failed=()
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  log=build/fuzz/logs/$target.log
  mkdir -p "$work" "$findings" "$(dirname "$log")" "fuzz/corpus/$target"
  start=$(date +%s)
  nice -n 10 "build/fuzz/fuzz/fuzz_$target" "${bound[@]}" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${FUZZ_MAX_LEN:-64}" -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" "fuzz/corpus/$target" >"$log" 2>&1
  status=$?
  seconds=$(( $(date +%s) - start ))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -eq 0 ]; then
    printf '%-20s %10s inputs in %5s s, no finding\n' "$target" "${runs:-?}" "$seconds"
  else
    printf '%-20s FINDING after %s s (exit %s): see %s\n' "$target" "$seconds" "$status" "$log"
    grep -m1 -A3 '\*\*\* FINDING\|ERROR: \(AddressSanitizer\|libFuzzer\|UndefinedBehavior\)\|runtime error' "$log"
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "findings in: ${failed[*]}"; exit 1; }
