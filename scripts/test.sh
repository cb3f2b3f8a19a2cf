#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds, and runs the whole test suite: every test
# (engine, converter, window) under AddressSanitizer and UBSan, a bounded
# fuzzing run, every test of the normal build, packaging included, and the
# browser edition: the golden cases through the converter in node, the
# page's bindings and the page in Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/format.sh --check
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

echo "== The browser edition: the converter in node, the bindings, the page in Chromium"
scripts/web.sh
# playwright-core as the lock file pins it; it drives Debian's Chromium and
# downloads no browser of its own.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
for tool in chromium npm; do
  command -v "$tool" >/dev/null || { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$tool"; }
done
npm ci --no-audit --no-fund --loglevel=error
ctest --test-dir build-web --output-on-failure -j2
