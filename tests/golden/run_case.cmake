# Runs pelikan-convert on one golden case and compares its file and its
# result list with the expected ones, byte for byte.
# -DCONVERTER=<program> -DCASE_DIR=<tests/golden/case> -DWORK_DIR=<scratch folder>
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(STRINGS "${CASE_DIR}/args" arguments ENCODING UTF-8)
execute_process(
  COMMAND "${CONVERTER}" ${arguments} --output-dir "${WORK_DIR}" "${CASE_DIR}/log.txt"
  OUTPUT_FILE "${WORK_DIR}/list.txt"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pelikan-convert exited with ${status}: ${errors}")
endif()
file(GLOB written "${WORK_DIR}/*.cbr")
file(GLOB expected "${CASE_DIR}/*.cbr")
if(NOT written)
  message(FATAL_ERROR "no .cbr file was written")
endif()
get_filename_component(written_name "${written}" NAME)
get_filename_component(expected_name "${expected}" NAME)
if(NOT written_name STREQUAL expected_name)
  message(FATAL_ERROR "wrote ${written_name}, expected ${expected_name}")
endif()
foreach(pair "${written}|${expected}" "${WORK_DIR}/list.txt|${CASE_DIR}/list.txt")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 actual)
  list(GET pair 1 wanted)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${wanted}" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${actual} differs from ${wanted}")
  endif()
endforeach()
