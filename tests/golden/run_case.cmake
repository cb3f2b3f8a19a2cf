# SPDX-License-Identifier: GPL-3.0-or-later
# Runs pelikan-convert on one golden case and compares everything it gives
# with the case's files, byte for byte: standard output with list.txt,
# standard error with stderr.txt, the exit status with status (0 without
# it) and the .cbr written with the case's .cbr (none when it has none).
# args holds the options, one a line; "\n" and "\r" in them stand for line
# breaks. The converter runs in the case folder on log.txt, so that its
# messages name the log the same way on every machine.
# CONVERTER may be a list: a program that runs the converter, and its
# arguments (node and the converter's script).
# -DCONVERTER=<program> -DCASE_DIR=<tests/golden/case> -DWORK_DIR=<scratch folder>
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(READ "${CASE_DIR}/args" arguments)
string(REGEX REPLACE "\n$" "" arguments "${arguments}")
string(REPLACE "\n" ";" arguments "${arguments}")
string(REPLACE "\\n" "\n" arguments "${arguments}")
string(REPLACE "\\r" "\r" arguments "${arguments}")
execute_process(COMMAND ${CONVERTER} ${arguments} --output-dir "${WORK_DIR}" log.txt
                WORKING_DIRECTORY "${CASE_DIR}" RESULT_VARIABLE status
                OUTPUT_FILE "${WORK_DIR}/list.txt" ERROR_FILE "${WORK_DIR}/stderr.txt")
set(expected_status 0)
if(EXISTS "${CASE_DIR}/status")
  file(STRINGS "${CASE_DIR}/status" expected_status)
endif()
file(GLOB written RELATIVE "${WORK_DIR}" "${WORK_DIR}/*.cbr")
file(GLOB expected RELATIVE "${CASE_DIR}" "${CASE_DIR}/*.cbr")
if(NOT status STREQUAL expected_status OR NOT written STREQUAL expected)
  message(FATAL_ERROR "exit status ${status} and file '${written}', expected ${expected_status} and '${expected}'")
endif()
foreach(name list.txt stderr.txt ${expected})
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/${name}" "${CASE_DIR}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${WORK_DIR}/${name} differs from ${CASE_DIR}/${name}")
  endif()
endforeach()
