# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack, checks its dependency fields, and
# runs lintian on it: no errors allowed; warnings are printed for the reader.
# -DCPACK=<cpack> -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder>
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
file(GLOB deb ${WORK_DIR}/pelikan_*.deb)
if(NOT status EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack failed (${status}):\n${out}")
endif()
execute_process(COMMAND dpkg-deb --field ${deb} Depends Recommends Section OUTPUT_VARIABLE fields)
find_program(LINTIAN lintian REQUIRED)
execute_process(COMMAND ${LINTIAN} --fail-on error ${deb} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
message("${fields}${out}")
if(NOT status EQUAL 0 OR NOT fields MATCHES
   "Depends: qt6-qpa-plugins, .*libqt6widgets6.*Recommends: xdg-utils.*Section: hamradio")
  message(FATAL_ERROR "lintian exit ${status}, or the control fields lack a dependency or the section")
endif()
