// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/conversion.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "contest/editing_rules.h"
#include "contest/header.h"
#include "engine/adif_reader.h"
#include "engine/cabrillo_reader.h"
#include "engine/log_text.h"
#include "engine/messages.h"
#include "engine/summary.h"

namespace pelikan {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EqualUpperCased(std::string_view text, std::string_view upper) {
  return text.size() == upper.size() &&
         std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) { return ToUpperCp1250(a) == b; });
}

// yyyymmddhhmm of a valid date and time, or 0.
std::uint64_t MomentOf(std::string_view date, std::string_view time) {
  if (!IsIsoDate(date) || !IsHhmm(time)) return 0;
  return ((DecimalValue(date.substr(0, 4)) * 100 + DecimalValue(date.substr(5, 2))) * 100 +
          DecimalValue(date.substr(8, 2))) *
             10000 +
         DecimalValue(time);
}

// Writes `value` in decimal at the start of `room`; returns it as text.
template <std::size_t size>
std::string_view Decimal(std::uint32_t value, std::array<char, size>& room) {
  std::size_t length = 0;
  for (std::uint32_t rest = value; length == 0 || rest > 0; rest /= 10) ++length;
  for (std::size_t i = length; i-- > 0; value /= 10) room[i] = static_cast<char>('0' + value % 10);
  return {room.data(), length};
}

}  // namespace

Conversion::Conversion(const ContestData& data, std::size_t log_size)
    : data_(data),
      header_(ComposeHeader(data)),
      // The header and a claimed score of up to 20 digits.
      head_room_(header_.text.size() + 20),
      own_call_(ToUpperCp1250(TrimBlanks(data.Callsign))),
      licence_year_(ToUpperCp1250(TrimBlanks(data.LicenceYear))) {
  for (const std::string& line : header_.list_lines) result_.result_list.push_back(line);
  // A QSO line, and a listing line, runs up to twice as long as a tersely
  // written log line. Text room that is reserved but never written costs no
  // memory (its pages are never touched), while growing copies everything
  // (bench/README.md).
  // The count of lines grows from a low guess: a log of short lines must not
  // keep a too large index and its grown copy at once.
  log_size = std::min(log_size, kMaxLogBytes);
  OutputText.reserve(head_room_ + 2 * log_size + 16);
  OutputText.assign(head_room_, ' ');
  result_.result_list.Reserve(log_size / 40, 2 * log_size);
}

ConversionResult Conversion::Run(std::string_view log, LogFormat format, bool utf8,
                                 const std::filesystem::path& log_path) {
  if (format == LogFormat::kListing) {
    ForEachLine(log, [this](std::string_view line) { HandleLine(line); });
  } else {
    int line_too_long = 0;
    ReadRecords(log, format == LogFormat::kAdif ? ReadAdif(log, utf8, kMaxRecords, notes_)
                                                : ReadCabrillo(log, kMaxRecords, kMaxLineBytes, notes_, line_too_long));
    if (line_too_long != 0) {
      line_number_ = line_too_long;
      stop_ = FailureKind::kLineTooLong;
      running_ = false;
    }
  }
  if (!running_) return Fail({stop_, log_path, {}, stop_ == FailureKind::kLineTooLong ? line_number_ : 0, 0, {}});
  return Finish();
}

void Conversion::HandleLine(std::string_view line) {
  if (!running_) return;
  ++line_number_;
  line_as_read_ = line;
  if (line.size() > kMaxLineBytes) {
    stop_ = FailureKind::kLineTooLong;
    running_ = false;
    return;
  }
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.starts_with("Band") || trimmed.starts_with("----")) return;
  if (line.starts_with("SOAPBOX") && line.size() > 10) {
    HandleSoapbox(line);
    return;
  }
  if (line.starts_with("QSO:")) line.remove_prefix(4);
  // An empty or blank line has no fields and goes below without a note.
  SplitFields(line, LineFields);
  if (!LayoutKnown) {
    const std::optional<ColumnLayout> layout = DetectLayout(LineFields);
    if (!layout) {
      NoteIfContact(NoteKind::kContactBeforeColumns);
      return;
    }
    layout_ = *layout;
    SentExchange = data_.LicenceYear;
    LayoutKnown = true;
  }
  if (LineFields.size() < 8) {
    NoteIfContact(NoteKind::kContactTooShort);
    return;
  }
  ConvertContact();
  running_ = Counted();
}

bool Conversion::Counted() {
  if (RecordCount == kMaxRecords) return false;
  ++RecordCount;
  return true;
}

void Conversion::HandleSoapbox(std::string_view line) {
  if (!SoapboxSeen) {
    SoapboxSeen = true;
    // When the form's soapbox is empty, the header ends with the line
    // "SOAPBOX: " alone, and the log's lines take its place, when they come
    // before the contacts. Only that whole line goes: a soapbox text that
    // itself ends in "SOAPBOX: " stays.
    constexpr std::string_view kEmptyEntry = "\r\nSOAPBOX: \r\n";
    if (OutputText.size() == head_room_ && header_.text.ends_with(kEmptyEntry)) {
      header_.text.resize(header_.text.size() + 2 - kEmptyEntry.size());
    }
  }
  result_.result_list.push_back(line);
  OutputText.append(line).append(kCrLf);
}

void Conversion::NoteIfContact(NoteKind kind) {
  if (LooksLikeContact(LineFields)) Note(kind);
}

void Conversion::ConvertContact() {
  // Columns past the end of a short line read as empty fields.
  const auto widest = static_cast<std::size_t>(
      std::max({layout_.SentReportColumn, layout_.ReceivedReportColumn, layout_.MultiplierColumn, layout_.CallColumn}));
  if (LineFields.size() <= widest) LineFields.resize(widest + 1);
  settings_.Settle(LineFields, layout_);

  // The call and the received report are padded where they stand: a column
  // that is also the first or the date column reads padded there too.
  std::string_view& call = LineFields[static_cast<std::size_t>(layout_.CallColumn)];
  std::string_view& report = LineFields[static_cast<std::size_t>(layout_.ReceivedReportColumn)];
  const std::string_view call_as_written = call;
  call = Padded(call, call_room_, false);
  report = Padded(report, report_room_, true);
  AddContact({LineFields[0],
              settings_.mode(),
              settings_.WrittenDate(LineFields),
              settings_.time(),
              {},
              SentExchange,
              call,
              report,
              LineFields[static_cast<std::size_t>(layout_.MultiplierColumn)]},
             call_as_written);
}

void Conversion::ReadRecords(std::string_view text, RecordLog log) {
  std::vector<LogRecord>& records = log.records;
  // Lines are counted from the records' offsets as the notes need them, in
  // log order: before a sort, for all of them.
  LineCounter lines(text);
  record_lines_ = &lines;
  const auto counted = [&lines](LogRecord& record) {
    if (record.line == 0) record.line = lines.LineAt(record.offset);
  };
  // Some loggers export newest first; checkers want time order, and the
  // duplicates are the later contacts.
  const auto earlier = [](const LogRecord& a, const LogRecord& b) { return a.when < b.when; };
  if (!std::is_sorted(records.begin(), records.end(), earlier)) {
    std::for_each(records.begin(), records.end(), counted);
    std::stable_sort(records.begin(), records.end(), earlier);
    Note(NoteKind::kPutInTimeOrder);
  }
  // The form's own soapbox line stands in the header already: a Cabrillo
  // file of ours read back gives the same file again.
  const std::string own_soapbox = "SOAPBOX: " + data_.Soapbox;
  for (const std::string_view line : log.soapbox_lines) {
    if (line != own_soapbox) HandleSoapbox(line);
  }
  for (LogRecord& record : records) {
    record_ = &record;
    line_as_read_ = record.text;
    ConvertRecord(record);
    if (!(running_ = Counted())) break;
  }
  record_ = nullptr;
  line_as_read_ = {};
  if (log.left_out > 0) Note(NoteKind::kOtherBandOrMode, 0, log.left_out);
  if (usual_reports_ > 0) Note(NoteKind::kUsualReportTaken, 0, usual_reports_);
  if (log.unclaimed > 0) Note(NoteKind::kUnclaimedLeftOut, 0, log.unclaimed);
}

void Conversion::ConvertRecord(const LogRecord& r) {
  if (!r.own_call.empty() && !EqualUpperCased(r.own_call, own_call_)) {
    const std::string call = ToUpperCp1250(r.own_call);
    auto [differing, first] = own_calls_differing_.try_emplace(call, nullptr);
    if (first) {
      differing->second = Note(NoteKind::kOwnCallDiffers, 0, 1);
      if (differing->second) differing->second->text = call.substr(0, kMaxNoteText);
    } else if (differing->second) {
      ++differing->second->count;
    }
  }
  if (!r.sent_exchange.empty() && !EqualUpperCased(r.sent_exchange, licence_year_)) {
    if (!sent_exchange_seen_) {
      sent_exchange_seen_ = true;
      if ((sent_exchange_differs_ = Note(NoteKind::kSentExchangeDiffers, 0, 0))) {
        sent_exchange_differs_->text = r.sent_exchange.substr(0, kMaxNoteText);
      }
    }
    if (sent_exchange_differs_) ++sent_exchange_differs_->count;
  }

  std::string_view report = r.received_report;
  if (report.empty()) {
    report = r.mode == "CW" ? "599" : "59";
    ++usual_reports_;
  }
  std::string_view date = r.date;
  if (r.compact_date) {
    std::copy_n(date.begin(), 4, date_room_.begin());
    date_room_[4] = date_room_[7] = '-';
    std::copy_n(date.begin() + 4, 2, date_room_.begin() + 5);
    std::copy_n(date.begin() + 6, 2, date_room_.begin() + 8);
    date = {date_room_.data(), date_room_.size()};
  }
  AddContact({r.khz != 0 ? Decimal(r.khz, frequency_room_) : r.frequency,
              r.mode,
              date,
              r.time,
              {},
              data_.LicenceYear,
              Padded(r.worked_call, call_room_, false),
              Padded(report, report_room_, true),
              r.exchange},
             r.worked_call);
}

void Conversion::AddContact(const ContactPieces& pieces, std::string_view call_as_written) {
  std::string& own_call = data_.Callsign;
  if (own_call.size() < kOwnCallWidth) own_call.append(kOwnCallWidth - own_call.size(), ' ');
  ContactPieces contact = pieces;
  contact.own_call = own_call;
  if (const unsigned faults = FaultyQsoPieces({contact.band, contact.mode, contact.date, contact.time,
                                               contact.worked_call, contact.received_report, contact.exchange})) {
    Note(NoteKind::kFaultyQsoLine, faults);
  }
  if (ReportMisfitsMode(contact.received_report, contact.mode)) Note(NoteKind::kReportNotForMode);
  // The mark of a Cabrillo file without its header read as a listing.
  if (!own_call_.empty() && EqualUpperCased(call_as_written, own_call_)) {
    if (!own_call_worked_seen_) {
      own_call_worked_seen_ = true;
      own_call_worked_ = Note(NoteKind::kOwnCallWorked);
    }
    if (own_call_worked_) ++own_call_worked_->count;
  }
  const std::uint64_t moment = MomentOf(contact.date, contact.time);
  if (moment != 0 && moment < last_moment_) Note(NoteKind::kOutOfOrder);
  last_moment_ = moment;
  WriteContactLines(contact, result_.result_list, OutputText);
  RegisterQso(contact.mode, call_as_written, contact.worked_call, contact.exchange);
}

void Conversion::RegisterQso(std::string_view mode, std::string_view call_as_written, std::string_view padded_call,
                             std::string_view exchange) {
  const bool phone = mode == "PH";
  QsoRegister& calls = phone ? registers_.PhCalls : registers_.CwCalls;
  QsoRegister& multipliers = phone ? registers_.PhMultipliers : registers_.CwMultipliers;
  // The register keeps the call as it stands in the log, not its padded
  // copy: padding only adds blanks, which no field ends in, so two calls are
  // the same padded exactly when they are the same as written. Only the
  // empty call, all blanks once padded, needs a text of its own.
  static constexpr std::string_view kBlankCall = "      ";
  if (!calls.Add(call_as_written.empty() ? kBlankCall : call_as_written)) {
    constexpr std::string_view kDuplicate = " DVOJNA ZVEZA Z  ";
    char* const line = result_.result_list.AddBlankLine(kDuplicate.size() + padded_call.size());
    std::memcpy(line, kDuplicate.data(), kDuplicate.size());
    std::memcpy(line + kDuplicate.size(), padded_call.data(), padded_call.size());
  }
  multipliers.Add(exchange);
}

LogNote* Conversion::Note(NoteKind kind, unsigned faulty_pieces, int count) {
  // Information, and the note that no contact was found, concern the whole
  // log; every other note its line.
  const bool whole_log = !IsWarning(kind) || kind == NoteKind::kNoContact;
  if (!whole_log && record_ != nullptr) {
    if (record_->line == 0) record_->line = record_lines_->LineAt(record_->offset);
    line_number_ = record_->line;
  }
  return notes_.Add(kind, whole_log ? 0 : line_number_, whole_log ? std::string_view() : line_as_read_, faulty_pieces,
                    count);
}

ConversionResult Conversion::Fail(ConversionFailure failure) {
  result_.record_count = RecordCount;
  result_.notes = notes_.Take();
  result_.notes_not_kept = notes_.not_kept();
  result_.failure = std::move(failure);
  return std::move(result_);
}

ConversionResult Conversion::Finish() {
  ConversionResult& r = result_;
  const Totals totals = {RecordCount, static_cast<int>(registers_.CwCalls.size()),
                         static_cast<int>(registers_.PhCalls.size()), static_cast<int>(registers_.CwMultipliers.size()),
                         static_cast<int>(registers_.PhMultipliers.size())};
  r.record_count = RecordCount;
  r.cw_contacts = totals.cw_contacts;
  r.ph_contacts = totals.ph_contacts;
  r.cw_multipliers = totals.cw_multipliers;
  r.ph_multipliers = totals.ph_multipliers;
  r.duplicates = totals.duplicates();
  r.claimed_score = totals.claimed_score();
  AddSummary(totals, r.result_list);
  // An empty file, a letter or another contest's log gives a file with a
  // header alone, which an entrant might send.
  if (RecordCount == 0) Note(NoteKind::kNoContact);
  r.notes = notes_.Take();
  r.notes_not_kept = notes_.not_kept();

  // The header with the score goes in the room before the contacts.
  const std::string score = std::to_string(r.claimed_score);
  const std::string_view text = header_.text;
  const std::size_t start = head_room_ - text.size() - score.size();
  OutputText.replace(
      start, text.size() + score.size(),
      std::string(text.substr(0, header_.score_offset)).append(score).append(text.substr(header_.score_offset)));
  OutputText.append("END-OF-LOG:").append(kCrLf);
  r.cabrillo_text = std::move(OutputText);
  r.cabrillo_start = start;
  r.processed_message = ProcessedMessage(RecordCount);
  return std::move(r);
}

}  // namespace pelikan
