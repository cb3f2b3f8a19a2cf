#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# pelikan-convert where a golden case cannot reach: special files, a full
# standard output, permissions, legacy path encodings, a missing option value.
# Usage: cli.sh <pelikan-convert>
set -u
conv=$1
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && chmod 777 "$dir" && cd "$dir" || exit 1
required=(--callsign s59aaa --licence-year 1985 --category "SINGLE-OP 80M LOW CW" --name Janez
          --street "Ulica 1" --postal-code-and-place "1000 Ljubljana")
contact="80 CW 2007-03-04 06:01 S57BBB 599 599 1990"
failed=0
# expect STATUS MESSAGE COMMAND...: the exit status and a line of standard error.
expect() {
  local status=$1 message=$2
  shift 2
  "$@" >out 2>err
  local got=$?
  if [ "$got" != "$status" ] || ! grep -qxF -- "$message" err; then
    echo "FAILED: $* gave $got, expected $status and \"$message\":" && cat err && failed=1
  fi
}
# Root reads and writes anything: run as nobody for the permission checks.
nobody() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi; }

printf '%s\n' "$contact" >log.txt
mkfifo fifo && truncate -s 1G large.txt
expect 1 "pelikan-convert: fifo is not a regular file; no file written" "$conv" "${required[@]}" fifo
expect 1 "pelikan-convert: /dev/zero is not a regular file; no file written" "$conv" "${required[@]}" /dev/zero
expect 1 "pelikan-convert: large.txt is larger than 64 MiB; no file written" "$conv" "${required[@]}" large.txt
expect 2 "pelikan-convert: Missing value after '--soapbox'." "$conv" log.txt "${required[@]}" --soapbox
expect 2 "pelikan-convert: no LOGFILE given" "$conv" "${required[@]}"
[ ! -e S59AAA.cbr ] || { echo "FAILED: a file was written"; failed=1; }
expect 0 "Usage: pelikan-convert [options] LOGFILE" sh -c '"$0" --help >&2' "$conv"

expect 4 "pelikan-convert: the Cabrillo file was written, but standard output failed: No space left on device" \
  sh -c '"$0" "$@" >/dev/full' "$conv" "${required[@]}" log.txt
tail -c 13 S59AAA.cbr | grep -q "^END-OF-LOG:" || { echo "FAILED: no whole file beside a full output"; failed=1; }

echo old >S59AAA.cbr
seq 0 32767 | sed 's/.*/80 CW 2007-03-04 0601 S5& 599 599 1/' >many.txt
expect 1 "pelikan-convert: many.txt holds more than 32767 contacts; no file written" "$conv" "${required[@]}" many.txt
# The list goes out up to the stop: the header and every contact read.
[ "$(cat S59AAA.cbr)" = old ] && [ "$(wc -l <out)" = 32783 ] || { echo "FAILED: old file or list"; failed=1; }

# Paths are taken byte for byte; the file name is UTF-8, as the system names files.
mkdir $'out\xe8' && printf '%s\n' "$contact" >$'l\xe8g.txt'
expect 0 "Obdelani so 1 zapisi" "$conv" "${required[@]}" --callsign $'s5\xc4\x8d/p' --output-dir $'out\xe8' $'l\xe8g.txt'
grep -q $'^CALLSIGN: S5\xc8/P\r$' $'out\xe8/S5\xc4\x8c_P.cbr' || { echo "FAILED: legacy paths"; failed=1; }

mkdir locked shared && chmod 755 locked && chmod 777 shared && echo "root's" >shared/S59AAA.cbr
expect 1 "pelikan-convert: cannot write locked/S59AAA.cbr: Permission denied; no file written" \
  nobody "$conv" "${required[@]}" --output-dir locked log.txt
[ "$(id -u)" != 0 ] || expect 1 "pelikan-convert: cannot write shared/S59AAA.cbr: Permission denied; no file written" \
  nobody "$conv" "${required[@]}" --output-dir shared log.txt
chmod 000 log.txt
expect 1 "pelikan-convert: cannot read the log log.txt: Permission denied" nobody "$conv" "${required[@]}" log.txt
[ -z "$(ls -A locked)" ] && [ "$(cat shared/S59AAA.cbr)" = "root's" ] && ! grep -q QSO: out ||
  { echo "FAILED: a refused run left a trace"; failed=1; }
exit $failed
