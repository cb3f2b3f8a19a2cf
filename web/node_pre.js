// SPDX-License-Identifier: GPL-3.0-or-later
// Run before the program, in node (the WebAssembly build).

// The module is read from beside this script: left to itself, this
// emscripten takes node's fetch() for a browser's and fails on a file path.
Module['wasmBinary'] = require('fs').readFileSync(__filename.replace(/\.js$/, '.wasm'));

// emscripten's C library starts with a umask of its own (0777) and never
// asks the process, so files created with the umask's mode would get 0000.
// It is given node's real umask before the program's static set-up reads it.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Module['_umask'](process.umask());
});
