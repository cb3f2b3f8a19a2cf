// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_codec.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <string>

namespace pelikan {
namespace {

TEST(TextCodecTest, EveryByteAsTheSystemConverterReadsItAndBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  const QString expected = QStringDecoder("windows-1250").decode(QByteArray::fromStdString(all));

  const QString decoded = FromCp1250(all);
  EXPECT_EQ(decoded, expected);
  EXPECT_EQ(ToCp1250(decoded), all);
}

TEST(TextCodecTest, CharactersTheCodePageLacks) {
  EXPECT_EQ(ToCp1250(u"Bo\u017Eo \u20AC \u65E5\U0001F600."), "Bo\x9eo \x80 ??.") << "one ? per character";
  EXPECT_EQ(ToCp1250(u"S5\u200B9\uFEFF"), "S59") << "invisible formatting characters are left out";
  // A real U+001A is a character of the code page, also after one left out.
  EXPECT_EQ(ToCp1250(u"\u200B\u001A\u65E5"), "\x1a?");
  EXPECT_EQ(ToCp1250(QString(QChar(0xD800)) + QStringLiteral("a")), "?a") << "a lone surrogate";
}

}  // namespace
}  // namespace pelikan
