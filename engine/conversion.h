// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CONVERSION_H_
#define PELIKAN_ENGINE_CONVERSION_H_

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contest_data.h"
#include "engine/contact_line.h"
#include "engine/convert_log.h"
#include "engine/qso_register.h"

namespace pelikan {

// One run of the converter over a log in memory: the state that lives from
// the first line of the log to the written file. Each line is classified:
// column header and rule lines ("Band", "----") are skipped, soapbox lines
// copied, every other line split into fields; the first line with a report
// field fixes the column layout, and each line of at least 8 fields from
// then on is a contact.
class Conversion {
 public:
  // `log_size` lets the output grow without copying.
  Conversion(const ContestData& data, std::size_t log_size, const std::filesystem::path& cabrillo_path);

  // Converts the whole log: the summary and the file, or the stop at a
  // limit; without `write_file` everything but the file itself. The
  // registers keep pieces of `log`, which must outlive the run.
  ConversionResult Run(std::string_view log, const std::filesystem::path& log_path, FileSystem& file_system,
                       bool write_file);
  // Ends the run with `failure`, keeping what the result list holds.
  ConversionResult Fail(ConversionFailure failure);
  // Notes a note on the whole log, or on the line being handled.
  void Note(NoteKind kind, unsigned faulty_pieces = 0);

 private:
  void HandleLine(std::string_view line);
  void HandleSoapbox(std::string_view line);
  void NoteIfContact(NoteKind kind);
  void ConvertContact();
  void RegisterQso(std::string_view call_as_written, std::string_view padded_call);
  ConversionResult WriteOut(FileSystem& file_system, bool write_file);

  ContestData data_;
  ConversionResult result_;
  bool running_ = true;
  FailureKind stop_ = FailureKind::kTooManyContacts;  // why the run stopped
  std::string OutputText;
  std::size_t score_offset_ = 0;

  // The fields of the line being handled: views into it, or into literals
  // and the rooms below for a field the conversion changes.
  std::vector<std::string_view> LineFields;
  std::array<char, 6> call_room_;
  std::array<char, 3> report_room_;
  bool LayoutKnown = false;
  ColumnLayout layout_;
  std::string SentExchange;
  ContactSettings settings_;
  bool SoapboxSeen = false;
  int RecordCount = 0;
  QsoRegisters registers_;
  // For the notes: the line being handled, as read, and its number.
  std::string_view line_as_read_;
  int line_number_ = 0;
};

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CONVERSION_H_
