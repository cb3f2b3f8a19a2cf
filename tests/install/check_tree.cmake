# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder, as a package build would, and
# checks that exactly the files of installed_files.txt arrive, the manual
# pages and the changelog gzip-compressed as Debian wants, and that the
# installed converter runs.
# -DBUILD_DIR=<build folder> -DSTAGE=<staging folder> -DVERSION=<project version>
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                OUTPUT_QUIET RESULT_VARIABLE status)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/installed_files.txt expected)
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
list(SORT installed)
foreach(file usr/share/man/man1/pelikan.1.gz usr/share/man/man1/pelikan-convert.1.gz usr/share/doc/pelikan/changelog.gz)
  file(READ ${STAGE}/${file} magic LIMIT 2 HEX)
  string(APPEND magics "${magic} ")
endforeach()
execute_process(COMMAND ${STAGE}/usr/bin/pelikan-convert --version OUTPUT_VARIABLE version)
if(NOT status EQUAL 0 OR NOT installed STREQUAL expected OR NOT magics STREQUAL "1f8b 1f8b 1f8b "
   OR NOT version MATCHES "^pelikan-convert \\(Pelikan\\) ${VERSION}\n.*GPLv3\\+")
  string(REPLACE ";" "\n  " installed "${installed}")
  message(FATAL_ERROR "install exit ${status}, gzip magics ${magics}, version:\n${version}\ninstalled:\n  ${installed}")
endif()
