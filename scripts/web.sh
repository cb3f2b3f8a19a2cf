#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the engine for WebAssembly into build-web/: build-web/pelikan-convert.js
# is the headless converter for node (node build-web/pelikan-convert.js --help),
# and `ctest --test-dir build-web` runs the golden cases through it.
# Installs what is missing with apt-get, like scripts/setup.sh. Debian has no
# Abseil for WebAssembly: its source package is fetched once into
# build-web/abseil, through a sources list and apt state of this script's own
# (the system's sources stay as they are), and built along with the project.
#   WEB_CMAKE_ARGS  more options for the first configure (e.g.
#                   -DPELIKAN_WEB_SIMD=OFF), split at blanks
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-web

packages=(emscripten binaryen nodejs dpkg-dev patch)
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

# Abseil's Debian source, the version the native build links where it has one.
absl="$build/abseil"
if [ ! -f "$absl/.ready" ]; then
  apt_dir="$PWD/$build/apt"
  rm -rf "$absl" "$apt_dir"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/source"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # The mirrors the system's own sources use, for this release and its
  # security updates.
  mirrors=$(apt-cache policy | awk -v main="$codename/main" -v security="$codename-security/main" \
    '($3 == main || $3 == security) && $2 ~ /^https?:/ && !seen[$2 $3]++ { print $2, $3 }')
  [ -n "$mirrors" ] || { echo "web.sh: no Debian mirror in the system's sources" >&2; exit 1; }
  while read -r uri suite; do
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri ${suite%/main} main"
  done <<<"$mirrors" >"$apt_dir/sources.list"
  apt=(-qq -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
       -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o APT::Sandbox::User=root)
  apt-get "${apt[@]}" update
  version=$(dpkg-query -W -f='${source:Version}' libabsl-dev 2>/dev/null || true)
  (cd "$apt_dir/source" && apt-get "${apt[@]}" source "abseil${version:+=$version}" >/dev/null)
  mv "$apt_dir"/source/abseil-*/ "$absl"
  rm -rf "$apt_dir"
  # Debian links every Abseil library with libatomic through GNU ld's
  # options; WebAssembly has its atomics built in and wasm-ld neither option.
  patch -R -s -d "$absl" -p1 <"$absl/debian/patches/latomic.diff"
  touch "$absl/.ready"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  # emcmake would have the tests run node with a flag node 20 refuses.
  # shellcheck disable=SC2086
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
    -DPELIKAN_ABSL_SOURCE="$PWD/$absl" -DABSL_PROPAGATE_CXX_STD=ON ${WEB_CMAKE_ARGS:-} >/dev/null
fi
cmake --build "$build" -j2
