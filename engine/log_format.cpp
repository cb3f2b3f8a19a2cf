// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/log_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "contest/cp1250.h"

namespace pelikan {
namespace {

// Whether `log` holds the tag `tag` ("<EOR>"), letter case aside. Logs of
// other kinds rarely hold a "<" at all, so memchr does most of the looking.
bool HoldsTag(std::string_view log, std::string_view tag) {
  for (const char* at = log.data(); (at = static_cast<const char*>(std::memchr(at, '<', log.end() - at))); ++at) {
    if (StartsWithNoCase(log.substr(static_cast<std::size_t>(at - log.data())), tag)) return true;
  }
  return false;
}

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view log) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (log.starts_with(kByteOrderMark)) log.remove_prefix(kByteOrderMark.size());
  return log;
}

LogFormat DetectLogFormat(std::string_view log) {
  log = WithoutByteOrderMark(log);
  const std::size_t first = log.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return LogFormat::kListing;
  if (log.substr(first).starts_with("START-OF-LOG:")) return LogFormat::kCabrillo;
  // A log of records starts with one, whose end comes soon.
  if ((log[first] == '<' && HoldsTag(log, "<EOR>")) || HoldsTag(log, "<EOH>")) return LogFormat::kAdif;
  return LogFormat::kListing;
}

std::optional<std::string_view> BinaryDocumentKind(std::string_view log) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kSignatures = {{
      {"%PDF-", "PDF"},
      {"\x89PNG\r\n\x1A\n", "PNG"},
      {"\xFF\xD8\xFF", "JPEG"},
      {"GIF87a", "GIF"},
      {"GIF89a", "GIF"},
      {"PK\x03\x04", "ZIP"},
      {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", "OLE"},
  }};
  for (const auto& [signature, kind] : kSignatures) {
    if (log.starts_with(signature)) return kind;
  }
  return std::nullopt;
}

}  // namespace pelikan
