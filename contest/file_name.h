// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_FILE_NAME_H_
#define PELIKAN_CONTEST_FILE_NAME_H_

#include <optional>
#include <string>

#include "contest/contest_data.h"

namespace pelikan {

// The name of the Cabrillo file for `data`'s callsign, in UTF-8, the file
// system's and the browser's encoding: the callsign without leading and
// trailing blanks, every "/", "\" and control character replaced by "_",
// then ".cbr". S57X/P gives S57X_P.cbr; no callsign leads out of its folder.
// Nothing for a callsign that leaves no name, or only dots.
std::optional<std::string> CabrilloFileName(const ContestData& data);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_FILE_NAME_H_
