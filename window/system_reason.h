// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_SYSTEM_REASON_H_
#define PELIKAN_WINDOW_SYSTEM_REASON_H_

#include <QString>

namespace pelikan {

// The reason a file operation failed, in Slovenian for the common reasons
// (no such file, permission denied, no space left, read-only file system,
// name too long, a folder): by `error` (an errno value) when it is not 0,
// else by the system's own words in `text`. Any other reason keeps `text`.
QString SystemReason(int error, const QString& text);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_SYSTEM_REASON_H_
