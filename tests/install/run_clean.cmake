# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator and fails on a non-zero exit or any error or warning in
# its output, which some validators report with a zero exit.
# -DCOMMAND=<program;arguments...>
execute_process(COMMAND ${COMMAND} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
message("${out}")
if(NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: |error:|warning:")
  message(FATAL_ERROR "${COMMAND} found errors or warnings (exit ${status})")
endif()
