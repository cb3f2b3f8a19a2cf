// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_codec.h"

#include "contest/cp1250.h"

namespace pelikan {

std::string ToCp1250(QStringView text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    AppendUnicodeAsCp1250(code, bytes);
  }
  return bytes;
}

QString FromCp1250(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes) *out++ = QChar(Cp1250ToUnicode(static_cast<unsigned char>(byte)));
  return text;
}

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace pelikan
