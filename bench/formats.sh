#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole pelikan-convert process on the benchmark log at the contact limit
# in its three forms, side by side in one hyperfine run: the printed
# listing, a Cabrillo export and an ADIF export of the same contacts, which
# give the same Cabrillo file. Prints each export's time against the
# listing's (goal at most 1.5).
#   BUILD_DIR  the build folder (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"

# The benchmarks are built only when asked for.
cmake -S . -B "$build" -DPELIKAN_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target pelikan-convert convert_bench >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
commands=()
for form in listing cabrillo adif; do
  "$build/bench/engine/convert_bench" --write-log "$work/$form.log" "$form"
  mkdir "$work/$form"
  # hyperfine -N splits a command line like a shell; %q keeps odd paths whole.
  commands+=(-n "$form" "$(printf '%q ' "$build/pelikan-convert" --callsign S59AAA --licence-year 1985 \
    --category "SINGLE-OP 80M LOW CW" --name "Janez Novak" --street "Ulica 1" \
    --postal-code-and-place "1000 Ljubljana" --output-dir "$work/$form" "$work/$form.log")")
done
hyperfine -N --warmup 5 --runs "${RUNS:-40}" --export-csv "$work/times.csv" "${commands[@]}"
cmp -s "$work/listing/S59AAA.cbr" "$work/cabrillo/S59AAA.cbr" && cmp -s "$work/listing/S59AAA.cbr" "$work/adif/S59AAA.cbr" ||
  { echo "formats.sh: the three forms gave different files" >&2; exit 1; }
ls -l "$work"/*.log | awk '{ printf "%-10s %9d bytes\n", substr($NF, match($NF, /[a-z]+\.log$/)), $5 }'
awk -F, 'NR > 1 { mean[NR - 1] = $2; median[NR - 1] = $5 }
  END {
    printf "Cabrillo / listing: %.2f (median %.2f; goal at most 1.5)\n", mean[2] / mean[1], median[2] / median[1]
    printf "ADIF / listing:     %.2f (median %.2f; goal at most 1.5)\n", mean[3] / mean[1], median[3] / median[1]
  }' "$work/times.csv"
