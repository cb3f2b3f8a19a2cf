// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_CONTEST_DATA_H_
#define PELIKAN_CONTEST_CONTEST_DATA_H_

#include <string>

namespace pelikan {

// The thirteen contest data fields as the user left them, as Windows-1250
// bytes. contest/fields.h tells what each one is.
struct ContestData {
  // The start texts of a fresh window.
  ContestData();

  std::string Callsign;            // Text1(0)
  std::string ContestName;         // Text1(1)
  std::string LicenceYear;         // Text1(2)
  std::string Category;            // Combo1(0)
  std::string CategoryOverlay;     // Combo1(1)
  std::string Team;                // Text1(3)
  std::string Club;                // Text1(4)
  std::string Operators;           // Text1(5)
  std::string EntrantName;         // Text1(6)
  std::string Street;              // Text1(7)
  std::string PostalCodeAndPlace;  // Text1(8)
  std::string AddressExtra;        // Text1(9)
  std::string Soapbox;             // Text1(10)

  bool operator==(const ContestData&) const = default;
};

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_CONTEST_DATA_H_
