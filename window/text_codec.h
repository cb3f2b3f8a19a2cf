// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_TEXT_CODEC_H_
#define PELIKAN_WINDOW_TEXT_CODEC_H_

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace pelikan {

// The engine works in Windows-1250 bytes; the front ends in QString. These
// convert at that border. They are cheap enough to call once per line of a
// result list: the code page is read from the system's converter once, at
// first use, and kept for the process.

// Every character that Windows-1250 lacks becomes "?", except the invisible
// formatting characters (zero-width space, byte-order mark and the like),
// which the system's converter leaves out.
std::string ToCp1250(QStringView text);
QString FromCp1250(std::string_view bytes);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_TEXT_CODEC_H_
