#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the conversion fuzzer with clang and its sanitizers and runs it for a
# bounded time (FUZZ_SECONDS, default 60) from the seed corpus. A crash or a
# broken invariant fails the run; its input is kept in tests/fuzz/regressions/
# to be committed, where the replay test picks it up.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"

[ -f build-fuzz/CMakeCache.txt ] ||
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DPELIKAN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

# New corpus entries stay in the build folder; the seeds stay as they are.
mkdir -p build-fuzz/corpus
status=0
build-fuzz/tests/fuzz/convert_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
  -artifact_prefix=tests/fuzz/regressions/ build-fuzz/corpus tests/fuzz/corpus \
  >build-fuzz/fuzz.log 2>&1 || status=$?
grep -E "^Done [0-9]+ runs" build-fuzz/fuzz.log || true
if [ "$status" -ne 0 ]; then
  tail -n 40 build-fuzz/fuzz.log
  echo "The fuzzer found a failing input; it is in tests/fuzz/regressions/." >&2
fi
exit "$status"
