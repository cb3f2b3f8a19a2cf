#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A log too large is refused by its size before any of it is read: the
# converter under a bound of 300 MB of address space, which a log of 1 GB
# read whole would burst. AddressSanitizer reserves terabytes of address
# space for its shadow and cannot start under any such bound, so this runs
# in the normal build only.
# Usage: memory_bound.sh <pelikan-convert>
set -u
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && cd "$dir" || exit 1
truncate -s 1G large.txt
(ulimit -v 300000 && exec "$1" --callsign S59AAA --licence-year 1985 --category X --name J --street U \
  --postal-code-and-place P large.txt) >/dev/null 2>err
status=$?
[ "$status" = 1 ] && grep -qx "pelikan-convert: large.txt is larger than 64 MiB; no file written" err && exit 0
echo "FAILED: exit $status:" && cat err
exit 1
