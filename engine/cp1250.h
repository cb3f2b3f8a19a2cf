// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CP1250_H_
#define PELIKAN_ENGINE_CP1250_H_

#include <optional>
#include <string>
#include <string_view>

namespace pelikan {

// Windows-1250 to and from UTF-8, for a front end that speaks UTF-8 without
// a toolkit (the headless converter). The code page is read from the C
// library's converter once per process, at first use, into a table of 256
// entries: converting a line then costs one look-up per byte, where opening
// the converter costs more than a whole line.

// Appends `bytes` to `utf8` as UTF-8. The five bytes the code page leaves
// undefined pass as the C1 controls of the same value, so they survive a
// round trip.
void AppendCp1250AsUtf8Text(std::string_view bytes, std::string& utf8);

// `utf8` in Windows-1250: every character the code page lacks becomes one
// "?", except the invisible ones (Unicode's default ignorable code points:
// zero-width space, byte order mark and the like), which are left out.
// Yields nullopt when `utf8` is not valid UTF-8.
std::optional<std::string> Utf8AsCp1250Text(std::string_view utf8);

// Whether the C library could read the code page; without it both
// functions above treat every byte beyond ASCII as unknown.
bool Cp1250TableReady();

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CP1250_H_
