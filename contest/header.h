// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_HEADER_H_
#define PELIKAN_CONTEST_HEADER_H_

#include <cstddef>
#include <string>
#include <vector>

#include "contest/contest_data.h"

namespace pelikan {

// The sixteen-line Cabrillo header built from the contest data.
struct CabrilloHeader {
  // The sixteen lines, each ended by CR LF.
  std::string text;
  // The lines as the result list shows them: without line ends, and without
  // the soapbox line when the soapbox field is empty (fifteen or sixteen).
  std::vector<std::string> list_lines;
  // Offset in `text` just behind "CLAIMED-SCORE: ", where the score goes.
  std::size_t score_offset = 0;
};

// Composes the header from the fields exactly as they stand: nothing is
// trimmed, re-cased or checked, and an empty field still gives its tag line.
CabrilloHeader ComposeHeader(const ContestData& data);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_HEADER_H_
