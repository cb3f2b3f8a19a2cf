#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites the expected files of golden cases (tests/golden/<case>/) from
# what today's converter gives: list.txt, stderr.txt, status and the .cbr,
# from each of the case's logs (log.txt, log.adi, log.cabrillo; standard
# error for each, the rest shared, so that the last one writes it and
# `ctest -R golden` shows where the logs disagree). For a new case (a folder
# with a log and args) or after a change of behaviour. The converter is the thing under test: read every changed file
# (git diff) before committing it, or the test proves nothing.
# Usage: scripts/golden.sh CASE...   (names under tests/golden/)
# PELIKAN_BUILD names another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || { echo "usage: $0 CASE..." >&2; exit 2; }
build=${PELIKAN_BUILD:-build}
cmake --build "$build" -j2 --target pelikan-convert >/dev/null
for case in "$@"; do
  for log in log.txt log.adi log.cabrillo; do
    [ -f "tests/golden/$case/$log" ] || continue
    cmake -DCONVERTER="$PWD/$build/pelikan-convert" -DCASE_DIR="$PWD/tests/golden/$case" -DLOG="$log" \
      -DWORK_DIR="$PWD/$build/golden-update/$case/$log" -DUPDATE=ON -P tests/golden/run_case.cmake
  done
done
git status --short -- tests/golden
