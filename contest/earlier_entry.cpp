// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/earlier_entry.h"

#include <algorithm>
#include <vector>

#include "contest/cp1250.h"
#include "contest/editing_rules.h"

namespace pelikan {
namespace {

constexpr std::string_view kOurCreatedBy = "PELIKAN";

// A value without the blanks around it; tabs and other control characters
// become blanks first, as the form's single-line fields could not hold them.
std::string ValueOf(std::string_view raw) {
  std::string value(raw);
  std::replace_if(
      value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

// Cabrillo parts calls with blanks; the form wants commas (and takes any
// commas a logger wrote already).
void AddOperators(std::string_view calls, std::string& operators) {
  for (std::size_t i = 0; i < calls.size();) {
    const std::size_t start = calls.find_first_not_of(" ,", i);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(calls.find_first_of(" ,", start), calls.size());
    if (!operators.empty()) operators += ',';
    operators.append(calls.substr(start, end - start));
    i = end;
  }
}

// The header's lines as tag and value, up to the first contact or the end.
struct HeaderLine {
  std::string_view tag;
  std::string value;
};

std::vector<HeaderLine> HeaderLines(std::string_view text) {
  std::vector<HeaderLine> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;  // the LF of a CR LF is an empty line, skipped below
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view tag = line.substr(0, colon);
    tag.remove_prefix(std::min(tag.find_first_not_of(" \t"), tag.size()));
    if (EqualsNoCase(tag, "QSO") || EqualsNoCase(tag, "X-QSO") || EqualsNoCase(tag, "END-OF-LOG")) break;
    lines.push_back({tag, ValueOf(line.substr(colon + 1))});
  }
  return lines;
}

// A header line that fills one field as it stands.
struct Taken {
  std::string_view tag;
  std::string ContestData::*value;
  bool ours_only;
};
constexpr Taken kTaken[] = {
    {"CALLSIGN", &ContestData::Callsign, false}, {"NAME", &ContestData::EntrantName, false},
    {"CLUB", &ContestData::Club, false},         {"CONTEST", &ContestData::ContestName, true},
    {"CATEGORY", &ContestData::Category, true},  {"CATEGORY-OVERLAY", &ContestData::CategoryOverlay, true},
    {"TEAM", &ContestData::Team, true},          {"LICENCE-YEAR", &ContestData::LicenceYear, true},
};

// The caption as a list names it, without the star.
std::string_view ShortCaption(const ContestField& field, Language language) {
  std::string_view caption = CaptionOf(field, language);
  if (caption.ends_with(" *")) caption.remove_suffix(2);
  return caption;
}

std::string FieldNames(const EarlierEntry& entry, bool filled, Language language) {
  std::string names;
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    if (entry.filled[i] != filled) continue;
    if (!names.empty()) names += ", ";
    names += ShortCaption(kContestFields[i], language);
  }
  return names;
}

}  // namespace

std::optional<EarlierEntry> ReadEarlierEntry(std::string_view file) {
  file = file.substr(0, std::min(file.size(), kEarlierEntryReadLimit));
  // A file saved as UTF-8 is read as the Windows-1250 it would be.
  const std::optional<std::string> recoded = Utf8LogAsCp1250(file);
  const std::string_view text = recoded ? std::string_view(*recoded) : file;
  const std::string_view header = text.substr(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
  if (!StartsWithNoCase(header, "START-OF-LOG:")) return std::nullopt;
  const std::vector<HeaderLine> lines = HeaderLines(header);

  EarlierEntry entry;
  std::vector<std::string_view> address;
  std::string_view postal_code, city, country;
  for (const HeaderLine& line : lines) {
    if (EqualsNoCase(line.tag, "CREATED-BY")) entry.ours = StartsWithNoCase(line.value, kOurCreatedBy);
  }
  ContestData& d = entry.data;
  for (const ContestField& field : kContestFields) (d.*field.value).clear();
  for (const HeaderLine& line : lines) {
    if (line.value.empty()) continue;
    if (EqualsNoCase(line.tag, "OPERATORS")) {
      AddOperators(line.value, d.Operators);
    } else if (EqualsNoCase(line.tag, "ADDRESS")) {
      address.push_back(line.value);
    } else if (EqualsNoCase(line.tag, "ADDRESS-POSTALCODE")) {
      postal_code = line.value;
    } else if (EqualsNoCase(line.tag, "ADDRESS-CITY")) {
      city = line.value;
    } else if (EqualsNoCase(line.tag, "ADDRESS-COUNTRY")) {
      country = line.value;
    }
    for (const Taken& taken : kTaken) {
      if (EqualsNoCase(line.tag, taken.tag) && (entry.ours || !taken.ours_only) && (d.*taken.value).empty()) {
        d.*taken.value = line.value;
      }
    }
  }
  if (!address.empty()) d.Street = address[0];
  if (address.size() > 1) {
    d.PostalCodeAndPlace = address[1];
  } else if (!postal_code.empty() || !city.empty()) {
    d.PostalCodeAndPlace = ValueOf(std::string(postal_code) + ' ' + std::string(city));
  }
  for (std::size_t i = 2; i < address.size(); ++i) {
    if (i > 2) d.AddressExtra += ", ";
    d.AddressExtra += address[i];
  }
  if (address.size() <= 2) d.AddressExtra = country;
  // A value the field's leaving rule empties (a club of two characters)
  // fills nothing either.
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& field = kContestFields[i];
    entry.filled[i] = !TextAfterLeaving(field, d.*field.value).empty();
  }
  return entry;
}

void FillFromEarlierEntry(const EarlierEntry& entry, ContestData& data) {
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& field = kContestFields[i];
    if (entry.filled[i]) data.*field.value = TextAfterLeaving(field, entry.data.*field.value);
  }
}

std::string FilledMessage(const EarlierEntry& entry, std::string_view file_name, Language language) {
  const bool english = language == Language::kEnglish;
  const std::string name(file_name);
  std::string message;
  if (entry.filled.none()) {
    message = english ? name + " holds data for none of the fields; they are left as they were."
                      : "Datoteka " + name + " nima podatkov za nobeno polje; polja so ostala, kot so bila.";
  } else {
    message = (english ? "Filled from " + name + ": " : "Iz datoteke " + name + " so vpisana polja: ") +
              FieldNames(entry, true, language) + ".";
    if (!entry.filled.all()) {
      message +=
          (english ? " Left as they were: " : " Ostala so, kot so bila: ") + FieldNames(entry, false, language) + ".";
    }
  }
  if (!entry.ours) {
    message += english ? " The contest, category, overlay, team and licence year are taken only from an entry "
                         "that Pelikan made."
                       : " Tekmovanje, kategorija, overlay, ekipa in letnica licence se vzamejo le iz prijave, ki jo "
                         "je izdelal Pelikan.";
  }
  return message;
}

std::string NotAnEntryMessage(std::string_view file_name, Language language) {
  const std::string name(file_name);
  return language == Language::kEnglish
             ? name + " is no Cabrillo file (it does not begin with START-OF-LOG:); the fields are left as they were."
             : "Datoteka " + name + " ni datoteka CBR (ne začne se s START-OF-LOG:); polja so ostala, kot so bila.";
}

}  // namespace pelikan
