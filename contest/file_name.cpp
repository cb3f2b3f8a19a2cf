// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/file_name.h"

#include <string_view>

#include "contest/cp1250.h"

namespace pelikan {

std::optional<std::string> CabrilloFileName(const ContestData& data) {
  const std::string_view callsign = data.Callsign;
  const std::size_t first = callsign.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::string name(callsign.substr(first, callsign.find_last_not_of(' ') - first + 1));
  if (name.find_first_not_of('.') == std::string::npos) return std::nullopt;
  for (char& c : name) {
    // The code page's controls: C0, DEL and the five bytes it leaves
    // undefined, which stand for C1 controls.
    const char16_t character = Cp1250ToUnicode(static_cast<unsigned char>(c));
    if (c == '/' || c == '\\' || character < 0x20 || (character >= 0x7F && character < 0xA0)) c = '_';
  }
  return Cp1250AsUtf8(name) + ".cbr";
}

}  // namespace pelikan
