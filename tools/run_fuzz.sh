#!/usr/bin/env bash
# Runs one libFuzzer target for a number of seconds: tools/run_fuzz.sh TARGET [SECONDS]
# Starts from the committed seeds (tests/fuzz/corpus/<name>, never written to) plus what earlier runs found
# (build/fuzz/corpus/<name>, which receives the new inputs). A failing input is saved to
# build/fuzz/findings/<name>/ and the run fails. Ends with one line: executions, speed, corpus size.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=${1:?usage: run_fuzz.sh TARGET [SECONDS]}
seconds=${2:-300}
name=$(basename "$target")
seeds=$root/tests/fuzz/corpus/$name
work=$root/build/fuzz/corpus/$name
findings=$root/build/fuzz/findings/$name
mkdir -p "$work" "$findings"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

code=0
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1 || code=$?

runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n 1)
speed=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+).*/\1/p' "$log" | tail -n 1)
units=$(find "$work" -type f | wc -l)
if ((code != 0)); then
    # The finding itself: the sanitizer's or the property's report and the saved input.
    grep -vE '^(#[0-9]+|INFO:|stat::)' "$log" | tail -n 60 >&2
fi
echo "fuzz $name: ${runs:-0} executions in ${seconds} s (${speed:-0}/s), corpus $units inputs, exit $code"
exit "$code"
