# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a converter on one log of a golden case and compares everything it
# gives with the case's files, byte for byte: standard output with list.txt,
# standard error with stderr.txt (stderr.adi.txt for log.adi,
# stderr.cabrillo.txt for log.cabrillo), the exit status with status (0
# without it) and the .cbr written with the case's .cbr (none when it has
# none). The logs of one case hold the same contacts, as a listing, as an
# ADIF and as a Cabrillo export, and share everything but standard error. A
# mismatch names the first line that differs in both files. With
# -DUPDATE=ON the case's files are rewritten from what the converter gave
# instead.
# args holds the options, one a line; "\n" and "\r" in them stand for line
# breaks. The converter runs in the case folder on the log, so that its
# messages name the log the same way on every machine.
# -DCONVERTER=<program;its first arguments> -DCASE_DIR=<tests/golden/case> -DWORK_DIR=<scratch folder>
# [-DLOG=<log.txt, log.adi or log.cabrillo>]
if(NOT LOG)
  set(LOG log.txt)
endif()
set(stderr_file stderr.txt)
if(NOT LOG STREQUAL "log.txt")
  string(REGEX REPLACE "^log\\." "stderr." stderr_file "${LOG}.txt")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(READ "${CASE_DIR}/args" arguments)
string(REGEX REPLACE "\n$" "" arguments "${arguments}")
string(REPLACE "\n" ";" arguments "${arguments}")
string(REPLACE "\\n" "\n" arguments "${arguments}")
string(REPLACE "\\r" "\r" arguments "${arguments}")
execute_process(COMMAND ${CONVERTER} ${arguments} --output-dir "${WORK_DIR}" ${LOG}
                WORKING_DIRECTORY "${CASE_DIR}" RESULT_VARIABLE status
                OUTPUT_FILE "${WORK_DIR}/list.txt" ERROR_FILE "${WORK_DIR}/${stderr_file}")
file(GLOB written RELATIVE "${WORK_DIR}" "${WORK_DIR}/*.cbr")
file(GLOB expected RELATIVE "${CASE_DIR}" "${CASE_DIR}/*.cbr")

if(UPDATE)
  file(REMOVE ${CASE_DIR}/status ${expected})
  if(NOT status EQUAL 0)
    file(WRITE "${CASE_DIR}/status" "${status}\n")
  endif()
  foreach(name list.txt ${stderr_file} ${written})
    file(COPY_FILE "${WORK_DIR}/${name}" "${CASE_DIR}/${name}")
  endforeach()
  return()
endif()

set(expected_status 0)
if(EXISTS "${CASE_DIR}/status")
  file(STRINGS "${CASE_DIR}/status" expected_status)
endif()
if(NOT status STREQUAL expected_status OR NOT written STREQUAL expected)
  message(FATAL_ERROR "exit status ${status} and file '${written}', expected ${expected_status} and '${expected}'")
endif()
foreach(name list.txt ${stderr_file} ${expected})
  execute_process(COMMAND cmp "${CASE_DIR}/${name}" "${WORK_DIR}/${name}" OUTPUT_VARIABLE differs
                  ERROR_VARIABLE differs RESULT_VARIABLE unequal)
  if(unequal)
    # sed's l shows the line unmistakably: CR, tabs and bytes beyond ASCII escaped.
    string(REGEX MATCH "line ([0-9]+)" found "${differs}")
    set(shown "")
    foreach(file "${CASE_DIR}/${name}" "${WORK_DIR}/${name}")
      execute_process(COMMAND sed -n "${CMAKE_MATCH_1}{l;q}" "${file}" OUTPUT_VARIABLE line)
      string(APPEND shown "\n  ${file}: ${line}")
    endforeach()
    message(FATAL_ERROR "${name} differs: ${differs}${shown}")
  endif()
endforeach()
