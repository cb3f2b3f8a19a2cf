// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CONVERSION_H_
#define PELIKAN_ENGINE_CONVERSION_H_

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contest_data.h"
#include "contest/header.h"
#include "engine/contact_line.h"
#include "engine/convert_log.h"
#include "engine/log_format.h"
#include "engine/log_record.h"
#include "engine/log_text.h"
#include "engine/qso_register.h"

namespace pelikan {

// One run of the converter over a log in memory: the state that lives from
// the first line of the log to the finished Cabrillo file. A listing is read line by
// line: column header and rule lines ("Band", "----") are skipped, soapbox
// lines copied, every other line split into fields; the first line with a
// report field fixes the column layout, and each line of at least 8 fields
// from then on is a contact. An ADIF or Cabrillo log is read by its reader
// and its contacts are put in time order. Every contact of every kind then
// goes the same way: its two lines, the registers, the checks.
class Conversion {
 public:
  // `log_size`, about the size the file will take, lets it grow without
  // copying.
  Conversion(const ContestData& data, std::size_t log_size);

  // Converts the whole log of the kind `format` (not kAuto): the summary and
  // the file, or the stop at a limit. `utf8`: an ADIF log's values are UTF-8
  // (a listing or Cabrillo log comes already in Windows-1250). The registers
  // keep pieces of `log`, which must outlive the run. `log_path` names the
  // log in a failure.
  ConversionResult Run(std::string_view log, LogFormat format, bool utf8, const std::filesystem::path& log_path);
  // Ends the run with `failure`, keeping what the result list holds.
  ConversionResult Fail(ConversionFailure failure);
  // Notes a note on the whole log, or on the line being handled.
  LogNote* Note(NoteKind kind, unsigned faulty_pieces = 0, int count = 0);

 private:
  void HandleLine(std::string_view line);
  void HandleSoapbox(std::string_view line);
  void NoteIfContact(NoteKind kind);
  void ConvertContact();
  // Converts the contacts of an ADIF or Cabrillo log `text`.
  void ReadRecords(std::string_view text, RecordLog log);
  void ConvertRecord(const LogRecord& record);
  // The way every contact goes once its pieces are known: the checks, its
  // two lines and the registers. `call_as_written` is the worked call before
  // padding.
  void AddContact(const ContactPieces& contact, std::string_view call_as_written);
  // Counts a contact; false when it was one too many and the run stops.
  bool Counted();
  void RegisterQso(std::string_view mode, std::string_view call_as_written, std::string_view padded_call,
                   std::string_view exchange);
  // The summary, the score in the header and the finished file.
  ConversionResult Finish();

  ContestData data_;
  ConversionResult result_;
  NoteList notes_;
  bool running_ = true;
  FailureKind stop_ = FailureKind::kTooManyContacts;  // why the run stopped
  // The header, put in front of the contacts once the score is known, and
  // the file's text: room for the header, then the soapbox and QSO lines.
  CabrilloHeader header_;
  std::size_t head_room_ = 0;
  std::string OutputText;

  // The fields of the line being handled: views into it, or into literals
  // and the rooms below for a field the conversion changes.
  std::vector<std::string_view> LineFields;
  std::array<char, 6> call_room_;
  std::array<char, 3> report_room_;
  std::array<char, 10> date_room_;
  std::array<char, 10> frequency_room_;
  bool LayoutKnown = false;
  ColumnLayout layout_;
  std::string SentExchange;
  ContactSettings settings_;
  bool SoapboxSeen = false;
  int RecordCount = 0;
  QsoRegisters registers_;
  // For the notes: the line being handled, as read, and its number; or the
  // record of an ADIF or Cabrillo log, whose line is counted when a note
  // needs it.
  std::string_view line_as_read_;
  int line_number_ = 0;
  LogRecord* record_ = nullptr;
  LineCounter* record_lines_ = nullptr;

  // For the checks: the callsign and the licence year as the log would name
  // them, the moment of the
  // contact before (yyyymmddhhmm; 0 when it had none), and the notes that
  // count their cases.
  std::string own_call_;
  std::string licence_year_;
  std::uint64_t last_moment_ = 0;
  bool own_call_worked_seen_ = false;
  LogNote* own_call_worked_ = nullptr;
  bool sent_exchange_seen_ = false;
  LogNote* sent_exchange_differs_ = nullptr;
  std::map<std::string, LogNote*, std::less<>> own_calls_differing_;
  int usual_reports_ = 0;
};

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CONVERSION_H_
