# SPDX-License-Identifier: GPL-3.0-or-later
# Runs pelikan-convert on one golden case and compares its file, its result
# list and its warnings with the expected ones, byte for byte.
# -DCONVERTER=<program> -DCASE_DIR=<tests/golden/case> -DWORK_DIR=<scratch folder>
#
# A case folder holds log.txt, args (one option a line, --check and --strict
# included), the expected .cbr (none when no file may be written), list.txt,
# and optionally warnings.txt (the standard error lines before the
# processed-records message; without it there must be none) and status (the
# expected exit status, 0 without it).
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(STRINGS "${CASE_DIR}/args" arguments ENCODING UTF-8)
# Run from the case folder with a relative log name, so that the warnings
# name the log as "log.txt" on every machine.
execute_process(
  COMMAND "${CONVERTER}" ${arguments} --output-dir "${WORK_DIR}" log.txt
  WORKING_DIRECTORY "${CASE_DIR}"
  OUTPUT_FILE "${WORK_DIR}/list.txt"
  ERROR_FILE "${WORK_DIR}/errors.txt"
  RESULT_VARIABLE status)
file(READ "${WORK_DIR}/errors.txt" errors)
set(expected_status 0)
if(EXISTS "${CASE_DIR}/status")
  file(STRINGS "${CASE_DIR}/status" expected_status)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "pelikan-convert exited with ${status}, expected ${expected_status}: ${errors}")
endif()

# Everything before the last line of standard error, which is the
# processed-records message, is the warnings.
string(REGEX REPLACE "[^\n]*\n$" "" warnings "${errors}")
set(expected_warnings "")
if(EXISTS "${CASE_DIR}/warnings.txt")
  file(READ "${CASE_DIR}/warnings.txt" expected_warnings)
endif()
if(NOT warnings STREQUAL expected_warnings)
  message(FATAL_ERROR "standard error differs from ${CASE_DIR}/warnings.txt:\n${errors}")
endif()

file(GLOB written "${WORK_DIR}/*.cbr")
file(GLOB expected "${CASE_DIR}/*.cbr")
set(pairs "${WORK_DIR}/list.txt|${CASE_DIR}/list.txt")
if(NOT expected)
  if(written)
    message(FATAL_ERROR "${written} was written, expected no file")
  endif()
else()
  if(NOT written)
    message(FATAL_ERROR "no .cbr file was written")
  endif()
  get_filename_component(written_name "${written}" NAME)
  get_filename_component(expected_name "${expected}" NAME)
  if(NOT written_name STREQUAL expected_name)
    message(FATAL_ERROR "wrote ${written_name}, expected ${expected_name}")
  endif()
  list(APPEND pairs "${written}|${expected}")
endif()
foreach(pair IN LISTS pairs)
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 actual)
  list(GET pair 1 wanted)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${wanted}" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${actual} differs from ${wanted}")
  endif()
endforeach()
