// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/conversion.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "contest/header.h"
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

}  // namespace

Conversion::Conversion(const ContestData& data, std::size_t log_size, const std::filesystem::path& cabrillo_path)
    : data_(data) {
  CabrilloHeader header = ComposeHeader(data_);
  OutputText = std::move(header.text);
  score_offset_ = header.score_offset;
  for (const std::string& line : header.list_lines) result_.result_list.push_back(line);
  result_.output_path = cabrillo_path;
  // A QSO line, and a listing line, runs up to twice as long as a tersely
  // written log line. Text room that is reserved but never written costs no
  // memory (its pages are never touched), while growing copies everything:
  // a whole conversion took 14-20 % more time.
  // The count of lines grows from a low guess: a log of short lines must not
  // keep a too large index and its grown copy at once.
  log_size = std::min(log_size, kMaxLogBytes);
  OutputText.reserve(OutputText.size() + 2 * log_size);
  result_.result_list.Reserve(log_size / 40, 2 * log_size);
}

ConversionResult Conversion::Run(std::string_view log, const std::filesystem::path& log_path, FileSystem& file_system,
                                 bool write_file) {
  ForEachLine(log, [this](std::string_view line) { HandleLine(line); });
  if (!running_) return Fail({stop_, log_path, {}, stop_ == FailureKind::kLineTooLong ? line_number_ : 0});
  return WriteOut(file_system, write_file);
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
  if (RecordCount == kMaxRecords) {
    running_ = false;
    return;
  }
  ++RecordCount;
}

void Conversion::HandleSoapbox(std::string_view line) {
  if (!SoapboxSeen) {
    SoapboxSeen = true;
    // When the form's soapbox is empty, the header ends with the line
    // "SOAPBOX: " alone, and the log's lines take its place. Only that whole
    // line goes: a soapbox text that itself ends in "SOAPBOX: " stays.
    constexpr std::string_view kEmptyEntry = "\r\nSOAPBOX: \r\n";
    if (OutputText.ends_with(kEmptyEntry)) OutputText.resize(OutputText.size() + 2 - kEmptyEntry.size());
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

  std::string& own_call = data_.Callsign;
  if (own_call.size() < call_room_.size()) own_call.append(call_room_.size() - own_call.size(), ' ');
  // The call and the received report are padded where they stand: a column
  // that is also the first or the date column reads padded there too.
  std::string_view& call = LineFields[static_cast<std::size_t>(layout_.CallColumn)];
  std::string_view& report = LineFields[static_cast<std::size_t>(layout_.ReceivedReportColumn)];
  const std::string_view call_as_written = call;
  call = Padded(call, call_room_, false);
  report = Padded(report, report_room_, true);
  const ContactPieces contact = {LineFields[0],
                                 settings_.mode(),
                                 settings_.WrittenDate(LineFields),
                                 settings_.time(),
                                 own_call,
                                 SentExchange,
                                 call,
                                 report,
                                 LineFields[static_cast<std::size_t>(layout_.MultiplierColumn)]};
  if (const unsigned faults = FaultyQsoPieces({contact.band, contact.mode, contact.date, contact.time,
                                               contact.worked_call, contact.received_report, contact.exchange})) {
    Note(NoteKind::kFaultyQsoLine, faults);
  }
  WriteContactLines(contact, result_.result_list, OutputText);
  RegisterQso(call_as_written, contact.worked_call);
}

void Conversion::RegisterQso(std::string_view call_as_written, std::string_view padded_call) {
  const bool phone = settings_.mode() == "PH";
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
  multipliers.Add(LineFields[static_cast<std::size_t>(layout_.MultiplierColumn)]);
}

void Conversion::Note(NoteKind kind, unsigned faulty_pieces) {
  if (result_.notes.size() == kMaxNotes) {
    ++result_.notes_not_kept;
    return;
  }
  LogNote& note = result_.notes.emplace_back();
  note.kind = kind;
  note.faulty_pieces = faulty_pieces;
  if (kind != NoteKind::kReadAsUtf8) {
    note.line = line_number_;
    note.text = line_as_read_.substr(0, kMaxNoteText);
  }
}

ConversionResult Conversion::Fail(ConversionFailure failure) {
  result_.padded_callsign = data_.Callsign;
  result_.record_count = RecordCount;
  result_.failure = std::move(failure);
  return std::move(result_);
}

ConversionResult Conversion::WriteOut(FileSystem& file_system, bool write_file) {
  ConversionResult& r = result_;
  const Totals totals = {RecordCount, static_cast<int>(registers_.CwCalls.size()),
                         static_cast<int>(registers_.PhCalls.size()), static_cast<int>(registers_.CwMultipliers.size()),
                         static_cast<int>(registers_.PhMultipliers.size())};
  r.padded_callsign = data_.Callsign;
  r.record_count = RecordCount;
  r.cw_contacts = totals.cw_contacts;
  r.ph_contacts = totals.ph_contacts;
  r.cw_multipliers = totals.cw_multipliers;
  r.ph_multipliers = totals.ph_multipliers;
  r.duplicates = totals.duplicates();
  r.claimed_score = totals.claimed_score();
  AddSummary(totals, r.result_list);

  if (write_file) {
    const std::string score = std::to_string(r.claimed_score);
    const std::string_view text = OutputText;
    const std::array<std::string_view, 5> pieces = {text.substr(0, score_offset_), score, text.substr(score_offset_),
                                                    "END-OF-LOG:", kCrLf};
    const AtomicWrite written = WriteFileAtomically(file_system, r.output_path, pieces);
    if (written.error != 0) {
      r.failure =
          ConversionFailure{FailureKind::kCannotWriteFile, r.output_path, SystemWords(written.error), 0, written.error};
      return std::move(r);
    }
    r.folder_sync_error = written.folder_sync_error;
  }
  r.processed_message = ProcessedMessage(RecordCount);
  return std::move(r);
}

}  // namespace pelikan
