// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/header.h"

#include <string_view>

#include "contest/fields.h"

namespace pelikan {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void AddLine(CabrilloHeader& header, std::string_view key, std::string_view value) {
  header.text.append(key).append(value).append(kCrLf);
  header.list_lines.emplace_back(std::string(key).append(value));
}

}  // namespace

CabrilloHeader ComposeHeader(const ContestData& data) {
  CabrilloHeader header;
  AddLine(header, "START-OF-LOG: Beta 2.2", "");
  AddLine(header, "CREATED-BY: PELIKAN by QAZMIX", "");
  for (const ContestField& field : kContestFields) {
    // The score follows the club; it is known only at the end of the run.
    if (field.value == &ContestData::Operators) {
      constexpr std::string_view kScoreKey = "CLAIMED-SCORE: ";
      header.score_offset = header.text.size() + kScoreKey.size();
      AddLine(header, kScoreKey, "");
    }
    AddLine(header, field.header_key, data.*field.value);
  }
  // The file always carries the soapbox line; the list shows it only when
  // there is something to read.
  if (data.Soapbox.empty()) header.list_lines.pop_back();
  return header;
}

}  // namespace pelikan
