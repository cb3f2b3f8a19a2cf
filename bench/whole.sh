#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process speed, side by side in one hyperfine run on the log at the
# contact limit (the engine benchmark's log, 1.5 MB): pelikan-convert against
# its own start-up (--help) and against a one-pass awk reformat of the same
# log, the script a user might write instead. Prints both ratios. The
# converter runs a second time with its file written to memory (tmpfs in
# /dev/shm), where syncing costs nothing: the difference between the two is
# what the disk takes to make the write safe.
#   BUILD_DIR     the build folder (default build)
#   REFORMAT_AWK  the awk script (default bench/reformat.awk)
#   AWK           the awk to run it with (default awk)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
reformat="${REFORMAT_AWK:-bench/reformat.awk}"
awk="${AWK:-awk}"
[ -f "$reformat" ] || { echo "whole.sh: no awk script at $reformat (set REFORMAT_AWK)" >&2; exit 2; }

# The benchmarks are built only when asked for.
cmake -S . -B "$build" -DPELIKAN_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target pelikan-convert convert_bench >/dev/null
work="$(mktemp -d)"
memory="$(mktemp -d -p /dev/shm)"
trap 'rm -rf "$work" "$memory"' EXIT
"$build/bench/engine/convert_bench" --write-log "$work/log.txt"

# hyperfine -N splits a command line like a shell; %q keeps odd paths whole.
quote() { printf '%q ' "$@"; }
convert_into() {
  quote "$build/pelikan-convert" --callsign S59AAA --licence-year 1985 --category "SINGLE-OP 80M LOW CW" \
    --name "Janez Novak" --street "Ulica 1" --postal-code-and-place "1000 Ljubljana" \
    --output-dir "$1" "$work/log.txt"
}
startup="$(quote "$build/pelikan-convert" --help)"
reformat_run="$(quote "$awk" -f "$reformat" "$work/log.txt")"

hyperfine -N --warmup 5 --export-csv "$work/times.csv" \
  -n pelikan-convert "$(convert_into "$work")" -n "pelikan-convert --help" "$startup" \
  -n "awk reformat" "$reformat_run" -n "pelikan-convert (file in memory)" "$(convert_into "$memory")"

# Means from the CSV, in the order the commands were given.
awk -F, 'NR > 1 { mean[NR - 1] = $2 }
  END {
    printf "pelikan-convert / awk reformat: %.2f (goal at most 0.4)\n", mean[1] / mean[3]
    printf "pelikan-convert / its start-up: %.2f (goal at most 6)\n", mean[1] / mean[2]
    printf "the same with the file in memory: %.2f of awk, %.2f start-ups\n", mean[4] / mean[3], mean[4] / mean[2]
  }' "$work/times.csv"
