#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds, and runs the whole test suite: every test
# (engine, converter, window) under AddressSanitizer and UBSan, a bounded
# fuzzing run, and every test of the normal build, packaging included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

echo "== Sanitized suite"
# Configured every time, so that a folder left from an engine-only build
# takes the whole project. The package and install checks run in the
# normal build only: what is shipped is that build.
cmake -S . -B build-asan -DPELIKAN_SANITIZE=ON -DPELIKAN_ENGINE_ONLY=OFF -DPELIKAN_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing for ${FUZZ_SECONDS:-60} seconds"
scripts/fuzz.sh

echo "== Full suite"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
