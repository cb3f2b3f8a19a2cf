#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program itself, started as from the menu on an X display of its own:
# its window shows, under its title.
# Usage: program.sh <pelikan>
set -u
[ "${1:-}" = --inside-xvfb ] || exec xvfb-run -a "$0" --inside-xvfb "$@"
home=$(mktemp -d) pid=
trap '[ -n "$pid" ] && kill "$pid"; rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb "$2" & pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Pelikan Write by QAZMIX 07$' >/dev/null ||
  { echo "FAILED: no window of the program"; exit 1; }
