#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the conversion fuzzer with clang and its sanitizers, fuzzes for a
# bounded time (FUZZ_SECONDS, default 60) from the short seeds, then replays
# the long inputs, the kept regressions and everything the run found. A crash
# or a broken invariant fails the run; its input is kept in
# tests/fuzz/regressions/ to be committed, where the replay test picks it up.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"

[ -f build-fuzz/CMakeCache.txt ] ||
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DPELIKAN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2
[ "${1:-}" != --build-only ] || exit 0

# The conversions' files go to memory where there is a tmpfs: on ext4,
# finding an inode for each new file took a tenth of the run.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
fuzzer=(build-fuzz/tests/fuzz/convert_fuzzer -timeout=10 -rss_limit_mb=4096 -print_final_stats=1
        -artifact_prefix=tests/fuzz/regressions/)
# Inputs of up to 4 KiB run some twenty times as fast as the long ones and
# reach everything but the limits (a line over 32,767 bytes, more than
# 32,767 contacts): tests/fuzz/long holds those, replayed below. New corpus
# entries stay in the build folder; the seeds stay as they are.
mkdir -p build-fuzz/corpus
status=0
"${fuzzer[@]}" -max_total_time="$seconds" -max_len=4096 build-fuzz/corpus tests/fuzz/corpus \
  >build-fuzz/fuzz.log 2>&1 || status=$?
grep -E "^Done [0-9]+ runs|exec_per_sec|DONE" build-fuzz/fuzz.log || true
if [ "$status" -eq 0 ]; then
  echo "Replaying everything, the long inputs included:"
  "${fuzzer[@]}" -runs=0 build-fuzz/corpus tests/fuzz/corpus tests/fuzz/long tests/fuzz/regressions \
    >build-fuzz/replay.log 2>&1 || status=$?
  grep -E "INITED" build-fuzz/replay.log || true
fi
if [ "$status" -ne 0 ]; then
  tail -n 40 build-fuzz/fuzz.log build-fuzz/replay.log 2>/dev/null
  echo "The fuzzer found a failing input; it is in tests/fuzz/regressions/." >&2
fi
exit "$status"
