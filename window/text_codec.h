// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_TEXT_CODEC_H_
#define PELIKAN_WINDOW_TEXT_CODEC_H_

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace pelikan {

// The engine's Windows-1250 codec for QString, the window's text: the same
// rule as every other path (contest/cp1250.h). Cheap enough for every line a
// view shows.
std::string ToCp1250(QStringView text);
QString FromCp1250(std::string_view bytes);

// The engine's and the contest table's words, which are UTF-8.
QString FromUtf8(std::string_view text);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_TEXT_CODEC_H_
