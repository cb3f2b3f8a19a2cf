#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds, and runs the whole test suite: the engine
# under AddressSanitizer and UBSan, a bounded fuzzing run, and every test
# (engine, converter, window) of the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

echo "== Sanitized engine suite"
[ -f build-asan/CMakeCache.txt ] ||
  cmake -S . -B build-asan -DPELIKAN_SANITIZE=ON -DPELIKAN_ENGINE_ONLY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing for ${FUZZ_SECONDS:-60} seconds"
scripts/fuzz.sh

echo "== Full suite"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
