# SPDX-License-Identifier: GPL-3.0-or-later
# WebAssembly for node (scripts/web.sh). Without catching, the engine's
# answer to memory running out would be an abort. WebAssembly's own
# exceptions (node 17 and later): emscripten's JavaScript ones cost a call
# into JavaScript for every call that may throw, and were larger.
option(PELIKAN_WEB_EXCEPTIONS "Catch exceptions in the WebAssembly build" ON)
# Whole-program optimisation: inlining across the engine's files took a
# quarter off the WebAssembly engine's time, where the native build gained
# nothing worth its slower builds.
add_compile_options(-flto)
add_link_options(-flto)
option(PELIKAN_WEB_SIMD "Build for wasm SIMD, which the 16-byte scans reach through SSE2" ON)
if(PELIKAN_WEB_EXCEPTIONS)
  add_compile_options(-fwasm-exceptions)
  add_link_options(-fwasm-exceptions)
endif()
if(PELIKAN_WEB_SIMD)
  add_compile_options(-msimd128 -msse2)
endif()
# For node: the real disk, synced (node_library.js), the exit status
# passed on, the process's umask and the module's loading (node_pre.js), and
# memory that grows as far as the largest log (64 MiB) needs: a
# conversion takes up to about eight times its log.
set(PELIKAN_NODE_LINK_OPTIONS -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node
    -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=1024MB -sEXPORTED_FUNCTIONS=_main,_umask
    "--pre-js=${PROJECT_SOURCE_DIR}/web/node_pre.js"
    "--js-library=${PROJECT_SOURCE_DIR}/web/node_library.js")
set(PELIKAN_NODE_LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/node_pre.js ${PROJECT_SOURCE_DIR}/web/node_library.js)
