// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace pelikan {
namespace {

constexpr char kCodePage[] = "windows-1250";

// The code page as the system's converter reads it, byte by byte. Opening
// that converter by name costs far more than converting a line, so it is
// opened once and its answers are kept. Every byte stands for one character
// of the Basic Multilingual Plane.
class CodePage {
 public:
  CodePage() {
    QStringDecoder decoder(kCodePage);
    for (int byte = 0; byte < 256; ++byte) {
      const char c = static_cast<char>(byte);
      const QString character = decoder.decode(QByteArrayView(&c, 1));
      const char16_t unit = character.size() == 1 ? character.front().unicode() : u'\uFFFD';
      unicode_[byte] = unit;
      by_unicode_[byte] = {unit, c};
    }
    // The first byte wins when two bytes read as the same character.
    std::stable_sort(by_unicode_.begin(), by_unicode_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  }

  char16_t Unicode(unsigned char byte) const { return unicode_[byte]; }

  // The byte for a character of one UTF-16 unit, if the code page has it.
  bool Byte(char16_t unit, char& byte) const {
    const auto found = std::lower_bound(by_unicode_.begin(), by_unicode_.end(), unit,
                                        [](const auto& entry, char16_t u) { return entry.first < u; });
    if (found == by_unicode_.end() || found->first != unit) return false;
    byte = found->second;
    return true;
  }

 private:
  std::array<char16_t, 256> unicode_{};
  std::array<std::pair<char16_t, char>, 256> by_unicode_{};
};

const CodePage& Cp1250() {
  static const CodePage code_page;
  return code_page;
}

}  // namespace

std::string ToCp1250(QStringView text) {
  const CodePage& code_page = Cp1250();
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  // Made only for a text with a character the code page lacks: the system's
  // converter decides whether it is left out or becomes "?".
  std::optional<QStringEncoder> encoder;
  for (qsizetype i = 0; i < text.size(); ++i) {
    char byte = 0;
    if (code_page.Byte(text[i].unicode(), byte)) {
      bytes += byte;
      continue;
    }
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (!pair && text[i].isSurrogate()) {
      bytes += '?';  // half a character
      continue;
    }
    const QStringView character = text.sliced(i, pair ? 2 : 1);
    if (pair) ++i;
    if (!encoder) encoder.emplace(kCodePage);
    if (!QByteArray(encoder->encode(character)).isEmpty()) bytes += '?';
  }
  return bytes;
}

QString FromCp1250(std::string_view bytes) {
  const CodePage& code_page = Cp1250();
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes) *out++ = QChar(code_page.Unicode(static_cast<unsigned char>(byte)));
  return text;
}

}  // namespace pelikan
