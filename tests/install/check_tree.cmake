# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder, as a package build would, and
# checks that exactly the expected files arrive and that the installed
# converter runs.
# -DBUILD_DIR=<build folder> -DSTAGE=<staging folder> -DVERSION=<project version>
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(expected
  usr/bin/pelikan
  usr/bin/pelikan-convert
  usr/share/applications/org.example.Pelikan.desktop
  usr/share/doc/pelikan/changelog.gz
  usr/share/doc/pelikan/copyright
  usr/share/man/man1/pelikan-convert.1.gz
  usr/share/man/man1/pelikan.1.gz
  usr/share/metainfo/org.example.Pelikan.metainfo.xml
  usr/share/pelikan/category.pod
  usr/share/pelikan/category1.pod
  usr/share/icons/hicolor/scalable/apps/org.example.Pelikan.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/org.example.Pelikan.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  message(FATAL_ERROR "installed files differ from the expected ones:\n  ${installed}")
endif()

# Debian wants manual pages and changelogs gzip-compressed.
foreach(file usr/share/man/man1/pelikan.1.gz usr/share/man/man1/pelikan-convert.1.gz usr/share/doc/pelikan/changelog.gz)
  file(READ ${STAGE}/${file} magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    message(FATAL_ERROR "${file} is not gzip-compressed")
  endif()
endforeach()

execute_process(COMMAND ${STAGE}/usr/bin/pelikan-convert --version
                OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^pelikan-convert \\(Pelikan\\) ${VERSION}\n.*GPLv3\\+")
  message(FATAL_ERROR "pelikan-convert --version exited ${status} with:\n${version}")
endif()
