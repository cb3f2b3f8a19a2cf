// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/system_reason.h"

#include "engine/messages.h"

namespace pelikan {

QString SystemReason(int error, const QString& text, Language language) {
  // Qt and the engine hand over strerror's words when no number is kept.
  return QString::fromStdString(ReasonIn(language, error, text.toLocal8Bit().toStdString()));
}

}  // namespace pelikan
