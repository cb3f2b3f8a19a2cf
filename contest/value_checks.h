// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_VALUE_CHECKS_H_
#define PELIKAN_CONTEST_VALUE_CHECKS_H_

#include <string>
#include <vector>

#include "contest/contest_data.h"
#include "contest/fields.h"

namespace pelikan {

// A field value that is plainly odd. Not a refusal, since the committee may
// take it, but worth a look before the file goes out.
struct FieldWarning {
  const ContestField* field;
  std::string slovenian;  // UTF-8, for the window and the browser
  std::string english;    // the same in English
  std::string converter;  // the converter's words, which name its option
};

// The odd values of `data`, in field order: a licence year that is not a
// four-digit year from 1900 to the year after `this_year`, an empty contest
// name, and operators with a blank after a comma (the field's tip asks for
// none). A missing required field is not one of them: it is refused.
std::vector<FieldWarning> CheckFieldValues(const ContestData& data, int this_year);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_VALUE_CHECKS_H_
