#include "window/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pelikan {
namespace {

constexpr char kSubstitute = 0x1A;

}  // namespace

std::string ToCp1250(QStringView text) {
  QStringEncoder encoder("windows-1250");
  const QByteArray encoded = encoder.encode(text);
  std::string bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
  // The codec writes 0x1A for a character it cannot map, one byte per code
  // point; a real U+001A is the only code point that legitimately gives it.
  // Walk the code points beside the bytes and put "?" for the others.
  std::size_t b = 0;
  for (qsizetype i = 0; i < text.size() && b < bytes.size(); ++i, ++b) {
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (bytes[b] == kSubstitute && (pair || text[i].unicode() != 0x1A)) bytes[b] = '?';
    if (pair) ++i;
  }
  return bytes;
}

QString FromCp1250(std::string_view bytes) {
  QStringDecoder decoder("windows-1250");
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace pelikan
