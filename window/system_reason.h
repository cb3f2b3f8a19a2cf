// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_SYSTEM_REASON_H_
#define PELIKAN_WINDOW_SYSTEM_REASON_H_

#include <QString>

#include "contest/words.h"

namespace pelikan {

// The reason a file operation failed, in `language` as the engine words it
// (ReasonIn): by `error` (an errno value) when it is not 0, else by the
// system's own words in `text`.
QString SystemReason(int error, const QString& text, Language language);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_SYSTEM_REASON_H_
