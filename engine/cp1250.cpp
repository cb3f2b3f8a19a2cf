// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/cp1250.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/utf8_log.h"

namespace pelikan {
namespace {

// The code point that starts a valid UTF-8 sequence of `length` bytes.
char32_t DecodeUtf8(const char* text, std::size_t length) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (length == 1) return byte(0);
  static constexpr std::array<unsigned char, 5> kLeadBits = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t code = byte(0) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

// Unicode's Default_Ignorable_Code_Point: characters that show nothing, so a
// text that loses them reads the same, where a "?" would not.
bool IsDefaultIgnorable(char32_t c) {
  static constexpr std::array<std::pair<char32_t, char32_t>, 17> kRanges = {{
      {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C}, {0x115F, 0x1160}, {0x17B4, 0x17B5},
      {0x180B, 0x180F}, {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x206F}, {0x3164, 0x3164},
      {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3},
      {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
  }};
  return std::any_of(kRanges.begin(), kRanges.end(),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

class CodePage {
 public:
  CodePage() {
    const iconv_t converter = iconv_open("UTF-8", "CP1250");
    ready_ = converter != reinterpret_cast<iconv_t>(-1);
    for (int byte = 0; byte < 256; ++byte) {
      char in = static_cast<char>(byte);
      std::array<char, 4> out{};
      char* from = &in;
      std::size_t from_left = 1;
      char* to = out.data();
      std::size_t to_left = out.size();
      std::size_t length = 0;
      if (ready_ && iconv(converter, &from, &from_left, &to, &to_left) != static_cast<std::size_t>(-1)) {
        length = out.size() - to_left;
      }
      if (length == 0 || length > 3) {
        // Undefined in the code page (or no converter): the C1 control or
        // the ASCII character of the same value.
        length = byte < 0x80 ? 1 : 2;
        out = {static_cast<char>(byte < 0x80 ? byte : 0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
        if (byte >= 0x80 && !ready_) length = 0;
      }
      utf8_[byte].length = static_cast<std::uint8_t>(length);
      std::copy_n(out.begin(), 3, utf8_[byte].bytes.begin());
      by_code_[byte] = {length == 0 ? char32_t{0xFFFD} : DecodeUtf8(out.data(), length), in};
    }
    if (ready_) iconv_close(converter);
    // The first byte wins when two bytes read as the same character.
    std::stable_sort(by_code_.begin(), by_code_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  }

  bool Ready() const { return ready_; }

  std::string_view Utf8Of(unsigned char byte) const { return {utf8_[byte].bytes.data(), utf8_[byte].length}; }

  // The byte for `code`, if the code page has it.
  bool Byte(char32_t code, char& byte) const {
    const auto found = std::lower_bound(by_code_.begin(), by_code_.end(), code,
                                        [](const auto& entry, char32_t c) { return entry.first < c; });
    if (found == by_code_.end() || found->first != code) return false;
    byte = found->second;
    return true;
  }

 private:
  struct Utf8 {
    std::array<char, 3> bytes{};
    std::uint8_t length = 0;
  };
  bool ready_ = false;
  std::array<Utf8, 256> utf8_{};
  std::array<std::pair<char32_t, char>, 256> by_code_{};
};

const CodePage& Cp1250() {
  static const CodePage code_page;
  return code_page;
}

}  // namespace

void AppendCp1250AsUtf8Text(std::string_view bytes, std::string& utf8) {
  const CodePage& code_page = Cp1250();
  for (std::size_t i = 0; i < bytes.size();) {
    // ASCII reads the same in both, so its runs are copied whole.
    const std::size_t ascii_end = SkipAscii(bytes, i);
    utf8.append(bytes.substr(i, ascii_end - i));
    for (i = ascii_end; i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80; ++i) {
      utf8.append(code_page.Utf8Of(static_cast<unsigned char>(bytes[i])));
    }
  }
}

std::optional<std::string> Utf8AsCp1250Text(std::string_view utf8) {
  const CodePage& code_page = Cp1250();
  std::string bytes;
  bytes.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t length = Utf8SequenceLength(utf8);
    if (length == 0) return std::nullopt;
    const char32_t code = DecodeUtf8(utf8.data(), length);
    utf8.remove_prefix(length);
    char byte = 0;
    if (code_page.Byte(code, byte)) {
      bytes += byte;
    } else if (!IsDefaultIgnorable(code)) {
      bytes += '?';
    }
  }
  return bytes;
}

bool Cp1250TableReady() { return Cp1250().Ready(); }

}  // namespace pelikan
