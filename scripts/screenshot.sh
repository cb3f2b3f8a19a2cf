#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window under Xvfb and saves a picture of it.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default: docs/window.png)
# Needs a built program (scripts/build.sh); PELIKAN names another one.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside-xvfb" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside-xvfb "$@"
fi
shift
out=${1:-docs/window.png}
program=${PELIKAN:-build/pelikan}

# Qt's own widgets and fonts, whatever desktop the caller runs.
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION QT_QPA_PLATFORMTHEME=generic "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Pelikan Write' | head -n 1)
sleep 1  # the first paint
import -window "$window" "$out"
echo "saved $out"
