#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# pelikan-convert where a golden case cannot reach: special files, a full
# standard output, permissions, legacy path encodings, a missing option value.
# Run in the sanitized build, as every suite; memory_bound.sh is its part
# that only an unsanitized converter can run.
# Usage: cli.sh <pelikan-convert>
set -u
conv=$1
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && chmod 777 "$dir" && cd "$dir" || exit 1
required=(--callsign s59aaa --licence-year 1985 --category "SINGLE-OP 80M LOW CW" --name Janez
          --street "Ulica 1" --postal-code-and-place "1000 Ljubljana")
failed=0
# expect STATUS MESSAGE COMMAND...: the exit status and a line of standard
# error, "pelikan-convert: " MESSAGE for a failure.
expect() {
  local status=$1 message=$2 && shift 2
  [ "$status" = 0 ] || message="pelikan-convert: $message"
  "$@" >out 2>err
  local got=$? && [ "$got" = "$status" ] && grep -qxF -- "$message" err ||
    { echo "FAILED: $* gave $got, expected $status and \"$message\":" && cat err && failed=1; }
}
# The converter with the required options; as nobody for the permission
# checks, since root reads and writes anything.
run() { "$conv" "${required[@]}" "$@"; }
# A copy of its own in the shared folder: the build tree may lie in a home
# folder that nobody may enter.
nobody() {
  local as=() && [ "$(id -u)" != 0 ] || as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  cp -n "$conv" ./converter && "${as[@]}" ./converter "${required[@]}" "$@"
}

echo "80 CW 2007-03-04 06:01 S57BBB 599 599 1990" >log.txt
mkfifo fifo && truncate -s 1G large.txt && truncate -s 64M exact.txt
seq 0 32767 | sed 's/.*/80 CW 2007-03-04 0601 S5& 599 599 1/' >many.txt && sed 1d many.txt >most.txt
expect 1 "fifo is not a regular file; no file written" run fifo
expect 1 "/dev/zero is not a regular file; no file written" run /dev/zero
# Refused by its size before any of it is read (memory_bound.sh holds it to
# 300 MB, which a sanitized converter cannot start under).
expect 1 "large.txt is larger than 64 MiB; no file written" run large.txt
expect 1 "line 1 of exact.txt is longer than 32767 bytes; no file written" run exact.txt
# A log of lone CRs is searched once, not once a line: 16 MiB of them took hours.
head -c 16M /dev/zero | tr '\0' '\r' >crs.txt
expect 0 "Obdelani so 0 zapisi" timeout 60 "$conv" "${required[@]}" --check crs.txt
# A line without an end at the bound costs no more memory than one with an
# end: no second copy of the log (it used to take 65 MB more).
peak() { /usr/bin/time -o peak -f %M "$conv" "${required[@]}" "$1" >/dev/null 2>&1; tail -n 1 peak; }
{ head -c 67108863 exact.txt && echo; } >ended.txt
[ "$(peak exact.txt)" -lt $(($(peak ended.txt) + 20000)) ] || { echo "FAILED: a 64 MiB last line's peak"; failed=1; }
expect 1 "cannot read the log /: Is a directory; no file written" run /
expect 1 "cannot read the log gone.txt: No such file or directory; no file written" run gone.txt
expect 2 "Missing value after '--soapbox'." "$conv" log.txt "${required[@]}" --soapbox
expect 2 "no LOGFILE given" "$conv" "${required[@]}"
[ ! -e S59AAA.cbr ] || { echo "FAILED: a file was written"; failed=1; }
expect 0 "Usage: pelikan-convert [options] LOGFILE" sh -c '"$0" --help >&2' "$conv"
# The log is never the file written: last year's S59AAA.cbr chosen beside
# the output, under its own name or another way there, stays as it was.
run log.txt >/dev/null 2>&1 && cp S59AAA.cbr entry.cbr && mkdir -p sub
for name in S59AAA.cbr ./S59AAA.cbr sub/../S59AAA.cbr "$dir/S59AAA.cbr"; do
  expect 1 "the log $name is the Cabrillo file to be written, and would be lost; no file written" run "$name"
done
cmp -s S59AAA.cbr entry.cbr || { echo "FAILED: the log written over"; failed=1; }
expect 0 "Obdelani so 1 zapisi" run --output-dir sub S59AAA.cbr

expect 4 "the Cabrillo file was written, but standard output failed: No space left on device" \
  sh -c '"$0" "$@" >/dev/full' "$conv" "${required[@]}" log.txt
tail -c 13 S59AAA.cbr | grep -q "^END-OF-LOG:" || { echo "FAILED: no whole file beside a full output"; failed=1; }
# A folder that cannot be synced after the write: written, with a warning.
# (LeakSanitizer cannot run under strace's ptrace.)
expect 3 "warning: ./S59AAA.cbr was written, but its folder could not be synced (Input/output error): a power cut may still bring back the old file" \
  env ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null -e inject=fsync:error=EIO "$conv" "${required[@]}" --strict log.txt
expect 4 "the Cabrillo file was written, but standard output failed: Broken pipe" \
  bash -c '"$0" "$@" | true; exit "${PIPESTATUS[0]}"' "$conv" "${required[@]}" most.txt

# Killed at the rename, by any signal: the old file stays and no temporary
# file is left, or one left by a SIGKILL goes with the next run (a FIFO under
# such a name is not ours and stays). A link in the target's place is
# replaced, not followed, with the umask's mode.
echo old >S59AAA.cbr
for signal in HUP QUIT TERM INT KILL; do
  (strace -f -o /dev/null -e inject=rename:error=EINTR:signal=$signal "$conv" "${required[@]}" log.txt) >/dev/null 2>&1
  [ "$(cat S59AAA.cbr)" = old ] && [ "$(ls -A | grep -c '^\.S59')" = "$([ $signal = KILL ] && echo 1 || echo 0)" ] ||
    { echo "FAILED: killed by $signal"; failed=1; }
done 2>/dev/null
echo shared >other.cbr && chmod 666 other.cbr && ln -sf other.cbr S59AAA.cbr && umask 022
# Nor is a file with a leftover's prefix but not its length, or its length
# but not its prefix.
user=$(printf 'u%.0s' {1..26})
mkfifo .S59AAA.cbr.pelikan-fifo00 && echo keep >.S59AAA.cbr.pelikan-notes && echo keep >"$user"
expect 0 "Obdelani so 1 zapisi" run log.txt
[ ! -L S59AAA.cbr ] && [ "$(stat -c %a S59AAA.cbr)" = 644 ] && [ "$(cat other.cbr)" = shared ] &&
  [ "$(ls -A | grep '^\.S59' | tr '\n' ' ')" = ".S59AAA.cbr.pelikan-fifo00 .S59AAA.cbr.pelikan-notes " ] &&
  [ -e "$user" ] || { echo "FAILED: a link as the target, or a leftover"; failed=1; }
rm .S59AAA.cbr.pelikan-fifo00 .S59AAA.cbr.pelikan-notes "$user"

echo old >S59AAA.cbr
expect 1 "many.txt holds more than 32767 contacts; no file written" run many.txt
# The list goes out up to the stop: the header and every contact read.
[ "$(cat S59AAA.cbr)" = old ] && [ "$(wc -l <out)" = 32783 ] || { echo "FAILED: old file or list"; failed=1; }
expect 0 "Obdelano je 32767 zapisov" run most.txt

# Paths are taken byte for byte; the file name is UTF-8, as the system names files.
mkdir $'out\xe8' && cp log.txt $'l\xe8g.txt'
expect 0 "Obdelani so 1 zapisi" run --callsign $'s5\xc4\x8d/p' --output-dir $'out\xe8' $'l\xe8g.txt'
grep -q $'^CALLSIGN: S5\xc8/P\r$' $'out\xe8/S5\xc4\x8c_P.cbr' || { echo "FAILED: legacy paths"; failed=1; }

# Targets that are not replaced, and the mode of a new and of a replaced file.
mkdir FOLDER.cbr && mkfifo FIFO.cbr && echo old >RO.cbr && chmod 444 RO.cbr
long=$(printf 'S%.0s' {1..251})
expect 1 "cannot write ./FOLDER.cbr: Is a directory; no file written" run --callsign folder log.txt
expect 1 "cannot write ./FIFO.cbr: File exists; no file written" run --callsign fifo log.txt
expect 1 "cannot write ./RO.cbr: Permission denied; no file written" run --callsign ro log.txt
expect 1 "cannot write no/S5.cbr: No such file or directory; no file written" run --callsign s5 --output-dir no log.txt
expect 1 "cannot write ./${long}S.cbr: File name too long; no file written" run --callsign "${long}s" log.txt
for mode in 0 600 6775; do
  [ $mode = 0 ] && umask 022 || chmod $mode "$long.cbr"
  run --callsign "$long" log.txt >/dev/null 2>&1 && modes+="$(stat -c %a "$long.cbr") "
done
[ "$modes" = "644 600 775 " ] && [ "$(cat RO.cbr)" = old ] || { echo "FAILED: modes $modes or read-only"; failed=1; }

# Past 2000 warnings they are only counted; each names its line, cut at 200 bytes.
yes "2007-03-04 06:01 S57A 579 $(printf 'x%.0s' {1..300})" | head -n 2001 >notes.txt
expect 0 "notes.txt: warning: 1 more warning not shown" run notes.txt
grep -qx "notes.txt:2000: warning: .*: 2007-03-04 06:01 S57A 579 x\{174\}" err || { echo "FAILED: notes"; failed=1; }

mkdir locked shared && chmod 755 locked && chmod 777 shared && echo "root's" >shared/S59AAA.cbr
expect 1 "cannot write locked/S59AAA.cbr: Permission denied; no file written" \
  nobody --output-dir locked log.txt
[ "$(id -u)" != 0 ] || expect 1 "cannot write shared/S59AAA.cbr: Permission denied; no file written" \
  nobody --output-dir shared log.txt
# A folder the user may write but not read cannot be synced: written, with a warning.
mkdir dropbox && chmod 333 dropbox
expect 3 "warning: dropbox/S59AAA.cbr was written, but its folder could not be synced (Permission denied): a power cut may still bring back the old file" \
  nobody --strict --output-dir dropbox log.txt
chmod 755 dropbox
chmod 000 log.txt
expect 1 "cannot read the log log.txt: Permission denied; no file written" nobody log.txt
[ -z "$(ls -A locked)" ] && [ "$(cat shared/S59AAA.cbr)" = "root's" ] && ! grep -q QSO: out ||
  { echo "FAILED: a refused run left a trace"; failed=1; }
exit $failed
