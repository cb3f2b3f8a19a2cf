#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the engine for WebAssembly into build-web/: build-web/pelikan-convert.js
# is the headless converter for node (node build-web/pelikan-convert.js --help),
# and `ctest --test-dir build-web` runs the golden cases through it.
# Installs what is missing with apt-get, like scripts/setup.sh: everything
# comes from Debian's packages.
#   WEB_CMAKE_ARGS  more options for the first configure (e.g.
#                   -DPELIKAN_WEB_SIMD=OFF), split at blanks
#   JOBS            jobs for the build (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-web

packages=(emscripten binaryen nodejs)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# em++ runs its JavaScript parts with node and needs Debian's node modules.
export NODE_PATH=/usr/share/nodejs

if [ ! -f "$build/CMakeCache.txt" ]; then
  # emcmake would have the tests run node with a flag node 20 refuses.
  # shellcheck disable=SC2086
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" ${WEB_CMAKE_ARGS:-} >/dev/null
fi
cmake --build "$build" -j"${JOBS:-2}"
