// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contact_line.h"

#include <algorithm>

#include "engine/log_text.h"

namespace pelikan {
namespace {

bool IsReport(std::string_view field) { return field == "599" || field == "59"; }

// Field `index` of `fields`, or an empty one past either end.
std::string_view Field(const std::vector<std::string_view>& fields, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < fields.size() ? fields[static_cast<std::size_t>(index)]
                                                                       : std::string_view();
}

// A time is kept without its colons: "06:01:30" gives "060130".
void AssignWithoutColons(std::string& time, std::string_view text) {
  time.clear();
  for (const char c : text) {
    if (c != ':') time += c;
  }
}

// Lays a line out in text already filled with blanks: pieces are copied in
// and blank runs skipped. A contact's two lines are built this way, each at
// its final size at once, because piecewise appends (a capacity check and a
// copy call for every piece) cost half again as many instructions
// (bench/README.md, "LineWriter").
class LineWriter {
 public:
  explicit LineWriter(char* at) : at_(at) {}
  LineWriter& Put(std::string_view piece) {
    CopyPiece(at_, piece.data(), piece.size());
    at_ += piece.size();
    return *this;
  }
  LineWriter& Skip(std::size_t blanks) {
    at_ += blanks;
    return *this;
  }

 private:
  char* at_;
};

}  // namespace

std::optional<ColumnLayout> DetectLayout(const std::vector<std::string_view>& fields) {
  const auto report = std::find_if(fields.begin(), fields.end(), IsReport);
  if (report == fields.end()) return std::nullopt;
  const int i = static_cast<int>(report - fields.begin());
  return ColumnLayout{i, i + 1, i + 2, i > 0 ? i - 1 : 0};
}

void ContactSettings::Settle(std::vector<std::string_view>& fields, const ColumnLayout& layout) {
  date_.reset();
  SettleMode(fields, layout);
  if (fields[0].starts_with("80")) fields[0] = "3500";
  SettleTimeAndDate(fields, layout);
  NormaliseTime(fields, layout);
}

void ContactSettings::SettleMode(const std::vector<std::string_view>& fields, const ColumnLayout& layout) {
  const std::string_view named = Field(fields, 1);
  if (named == "CW") {
    mode_ = "CW";
  } else if (named == "SSB" || named == "PH") {
    mode_ = "PH";
  } else {
    // The last field before the call that ends in a mode's name.
    for (int i = 0; i < layout.CallColumn; ++i) {
      const std::string_view field = Field(fields, i);
      if (field.ends_with("CW")) {
        mode_ = "CW";
      } else if (field.ends_with("SSB") || field.ends_with("PH")) {
        mode_ = "PH";
      }
    }
  }
}

void ContactSettings::SettleTimeAndDate(const std::vector<std::string_view>& fields, const ColumnLayout& layout) {
  // The last field before the call that reads as a time wins; a line that
  // starts with "QSO:" kept as a field takes its time from before the call.
  for (int i = 0; i < layout.CallColumn; ++i) {
    const std::string_view field = Field(fields, i);
    if (field.size() >= 3 && field[2] == ':') {
      AssignWithoutColons(time_, field);
      time_without_colons_from_ = field;
    } else if (Field(fields, 0) == "QSO:" && Field(fields, layout.SentReportColumn - 2).size() == 4) {
      time_ = Field(fields, layout.SentReportColumn - 2);
      time_without_colons_from_ = {};
    } else if (field.size() == 4) {
      time_ = field;
      time_without_colons_from_ = {};
    }
    if (field.size() > 5) {
      if (const std::optional<IsoDate>& date = DateOf(field)) {
        date_column_ = i;
        date_ = date;
      }
    }
  }
}

void ContactSettings::NormaliseTime(const std::vector<std::string_view>& fields, const ColumnLayout& layout) {
  // Times written without a leading zero (7:45) or with seconds (06:01:30)
  // become hhmm. A "QSO:" kept as a field is no time. The fields are a few
  // bytes long, and std::find looks through them inline where
  // string_view::find called memchr for each, five times a contact; with the
  // copy below left out when the scan took the same field, a whole
  // conversion takes fewer instructions (bench/README.md, "Time copied
  // once").
  if (time_.empty() || time_[0] < '0' || time_[0] > '9') return;
  for (int i = 0; i < layout.CallColumn; ++i) {
    std::string_view field = Field(fields, i);
    if (field == "QSO:") continue;
    const auto colon = std::find(field.begin(), field.end(), ':');
    if (colon == field.end()) continue;
    field = field.substr(0, static_cast<std::size_t>(std::find(colon + 1, field.end(), ':') - field.begin()));
    // Most lines get here with the field the scan above took already.
    if (field.data() != time_without_colons_from_.data() || field.size() != time_without_colons_from_.size()) {
      AssignWithoutColons(time_, field);
    }
    if (time_.size() < 4) time_.insert(0, 4 - time_.size(), '0');
    return;
  }
}

std::string_view ContactSettings::WrittenDate(const std::vector<std::string_view>& fields) {
  const std::string_view date_field = Field(fields, date_column_);
  // The date was recognised in the scan when this line set the column.
  if (!date_) date_ = DateOf(date_field);
  return date_ ? std::string_view(date_->data(), date_->size()) : date_field;
}

const std::optional<ContactSettings::IsoDate>& ContactSettings::DateOf(std::string_view text) {
  if (text != last_date_text_) {
    last_date_text_.assign(text);
    last_date_.reset();
    if (const std::optional<std::string> date = RecognizeDate(text)) {
      last_date_.emplace();
      std::copy_n(date->begin(), last_date_->size(), last_date_->begin());
    }
  }
  return last_date_;
}

namespace {

// The length of what both lines hold up to the own call, "QSO:  " included.
std::size_t SharedLength(const ContactPieces& c) {
  return 6 + c.band.size() + 1 + c.mode.size() + 1 + c.date.size() + 1 + c.time.size() + 1 + c.own_call.size();
}

// The length of what both lines hold from the sent report on, but the
// blanks between the worked call and the received report.
std::size_t RestLength(const ContactPieces& c) {
  return 2 + c.sent_exchange.size() + 5 + c.worked_call.size() + c.received_report.size() + 2 + c.exchange.size();
}

// What both lines hold from the sent report on, fixed by the mode: 599 for
// CW, 59 otherwise.
LineWriter& PutRest(LineWriter& line, const ContactPieces& c, std::size_t call_blanks) {
  return line.Put(c.mode == "CW" ? "599" : " 59")
      .Skip(2)
      .Put(c.sent_exchange)
      .Skip(5)
      .Put(c.worked_call)
      .Skip(call_blanks)
      .Put(c.received_report)
      .Skip(2)
      .Put(c.exchange);
}

// The listing line: the received report in a column of 13 after the call.
// Returns where it stands, for the QSO line to take its first part.
const char* WriteListingLine(const ContactPieces& c, ResultList& list) {
  const std::size_t call_blanks = c.worked_call.size() < 13 ? 13 - c.worked_call.size() : 0;
  char* const line = list.AddBlankLine(SharedLength(c) + 9 + RestLength(c) + call_blanks);
  PutRest(LineWriter(line)
              .Put("QSO:")
              .Skip(2)
              .Put(c.band)
              .Skip(1)
              .Put(c.mode)
              .Skip(1)
              .Put(c.date)
              .Skip(1)
              .Put(c.time)
              .Skip(1)
              .Put(c.own_call)
              .Skip(6),
          c, call_blanks);
  return line;
}

// The QSO line, ended by CR LF: at least one blank between the call and the
// received report, which is right-aligned in ten.
void WriteQsoLine(const ContactPieces& c, std::string_view shared, std::string& cabrillo) {
  constexpr std::string_view kCrLf = "\r\n";
  const std::size_t call_blanks = c.received_report.size() < 10 ? 10 - c.received_report.size() : 1;
  const std::size_t start = cabrillo.size();
  cabrillo.append(shared.size() + 10 + RestLength(c) + call_blanks + kCrLf.size(), ' ');
  PutRest(LineWriter(cabrillo.data() + start).Put(shared).Skip(7), c, call_blanks).Put(kCrLf);
}

}  // namespace

void WriteContactLines(const ContactPieces& contact, ResultList& list, std::string& cabrillo) {
  const char* const listing = WriteListingLine(contact, list);
  WriteQsoLine(contact, std::string_view(listing, SharedLength(contact)), cabrillo);
}

}  // namespace pelikan
