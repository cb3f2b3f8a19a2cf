// SPDX-License-Identifier: GPL-3.0-or-later
// Run before the page's module, inside it. The page makes no connection at
// all, and its Content-Security-Policy forbids them: the WebAssembly that
// the module carries inside it as a data URL is decoded in place, where
// this emscripten would first try to fetch it. Hidden from the module only.
var fetch;
