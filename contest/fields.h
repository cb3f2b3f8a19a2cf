// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_FIELDS_H_
#define PELIKAN_CONTEST_FIELDS_H_

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "contest/contest_data.h"
#include "contest/words.h"

namespace pelikan {

// One of the thirteen contest data fields: what every front end shows of
// it, and what it feeds. Captions and tips are UTF-8, Slovenian and English
// (whose tips name the Cabrillo line the field fills); start texts are
// Windows-1250 (ASCII, as it happens), the same in both languages, as they
// are the entry's.
struct ContestField {
  std::string ContestData::*value;
  bool list;        // an editable list (Combo1) rather than a text box (Text1)
  int index;        // in Text1, or in Combo1 for a list
  int label_index;  // in Label1, which has no Label1(4)
  std::string_view caption;
  std::string_view tip;  // empty for none
  std::string_view start_text;
  std::string_view header_key;  // the Cabrillo header line it feeds
  // Part of the readiness rule: a required text must not be empty, and the
  // category list has a flag of its own (CategoryChosen). The contest's
  // caption carries a star, yet it is not required.
  bool required;
  bool upper_cased;         // upper-cased when the field is left
  std::string_view option;  // the converter's option, without "--"
  std::string_view help;    // the converter's words for it
  std::string_view english_caption;
  std::string_view english_tip;
};

// The fields in tab order, which is also the order of their header lines.
// clang-format off
inline constexpr std::array<ContestField, 13> kContestFields = {{
    {&ContestData::Callsign, false, 0, 0, "Znak *", "", "S5", "CALLSIGN: ", true, true, "callsign", "own call sign",
     "Callsign *", "CALLSIGN: your station's call sign"},
    {&ContestData::ContestName, false, 1, 1, "Contest *", "", "KV prvenstvo ZRS", "CONTEST: ", false, true, "contest",
     "contest", "Contest *", "CONTEST: the contest's name"},
    {&ContestData::LicenceYear, false, 2, 2, "Licence-year *", "", "", "LICENCE-YEAR: ", true, true, "licence-year",
     "licence year, the sent exchange", "Licence year *", "LICENCE-YEAR: the year of your licence, the exchange you send"},
    {&ContestData::Category, true, 0, 3, "Kategorija *", "", "", "CATEGORY: ", true, false, "category",
     "category, e.g. \"SINGLE-OP 80M LOW CW\"", "Category *", "CATEGORY: your entry's category"},
    {&ContestData::CategoryOverlay, true, 1, 5, "Kategorija-overlay", "", "", "CATEGORY-OVERLAY: ", false, false,
     "category-overlay", "category overlay", "Category overlay", "CATEGORY-OVERLAY: an overlay, if you enter one"},
    {&ContestData::Team, false, 3, 6, "Ekipa", "", "", "TEAM: ", false, true, "team", "team", "Team",
     "TEAM: your team's name"},
    {&ContestData::Club, false, 4, 7, "Klub", "Vpiši cel znak kluba, naveden v klubski prijavi", "", "CLUB: ", false,
     true, "club", "club call sign", "Club", "CLUB: the club's full call sign, as the club's entry names it"},
    {&ContestData::Operators, false, 5, 8, "Operatorji", "Več operatorjev loči z vejico brez presledkov", "",
     "OPERATORS: ", false, true, "operators", "operators, separated by commas", "Operators",
     "OPERATORS: several operators separated by commas, without blanks"},
    {&ContestData::EntrantName, false, 6, 9, "Ime *", "", "", "NAME: ", true, false, "name", "name", "Name *",
     "NAME: your name"},
    {&ContestData::Street, false, 7, 10, "Ulica in št. *", "ločeno s presledkom", "", "ADDRESS: ", true, false,
     "street", "street and number", "Street and number *", "ADDRESS (the first line): street and number, a blank between"},
    {&ContestData::PostalCodeAndPlace, false, 8, 11, "Poštna št. in kraj *", "ločeno s presledkom", "",
     "ADDRESS: ", true, false, "postal-code-and-place", "postal code and place", "Postal code and place *",
     "ADDRESS (the second line): postal code and place, a blank between"},
    {&ContestData::AddressExtra, false, 9, 12, "Address", "", "", "ADDRESS: ", false, false, "address-extra",
     "a further address line", "Address", "ADDRESS (the third line): a further address line, such as the country"},
    {&ContestData::Soapbox, false, 10, 13, "Soapbox", "", "", "SOAPBOX: ", false, false, "soapbox", "soapbox",
     "Soapbox", "SOAPBOX: a remark for the committee"},
}};
// clang-format on

// A field's caption and tip in `language`.
constexpr std::string_view CaptionOf(const ContestField& field, Language language) {
  return language == Language::kEnglish ? field.english_caption : field.caption;
}
constexpr std::string_view TipOf(const ContestField& field, Language language) {
  return language == Language::kEnglish ? field.english_tip : field.tip;
}

// Every field but the list ones has a text box.
inline constexpr int kText1Count = static_cast<int>(
    std::count_if(kContestFields.begin(), kContestFields.end(), [](const ContestField& field) { return !field.list; }));
inline constexpr int kCallsignIndex = 0;  // in Text1
inline constexpr int kClubIndex = 4;      // in Text1

// The field behind Text1(index), for 0 <= index < kText1Count.
const ContestField& Text1Field(int index);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_FIELDS_H_
