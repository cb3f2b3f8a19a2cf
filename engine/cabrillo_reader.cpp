// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/cabrillo_reader.h"

#include <algorithm>
#include <vector>

#include "engine/log_text.h"

namespace pelikan {
namespace {

std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// The whole kHz of a Cabrillo frequency, digits with an optional fraction;
// 0 when it is none. `beyond`: the fraction is not all zeros.
std::uint32_t KhzOf(std::string_view text, bool& beyond) {
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
  if (whole.empty() || whole.size() > 7 || !IsDigits(whole) || !IsDigits(fraction)) return 0;
  if (point < text.size() && fraction.empty()) return 0;
  beyond = fraction.find_first_not_of('0') != std::string_view::npos;
  return static_cast<std::uint32_t>(DecimalValue(whole));
}

}  // namespace

RecordLog ReadCabrillo(std::string_view log, std::size_t stop_after, std::size_t max_line, NoteList& notes,
                       int& line_too_long) {
  RecordLog out;
  std::vector<std::string_view> items;
  int number = 0;
  bool reading = true;
  std::uint64_t last_when = 0;
  ForEachLine(log, [&](std::string_view line) {
    ++number;
    if (!reading) return;
    if (line.size() > max_line) {
      line_too_long = number;
      reading = false;
      return;
    }
    const std::string_view tagged = WithoutLeadingBlanks(line);
    if (line.starts_with("SOAPBOX") && line.size() > 10) {
      out.soapbox_lines.push_back(line);
      return;
    }
    if (tagged.starts_with("X-QSO:")) ++out.unclaimed;
    if (tagged.starts_with("END-OF-LOG:")) reading = false;
    if (!tagged.starts_with("QSO:")) return;

    SplitItems(tagged.substr(4), items);
    const std::size_t n = items.size();
    if (n != 8 && n != 10 && n != 11) {
      notes.Add(NoteKind::kItemCount, number, line, 0, static_cast<int>(n));
      return;
    }
    const bool reports = n != 8;
    LogRecord r;
    r.line = number;
    r.text = line;
    const std::string_view mode = items[1];
    if (mode == "CW") {
      r.mode = "CW";
    } else if (mode == "PH" || mode == "SSB") {
      r.mode = "PH";
    }
    bool beyond = false;
    r.khz = KhzOf(items[0], beyond);
    if (r.khz == 0) r.frequency = items[0];
    if ((r.khz != 0 && !OnTheBand(r.khz, beyond)) || mode == "FM" || mode == "RY" || mode == "DG") {
      ++out.left_out;
      return;
    }
    if (r.mode.empty()) {
      notes.Add(NoteKind::kRecordIncomplete, number, line, kQsoMode);
      return;
    }
    r.date = items[2];
    r.time = items[3];
    r.own_call = items[4];
    r.sent_exchange = items[reports ? 6 : 5];
    r.worked_call = items[reports ? 7 : 6];
    if (reports) r.received_report = items[8];
    r.exchange = items[reports ? 9 : 7];
    if (!LooksLikeCallsign(r.worked_call)) {
      notes.Add(NoteKind::kNotACall, number, line);
      return;
    }
    if (IsIsoDate(r.date) && IsHhmm(r.time)) {
      const std::string_view d = r.date;
      last_when =
          (DecimalValue(d.substr(0, 4)) * 10000 + DecimalValue(d.substr(5, 2)) * 100 + DecimalValue(d.substr(8, 2))) *
              1000000 +
          DecimalValue(r.time) * 100;
    }
    r.when = last_when;
    if (out.records.size() <= stop_after) out.records.push_back(r);
    if (out.records.size() > stop_after) reading = false;
  });
  return out;
}

}  // namespace pelikan
