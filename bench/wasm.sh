#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The WebAssembly engine against the native one, side by side, on the log at
# the contact limit (the engine benchmark's log, 1.5 MB).
# First the engine's own time, without node's start-up or the disk:
# engine_time converts the log in memory RUNS times per round, native and
# wasm taking turns for ROUNDS rounds, so that a slow patch of this virtual
# machine falls on both; the ratio is that of the medians of the rounds.
# Then the whole processes in one hyperfine run: pelikan-convert, the same
# through node, and node's start-up with the module (--help).
# Prints the module's size too.
#   BUILD_DIR      the native build folder (default build)
#   WEB_BUILD_DIR  the WebAssembly build folder (default build-web, made by scripts/web.sh)
#   ROUNDS, RUNS   default 7 and 30
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
web="${WEB_BUILD_DIR:-build-web}"
rounds="${ROUNDS:-7}"
runs="${RUNS:-30}"

# The benchmarks are built only when asked for.
cmake -S . -B "$build" -DPELIKAN_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target pelikan-convert convert_bench engine_time >/dev/null
NODE_PATH=/usr/share/nodejs cmake -S . -B "$web" -DPELIKAN_BENCH=ON >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$web" -j2 --target pelikan-convert engine_time >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/engine/convert_bench" --write-log "$work/log.txt"

printf 'module: %s bytes of wasm, %s bytes of JavaScript\n' \
  "$(stat -c %s "$web/pelikan-convert.wasm")" "$(stat -c %s "$web/pelikan-convert.js")"

# engine_time prints "... median M ms, ...": the median of one round.
median_of() { sed -n 's/.*median \([0-9.]*\) ms.*/\1/p'; }
for ((round = 1; round <= rounds; ++round)); do
  native=$("$build/bench/engine_time/engine_time" "$work/log.txt" "$runs" | median_of)
  wasm=$(node "$web/bench/engine_time/engine_time.js" "$work/log.txt" "$runs" | median_of)
  printf 'round %d: native %s ms, wasm %s ms\n' "$round" "$native" "$wasm"
  echo "$native $wasm" >>"$work/rounds"
done
sort -n -k1,1 "$work/rounds" | awk '{ n[NR] = $1 } END { print n[int((NR + 1) / 2)] }' >"$work/native"
sort -n -k2,2 "$work/rounds" | awk '{ w[NR] = $2 } END { print w[int((NR + 1) / 2)] }' >"$work/wasm"
awk -v native="$(cat "$work/native")" -v wasm="$(cat "$work/wasm")" 'BEGIN {
  printf "engine, one conversion in memory: native %.2f ms, wasm %.2f ms, wasm / native %.2f (goal at most 1.5)\n",
    native, wasm, wasm / native }'

# hyperfine -N splits a command line like a shell; %q keeps odd paths whole.
quote() { printf '%q ' "$@"; }
options=(--callsign S59AAA --licence-year 1985 --category "SINGLE-OP 80M LOW CW" --name "Janez Novak"
         --street "Ulica 1" --postal-code-and-place "1000 Ljubljana")
mkdir "$work/native-out" "$work/wasm-out"
hyperfine -N --warmup 3 --export-csv "$work/times.csv" \
  -n pelikan-convert "$(quote "$build/pelikan-convert" "${options[@]}" --output-dir "$work/native-out" "$work/log.txt")" \
  -n "node pelikan-convert.js" "$(quote node "$web/pelikan-convert.js" "${options[@]}" --output-dir "$work/wasm-out" "$work/log.txt")" \
  -n "node pelikan-convert.js --help" "$(quote node "$web/pelikan-convert.js" --help)"
cmp -s "$work/native-out/S59AAA.cbr" "$work/wasm-out/S59AAA.cbr" || { echo "wasm.sh: the two files differ" >&2; exit 1; }
awk -F, 'NR > 1 { mean[NR - 1] = $2 }
  END {
    printf "whole process: node / native %.2f; without node'\''s start-up (--help) %.2f\n",
      mean[2] / mean[1], (mean[2] - mean[3]) / mean[1]
  }' "$work/times.csv"
