#!/usr/bin/env bash
# Goes through one conversion as a user would, under Xvfb: types the contest
# data, presses the make button, picks the log in the real file dialog,
# prints and leaves with KONEC. Checks the written file and the viewer's
# argument on the way, and saves pictures of the dialog and of the finished
# window.
# Usage: scripts/drive.sh [PICTURE_FOLDER]   (default: docs)
# Needs a built program (scripts/build.sh); PELIKAN_BUILD names another
# build folder than build/. Exits non-zero when any step or check fails.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside-xvfb" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside-xvfb "$@"
fi
shift
mkdir -p "${1:-docs}"
shots=$(realpath "${1:-docs}")

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "drive: $*" >&2
  exit 1
}

# A program folder of its own, since the Cabrillo file goes beside the
# program, and a home folder of its own, where the file dialog opens.
mkdir -p "$work/program" "$work/home" "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cp "${PELIKAN_BUILD:-build}"/pelikan "${PELIKAN_BUILD:-build}"/category.pod "${PELIKAN_BUILD:-build}"/category1.pod "$work/program/"
printf '%s\r\n' \
  "Band Mode Date Time Call Sent Rcvd Exch" \
  "------------------------------------------------" \
  "QSO: 80 CW 09.11.2007 06:01 S59ABC 599 599 1995" \
  "QSO: 80 CW 09.11.2007 06:03 S53XX 599 599 2001" \
  "QSO: 80 SSB 09.11.2007 06:10 S59ABC 59 59 1995" \
  "QSO: 80 CW 09.11.2007 06:12 S59ABC 599 599 1995" \
  > "$work/home/contest.log"

# The desktop's opener, replaced by one that notes its arguments.
cat > "$work/bin/xdg-open" <<'VIEWER'
#!/bin/sh
printf '%s\n' "$#" "$@" > "$PELIKAN_VIEWER_LOG"
VIEWER
chmod +x "$work/bin/xdg-open"

# Qt's own file dialog and fonts, whatever desktop the caller runs.
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
  HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" PATH="$work/bin:$PATH" \
  PELIKAN_VIEWER_LOG="$work/viewer.log" QT_QPA_PLATFORMTHEME=generic \
  "$work/program/pelikan" &
pid=$!

window=$(xdotool search --sync --onlyvisible --name '^Pelikan Write' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

# Cut from the whole screen: a window's own image lacks its native children.
shoot() {  # WINDOW FILE
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1")
  eval "$geometry"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# Enter moves on like Tab; the caret stands behind the preset "S5".
field() {  # TEXT: type into the focused field, then Enter
  [ -n "$1" ] && xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 0.1
}
field "7ab"                    # callsign: S57AB once left
field ""                       # contest
field "1990"                   # licence year
field "SINGLE-OP 80M LOW CW"   # category
field ""                       # category overlay
field ""                       # team
field "9aa"                    # club: behind its preset "S5"
field ""                       # operators
field "Janez Černe"            # name
field "Pot na Golovec 12"      # street
field "1000 Ljubljana"         # postal code and place
field ""                       # address
field ""                       # soapbox; now the make button has the focus
xdotool key Return             # press it

dialog=$(xdotool search --sync --onlyvisible --name '^Odpri' | head -n 1)
sleep 0.5
xdotool type --delay 20 "contest.log"
sleep 0.5
shoot "$dialog" "$shots/file-dialog.png"
xdotool key Return

for _ in $(seq 50); do
  [ -f "$work/program/S57AB.cbr" ] && break
  sleep 0.1
done
[ -f "$work/program/S57AB.cbr" ] || fail "no S57AB.cbr was written"
sleep 0.5
shoot "$window" "$shots/finished.png"

grep -q $'^CLAIMED-SCORE: 15\r$' "$work/program/S57AB.cbr" || fail "wrong score"
grep -q $'^CLUB: S59AA\r$' "$work/program/S57AB.cbr" || fail "wrong club"
grep -q $'^NAME: Janez \xc8erne\r$' "$work/program/S57AB.cbr" || fail "wrong name"

# The print button, then KONEC.
xdotool mousemove --window "$window" 232 476 click 1
for _ in $(seq 50); do
  [ -f "$work/viewer.log" ] && break
  sleep 0.1
done
expected=$(printf '1\nfile://%s\n' "$work/program/S57AB.cbr")
[ "$(cat "$work/viewer.log" 2>/dev/null)" = "$expected" ] || fail "viewer not asked for S57AB.cbr"

xdotool mousemove --window "$window" 108 476 click 1
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "KONEC did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=
echo "drive: one conversion from typed fields to KONEC went through;" \
  "pictures in $shots/file-dialog.png and $shots/finished.png"
