// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/fields.h"

#include <algorithm>

namespace pelikan {

ContestData::ContestData() {
  for (const ContestField& field : kContestFields) this->*field.value = field.start_text;
}

const ContestField& Text1Field(int index) {
  static constexpr auto kByText1Index = [] {
    std::array<const ContestField*, kText1Count> fields{};
    for (const ContestField& field : kContestFields) {
      if (!field.list) fields[static_cast<std::size_t>(field.index)] = &field;
    }
    return fields;
  }();
  return *kByText1Index[static_cast<std::size_t>(index)];
}

}  // namespace pelikan
