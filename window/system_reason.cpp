// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/system_reason.h"

#include <cerrno>
#include <cstring>

namespace pelikan {
namespace {

struct Reason {
  int error;
  const char16_t* words;
};

constexpr Reason kReasons[] = {
    {ENOENT, u"datoteka ali mapa ne obstaja"},
    {EACCES, u"dostop ni dovoljen"},
    {EPERM, u"dejanje ni dovoljeno"},
    {ENOSPC, u"na disku ni več prostora"},
    {EDQUOT, u"kvota diska je izčrpana"},
    {EROFS, u"datotečni sistem je samo za branje"},
    {ENAMETOOLONG, u"ime datoteke je predolgo"},
    {EISDIR, u"to je mapa, ne datoteka"},
};

}  // namespace

QString SystemReason(int error, const QString& text) {
  for (const Reason& reason : kReasons) {
    // Qt and the engine hand over strerror's words when no number is kept.
    if (error != 0 ? error == reason.error
                   : text == QString::fromLocal8Bit(std::strerror(reason.error))) {
      return QString::fromUtf16(reason.words);
    }
  }
  return text;
}

}  // namespace pelikan
