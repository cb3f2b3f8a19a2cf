#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing, builds, and runs every test once:
# 1. every C++ suite (contest, engine, converter, golden cases, window)
#    under AddressSanitizer and UBSan;
# 2. a bounded fuzzing run, which replays the fuzz corpus too;
# 3. in the normal build, what the sanitizers cannot run: the package and
#    install checks, the memory bound, and the golden cases and engine tests
#    again, since only this build has the SSE2 field splitter that ships;
# 4. the browser edition: the golden cases through the converter in node,
#    the page's bindings and the page in Chromium.
# The benchmarks are not built. One suite alone: see the README.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/format.sh --check
# Each step says how far into the run it starts.
step() { echo "== $* ($((SECONDS / 60))m$((SECONDS % 60))s)"; }

step "Every suite, sanitized"
# Configured every time, so that a folder left from an engine-only build
# takes the whole project.
cmake -S . -B build-asan -DPELIKAN_SANITIZE=ON -DPELIKAN_ENGINE_ONLY=OFF -DPELIKAN_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j2
# The fuzz run below replays the corpus.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2 -E '^fuzz\.replay$'

step "Fuzzing for ${FUZZ_SECONDS:-60} seconds, and the browser edition built meanwhile"
# The fuzzer runs on one core: the WebAssembly build takes the other.
scripts/fuzz.sh --build-only
scripts/fuzz.sh &
fuzzing=$!
JOBS=1 scripts/web.sh >build-web.log 2>&1 || { cat build-web.log; exit 1; }
wait "$fuzzing"

step "What ships: the package, the installed tree, the memory bound, the SSE2 splitter"
cmake -S . -B build -DPELIKAN_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2 -L shipped

step "The browser edition: the converter in node, the bindings, the page in Chromium"
# playwright-core as the lock file pins it; it drives Debian's Chromium and
# downloads no browser of its own.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
for tool in chromium npm; do
  command -v "$tool" >/dev/null || { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$tool"; }
done
npm ci --no-audit --no-fund --loglevel=error
ctest --test-dir build-web --output-on-failure -j2
step "Done"
