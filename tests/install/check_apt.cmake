# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built package with apt, converts a log with the installed
# program as an unprivileged user, and purges the package, checking that
# nothing is left. Needs root, and leaves alone a pelikan installed before.
# -DWORK_DIR=<folder with the .deb> -DLOG=<a log>
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg-query -W -f=\${Status} pelikan OUTPUT_VARIABLE state ERROR_QUIET)
if(NOT uid EQUAL 0 OR state MATCHES "installed")
  message("Skipped: needs root and no pelikan package installed before")
  return()
endif()
set(ENV{DEBIAN_FRONTEND} noninteractive)
# The user's folder of its own outside the build tree, which may lie in a
# home folder that nobody else may enter.
execute_process(COMMAND mktemp -d -t pelikan-apt-XXXXXX OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE)
file(COPY ${LOG} DESTINATION ${work})
file(GLOB deb ${WORK_DIR}/pelikan_*.deb)
execute_process(COMMAND chown -R nobody ${work})
execute_process(COMMAND apt-get install -y -q --no-install-recommends ${deb} RESULT_VARIABLE installed
                OUTPUT_VARIABLE apt ERROR_VARIABLE apt)
execute_process(
  COMMAND setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env
          /usr/bin/pelikan-convert --callsign S59AAA --licence-year 1985 --category "SINGLE-OP 80M LOW CW"
          --name "Janez Novak" --street "Ulica 1" --postal-code-and-place "1000 Ljubljana"
          --output-dir ${work} ${work}/log.txt
  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE converted)
# The package comes off again, whatever failed.
execute_process(COMMAND apt-get purge -y -q pelikan RESULT_VARIABLE purged OUTPUT_VARIABLE purge ERROR_VARIABLE purge)
set(written FALSE)
if(EXISTS ${work}/S59AAA.cbr)
  set(written TRUE)
endif()
file(REMOVE_RECURSE ${work})
if(NOT installed EQUAL 0 OR NOT purged EQUAL 0 OR NOT converted EQUAL 0 OR NOT written
   OR EXISTS /usr/bin/pelikan OR EXISTS /usr/bin/pelikan-convert OR EXISTS /usr/share/pelikan
   OR EXISTS /usr/share/doc/pelikan OR EXISTS /usr/share/applications/org.example.Pelikan.desktop)
  message(FATAL_ERROR "apt install ${installed}, purge ${purged}, as nobody ${converted}:\n${errors}\n${apt}${purge}")
endif()
