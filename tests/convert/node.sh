#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# pelikan-convert.js where node's file layer under emscripten differs from
# the system's: the modes of a new and of a replaced file (umask), a second
# run into the same folder, a FIFO as the log (must not hang), and a file the
# user may not write (must not be replaced).
# Usage: node.sh <node> <pelikan-convert.js>
set -u
node=$1 conv=$2
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && chmod 777 "$dir" && cd "$dir" || exit 1
failed=0
fail() { echo "FAILED: $*:" && cat err && failed=1; }
# run [PREFIX...] -- OPTIONS...: the converter with the required options.
run() {
  local prefix=() && while [ "$1" != -- ]; do prefix+=("$1") && shift; done && shift
  "${prefix[@]}" "$node" "$conv" --callsign s59aaa --licence-year 1985 --category X --name J --street U \
    --postal-code-and-place P "$@" >/dev/null 2>err
}

echo "80 CW 2007-03-04 06:01 S57BBB 599 599 1990" >log.txt
(umask 022 && run -- log.txt) && [ "$(stat -c %a S59AAA.cbr)" = 644 ] || fail "a new file under umask 022"
(umask 077 && run -- --callsign s5x log.txt) && [ "$(stat -c %a S5X.cbr)" = 600 ] || fail "a new file under umask 077"
chmod 6775 S59AAA.cbr && run -- log.txt && [ "$(stat -c %a S59AAA.cbr)" = 775 ] || fail "a second run, replacing"
mkfifo fifo
run timeout 20 -- fifo
[ $? = 1 ] && grep -q "fifo is not a regular file" err || fail "a FIFO as the log"
if [ "$(id -u)" = 0 ]; then
  # nobody's converter is a copy in the shared folder: the build tree may
  # lie in a home folder that nobody may enter.
  mkdir shared && chmod 777 shared && echo "root's" >shared/S59AAA.cbr
  cp "$conv" "${conv%.js}.wasm" . && conv=$PWD/$(basename "$conv")
  run setpriv --reuid=65534 --regid=65534 --clear-groups -- --output-dir shared log.txt
  [ $? = 1 ] && grep -q "Permission denied" err && [ "$(cat shared/S59AAA.cbr)" = "root's" ] ||
    fail "another user's file in a shared folder"
fi
exit $failed
