#ifndef PELIKAN_WINDOW_TEXT_CODEC_H_
#define PELIKAN_WINDOW_TEXT_CODEC_H_

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace pelikan {

// The engine works in Windows-1250 bytes; the front ends in QString. These
// two convert at that border.

// Every character that Windows-1250 lacks becomes "?".
std::string ToCp1250(QStringView text);
QString FromCp1250(std::string_view bytes);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_TEXT_CODEC_H_
