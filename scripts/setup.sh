#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the project needs, when any is missing.
set -euo pipefail

packages=(
  cmake g++ make clang-14 libclang-rt-14-dev clang-format-14
  qt6-base-dev qt6-qpa-plugins qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev hyperfine valgrind
  xdg-utils libglib2.0-bin strace time
  xvfb xauth xdotool imagemagick fonts-dejavu-core poppler-utils
  help2man dpkg-dev lintian appstream desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
