# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built package with apt, converts a log as an unprivileged
# user with the installed program, and removes the package again, checking
# that nothing is left behind. Needs root; it leaves alone a system where
# the package was installed before.
# -DWORK_DIR=<folder with the .deb> -DLOG=<a log>
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT uid STREQUAL "0")
  message("Skipped: installing the package with apt needs root")
  return()
endif()
execute_process(COMMAND dpkg-query -W -f=\${Status} pelikan OUTPUT_VARIABLE state ERROR_QUIET)
if(state MATCHES "installed")
  message("Skipped: a pelikan package is installed already and is left as it is")
  return()
endif()

function(run)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}")
  endif()
endfunction()

set(ENV{DEBIAN_FRONTEND} noninteractive)
file(GLOB deb ${WORK_DIR}/pelikan_*.deb)
run(apt-get install -y -q --no-install-recommends ${deb})
# From here on the package comes off again, whatever fails.
set(work ${WORK_DIR}/as-nobody)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(COPY ${LOG} DESTINATION ${work})
execute_process(COMMAND chown -R nobody ${work})
execute_process(
  COMMAND setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env
          /usr/bin/pelikan-convert --callsign S59AAA --licence-year 1985 --category "SINGLE-OP 80M LOW CW"
          --name "Janez Novak" --street "Ulica 1" --postal-code-and-place "1000 Ljubljana"
          --output-dir ${work} ${work}/log.txt
  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE converted)
run(apt-get purge -y -q pelikan)

if(NOT converted EQUAL 0 OR NOT EXISTS ${work}/S59AAA.cbr)
  message(FATAL_ERROR "the installed pelikan-convert failed as nobody (${converted}):\n${errors}")
endif()
foreach(path /usr/bin/pelikan /usr/bin/pelikan-convert /usr/share/pelikan /usr/share/doc/pelikan
             /usr/share/applications/org.example.Pelikan.desktop)
  if(EXISTS ${path})
    message(FATAL_ERROR "${path} is still there after apt-get purge")
  endif()
endforeach()
