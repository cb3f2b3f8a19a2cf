#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the longer seed logs of the fuzz corpus (tens of KB each), so that
# the fuzzer starts from logs whose lines cross many read boundaries, with
# every line end, layout and date form, and lines at the length limit.
# The output is committed; run again only to change the seeds.
set -euo pipefail
cd "$(dirname "$0")/corpus"

# The thirteen contest data fields, each ended by a NUL byte.
fields() { printf '%s\0' "$@"; }

{
  fields S59AAA "KV prvenstvo ZRS" 1985 "SINGLE-OP 80M LOW MIXED" "" "" S59ABC "S51A,S52B" \
    "Janez Novak" "Ulica 1" "1000 Ljubljana" "" ""
  awk 'BEGIN {
    ends[0] = "\r\n"; ends[1] = "\n"; ends[2] = "\r"
    dates[0] = "2007-03-04"; dates[1] = "2007/03/04"; dates[2] = "04/03/2007"; dates[3] = "4.3.2007."
    printf "Band  Mode  Date        Time   Call      Snt  Rcv  Exch\r\n"
    printf "-------------------------------------------------------\r\n"
    for (i = 0; i < 700; i++) {
      e = ends[int(i / 50) % 3]
      mode = (i % 3 == 0) ? "SSB" : ((i % 7 == 0) ? "PH" : "CW")
      rst = (mode == "CW") ? "599" : "59"
      time = (i % 4 == 0) ? sprintf("%d:%02d", 6 + i % 3, i % 60) : (i % 4 == 1) ? sprintf("%02d:%02d:30", 6, i % 60) : sprintf("%02d%02d", 7, i % 60)
      call = "S5" (i % 11 == 0 ? "DUP" : i) (i % 13 == 0 ? "/P" : "")
      sep = (i % 5 == 0) ? "\t" : " "
      prefix = (i % 2 == 0) ? "QSO: " : ""
      printf "%s80%s%s%s%s%s%s%s%s%s%s%s%s%s%d%s", prefix, sep, mode, sep, dates[i % 4], sep, time, sep, call, sep, rst, sep, rst, sep, 1950 + i % 40, e
      if (i % 97 == 0) printf "SOAPBOX: line %d of the remarks%s", i, e
      if (i % 150 == 0) printf "Band change%s----%s%s", e, e, e
    }
  }'
} >long_mixed

{
  fields S57X/P "" 1990 "SINGLE-OP 40M LOW CW" "" "" "" "" Marko "Pot 2" "2000 Maribor" "" "remark"
  awk 'BEGIN {
    for (i = 0; i < 600; i++) printf "40 CW 09.11.2007 06:%02d S5%d 599 599 %d\n", i % 60, i % 150, 1950 + i % 30
  }'
} >long_lf_duplicates

{
  fields S59AAA "" 1985 "SINGLE-OP 80M LOW CW" "" "" "" "" Janez "Ulica 1" "1000 Ljubljana" "" ""
  awk 'BEGIN {
    head = "80 CW 2007-03-04 0601 S57BBB 599 599 "
    printf "%s1990\r\n", head
    line = head; while (length(line) < 32767) line = line "x"
    printf "%s\r\n", line
    soap = "SOAPBOX: "; while (length(soap) < 32767) soap = soap "s"
    printf "%s\n", soap
    printf "%sy\r\n", line
    printf "%s1991\r\n", head
  }'
} >long_lines
