# SPDX-License-Identifier: GPL-3.0-or-later
# The script a user might write instead of the converter, as a yardstick
# for bench/whole.sh: one pass over the benchmark log (bench/engine's
# "QSO: 80 CW date time call 599 599 exchange" lines), a QSO line for each,
# duplicates and multipliers counted per mode, the score at the end.
# Usage: awk -f bench/reformat.awk LOG > /dev/null
BEGIN { FS = "[ \t]+" }
{ sub(/\r$/, "") }
/^Band|^----/ { next }
$1 == "QSO:" {
  mode = $3 == "CW" ? "CW" : "PH"
  time = $5
  gsub(":", "", time)
  if ((mode, $6) in calls) duplicates++
  else { calls[mode, $6]; contacts[mode]++ }
  if (!((mode, $9) in multipliers)) { multipliers[mode, $9]; keys[mode]++ }
  printf "QSO:  3500 %s %s %s S59AAA       %3s  1985     %-6s %10s  %s\r\n", mode, $4, time, mode == "CW" ? 599 : 59, $6, $8, $9
}
END {
  points = 2 * contacts["CW"] + contacts["PH"]
  printf "CLAIMED-SCORE: %d (%d duplicates)\r\nEND-OF-LOG:\r\n", points * (keys["CW"] + keys["PH"]), duplicates
}
