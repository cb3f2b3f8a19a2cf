#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions of one whole pelikan-convert run on the engine benchmark's log
# (32,767 contacts), counted by callgrind: the whole process, and the
# conversion alone (ConvertLog, the list not yet printed). Unlike a time on a
# shared virtual machine, the count repeats to the instruction, so a change
# of a few per cent shows. glibc is held to its vector loops for copies and
# fills: callgrind counts every byte of a `rep movsb` or `rep stosb` as an
# instruction of its own, which a processor does not take as long for.
#   BUILD_DIR  the build folder (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
command -v valgrind >/dev/null || { echo "instructions.sh: needs valgrind" >&2; exit 2; }

# The benchmarks are built only when asked for.
cmake -S . -B "$build" -DPELIKAN_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target pelikan-convert convert_bench >/dev/null
work="$(mktemp -d)"
memory="$(mktemp -d -p /dev/shm)"
trap 'rm -rf "$work" "$memory"' EXIT
"$build/bench/engine/convert_bench" --write-log "$work/log.txt"

GLIBC_TUNABLES=glibc.cpu.x86_rep_movsb_threshold=4294967295:glibc.cpu.x86_rep_stosb_threshold=4294967295 \
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
  "$build/pelikan-convert" --callsign S59AAA --licence-year 1985 --category "SINGLE-OP 80M LOW CW" \
  --name "Janez Novak" --street "Ulica 1" --postal-code-and-place "1000 Ljubljana" \
  --output-dir "$memory" "$work/log.txt" >/dev/null 2>"$work/valgrind.txt"

callgrind_annotate --inclusive=yes "$work/callgrind.out" 2>/dev/null |
  awk '/PROGRAM TOTALS/ { gsub(",", "", $1); total = $1 }
       /pelikan::ConvertLog\(/ && !engine { gsub(",", "", $1); engine = $1 }
       END {
         printf "whole run:  %13d instructions\n", total
         printf "ConvertLog: %13d instructions\n", engine
       }'
