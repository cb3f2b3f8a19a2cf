// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/header.h"

#include <string_view>

namespace pelikan {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void AddLine(CabrilloHeader& header, std::string_view tag, std::string_view value) {
  header.text.append(tag).append(value).append(kCrLf);
  header.list_lines.emplace_back(std::string(tag).append(value));
}

}  // namespace

CabrilloHeader ComposeHeader(const ContestData& data) {
  CabrilloHeader header;
  AddLine(header, "START-OF-LOG: Beta 2.2", "");
  AddLine(header, "CREATED-BY: PELIKAN by QAZMIX", "");
  AddLine(header, "CALLSIGN: ", data.Callsign);
  AddLine(header, "CONTEST: ", data.ContestName);
  AddLine(header, "LICENCE-YEAR: ", data.LicenceYear);
  AddLine(header, "CATEGORY: ", data.Category);
  AddLine(header, "CATEGORY-OVERLAY: ", data.CategoryOverlay);
  AddLine(header, "TEAM: ", data.Team);
  AddLine(header, "CLUB: ", data.Club);
  constexpr std::string_view kScoreTag = "CLAIMED-SCORE: ";
  header.score_offset = header.text.size() + kScoreTag.size();
  AddLine(header, kScoreTag, "");
  AddLine(header, "OPERATORS: ", data.Operators);
  AddLine(header, "NAME: ", data.EntrantName);
  AddLine(header, "ADDRESS: ", data.Street);
  AddLine(header, "ADDRESS: ", data.PostalCodeAndPlace);
  AddLine(header, "ADDRESS: ", data.AddressExtra);
  AddLine(header, "SOAPBOX: ", data.Soapbox);
  // The file always carries the soapbox line; the list shows it only when
  // there is something to read.
  if (data.Soapbox.empty()) header.list_lines.pop_back();
  return header;
}

}  // namespace pelikan
