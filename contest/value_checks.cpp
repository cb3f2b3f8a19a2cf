// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/value_checks.h"

#include <algorithm>

namespace pelikan {
namespace {

bool IsYear(std::string_view text, int last) {
  if (text.size() != 4 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const int year = std::stoi(std::string(text));
  return year >= 1900 && year <= last;
}

const ContestField& FieldOf(std::string ContestData::*value) {
  return *std::find_if(kContestFields.begin(), kContestFields.end(),
                       [value](const ContestField& field) { return field.value == value; });
}

}  // namespace

std::vector<FieldWarning> CheckFieldValues(const ContestData& data, int this_year) {
  std::vector<FieldWarning> warnings;
  if (!data.LicenceYear.empty() && !IsYear(data.LicenceYear, this_year + 1)) {
    warnings.push_back({&FieldOf(&ContestData::LicenceYear),
                        "Leto licence naj bo štirimestna letnica od 1900 do prihodnjega leta.",
                        "The licence year should be a four-digit year from 1900 to next year.",
                        "--licence-year is not a four-digit year from 1900 to next year"});
  }
  if (data.ContestName.empty()) {
    warnings.push_back({&FieldOf(&ContestData::ContestName), "Ime tekmovanja je prazno.",
                        "The contest's name is empty.", "--contest is empty"});
  }
  if (data.Operators.find(", ") != std::string::npos) {
    warnings.push_back({&FieldOf(&ContestData::Operators), "Med operatorji naj za vejico ne bo presledka.",
                        "There should be no blank after a comma between the operators.",
                        "--operators has a blank after a comma"});
  }
  return warnings;
}

}  // namespace pelikan
