// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/convert_log.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "contest/header.h"
#include "engine/log_text.h"
#include "engine/qso_register.h"
#include "engine/utf8_log.h"

namespace pelikan {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kEndOfLog = "END-OF-LOG:";
constexpr std::size_t kMinCallWidth = 6;
constexpr std::size_t kMinReportWidth = 3;

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsReport(std::string_view field) { return field == "599" || field == "59"; }

// A time is kept without its colons: "06:01:30" gives "060130".
void AssignWithoutColons(std::string& time, std::string_view text) {
  time.resize(text.size());
  std::size_t kept = 0;
  for (const char c : text) {
    time[kept] = c;
    kept += c != ':';
  }
  time.resize(kept);
}

std::string Decimal(std::int64_t value) { return std::to_string(value); }

// One run of the converter: the state that lives from the first line of the
// log to the written file.
class Conversion {
 public:
  // `log_size` lets the output grow without copying.
  Conversion(const ContestData& data, std::size_t log_size, const std::filesystem::path& cabrillo_path)
      : data_(data) {
    CabrilloHeader header = ComposeHeader(data_);
    OutputText = std::move(header.text);
    score_offset_ = header.score_offset;
    for (const std::string& line : header.list_lines) result_.result_list.push_back(line);
    result_.output_path = cabrillo_path;
    // A QSO line, and a listing line, runs up to twice as long as a tersely
    // written log line. Text room that is reserved but never written costs
    // no memory (its pages are never touched), while growing copies
    // everything. The count of lines grows from a low guess: a log of short
    // lines must not keep a too large index and its grown copy at once.
    log_size = std::min(log_size, kMaxLogBytes);
    OutputText.reserve(OutputText.size() + 2 * log_size);
    result_.result_list.Reserve(log_size / 40, 2 * log_size);
    // The calls likewise, so that the largest registers are not rehashed
    // as they grow: a contact line takes some 40 to 80 bytes and the two
    // modes share the log, so a sixty-fourth of it for each is about right.
    registers_.CwCalls.Reserve(log_size / 64);
    registers_.PhCalls.Reserve(log_size / 64);
  }

  // Converts the whole log: the summary and the file, or the stop at a
  // limit; without `write_file` everything but the file itself. The
  // registers keep pieces of `log`, which must outlive the run.
  ConversionResult Run(std::string_view log, const std::filesystem::path& log_path, FileSystem& file_system,
                       bool write_file) {
    LineSplitter::ForEachLine(log, [this](std::string_view line) { HandleLine(line); });
    if (!running_) {
      return Fail({stop_, log_path, {}, stop_ == FailureKind::kLineTooLong ? line_number_ : 0});
    }
    return WriteOut(file_system, write_file);
  }
  ConversionResult Fail(ConversionFailure failure);
  // Notes a note on the whole log, or on the line being handled.
  void Note(NoteKind kind, unsigned faulty_pieces = 0);

 private:
  std::string_view Field(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < LineFields.size()
               ? LineFields[static_cast<std::size_t>(index)]
               : std::string_view();
  }
  void HandleLine(std::string_view line);
  ConversionResult WriteOut(FileSystem& file_system, bool write_file);
  void NoteIfContact(NoteKind kind) {
    if (LooksLikeContact(LineFields)) Note(kind);
  }
  void HandleSoapbox(std::string_view line);
  bool DetectLayout();
  void ConvertContact();
  void SettleModeTimeAndDate();
  // A date as the file writes it, "yyyy-mm-dd": a fixed size, so that
  // keeping one costs a copy of ten bytes and no string.
  using IsoDate = std::array<char, 10>;
  const std::optional<IsoDate>& DateOf(std::string_view text);
  void RegisterQso(std::string_view call_as_written, std::string_view padded_call);

  ContestData data_;
  ConversionResult result_;
  bool running_ = true;
  FailureKind stop_ = FailureKind::kTooManyContacts;  // why the run stopped
  std::string OutputText;
  std::size_t score_offset_ = 0;

  // The fields of the line being handled: views into it, or into literals
  // and the rooms below for a field the conversion changes.
  std::vector<std::string_view> LineFields;
  std::array<char, kMinCallWidth> call_room_;
  std::array<char, kMinReportWidth> report_room_;
  // The column layout, fixed by the first line with a report field.
  bool LayoutKnown = false;
  int SentReportColumn = 0;
  int ReceivedReportColumn = 0;
  int MultiplierColumn = 0;
  int CallColumn = 0;
  std::string SentExchange;
  // Carried from one contact to the next when a line yields none.
  std::string_view CurrentMode;
  std::string QsoTime;
  int DateColumn = 0;
  std::optional<IsoDate> date_;  // the date of this line
  // The last text read as a date and what it gave: a log repeats one or two
  // dates on every line.
  std::string LastDateText;
  std::optional<IsoDate> LastDate;
  bool SoapboxSeen = false;
  int RecordCount = 0;
  QsoRegisters registers_;
  // For the notes: the line being handled, as read, and its number.
  std::string_view line_as_read_;
  int line_number_ = 0;
};

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
  if (line.empty() || (line.size() == 1 && (line[0] == ' ' || line[0] == '\t'))) return;
  SplitFields(line, LineFields);
  if (!LayoutKnown && !DetectLayout()) {
    NoteIfContact(NoteKind::kContactBeforeColumns);
    return;
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

bool Conversion::DetectLayout() {
  const auto report = std::find_if(LineFields.begin(), LineFields.end(),
                                   [](std::string_view field) { return IsReport(field); });
  if (report == LineFields.end()) return false;
  // The columns are positional: whatever the neighbours of the first report
  // hold, they are the call, the received report and the exchange.
  const int i = static_cast<int>(report - LineFields.begin());
  SentReportColumn = i;
  ReceivedReportColumn = i + 1;
  MultiplierColumn = i + 2;
  CallColumn = i > 0 ? i - 1 : 0;
  SentExchange = data_.LicenceYear;
  LayoutKnown = true;
  return true;
}

const std::optional<Conversion::IsoDate>& Conversion::DateOf(std::string_view text) {
  if (text != LastDateText) {
    LastDateText.assign(text);
    LastDate.reset();
    if (const std::optional<std::string> date = RecognizeDate(text)) {
      LastDate.emplace();
      std::copy_n(date->begin(), LastDate->size(), LastDate->begin());
    }
  }
  return LastDate;
}

void Conversion::SettleModeTimeAndDate() {
  if (Field(1) == "CW") {
    CurrentMode = "CW";
  } else if (Field(1) == "SSB" || Field(1) == "PH") {
    CurrentMode = "PH";
  } else {
    for (int i = 0; i < CallColumn; ++i) {
      const std::string_view field = Field(i);
      if (field.ends_with("CW")) {
        CurrentMode = "CW";
      } else if (field.ends_with("SSB") || field.ends_with("PH")) {
        CurrentMode = "PH";
      }
    }
  }

  if (LineFields[0].starts_with("80")) LineFields[0] = "3500";

  // The field the time was last taken from with its colons dropped.
  std::string_view time_without_colons_from;
  for (int i = 0; i < CallColumn; ++i) {
    const std::string_view field = Field(i);
    if (field.size() >= 3 && field[2] == ':') {
      AssignWithoutColons(QsoTime, field);
      time_without_colons_from = field;
    } else if (Field(0) == "QSO:" && Field(SentReportColumn - 2).size() == 4) {
      QsoTime = Field(SentReportColumn - 2);
      time_without_colons_from = {};
    } else if (field.size() == 4) {
      QsoTime = field;
      time_without_colons_from = {};
    }
    if (field.size() > 5) {
      if (const std::optional<IsoDate>& date = DateOf(field)) {
        DateColumn = i;
        date_ = date;
      }
    }
  }

  // Times written without a leading zero (7:45) or with seconds (06:01:30)
  // become hhmm. A "QSO:" kept as a field is no time. The fields are a few
  // bytes long, and std::find looks through them inline where
  // string_view::find called memchr for each, five times a contact.
  if (!QsoTime.empty() && QsoTime[0] >= '0' && QsoTime[0] <= '9') {
    for (int i = 0; i < CallColumn; ++i) {
      std::string_view field = Field(i);
      if (field == "QSO:") continue;
      const auto colon = std::find(field.begin(), field.end(), ':');
      if (colon == field.end()) continue;
      field = field.substr(0, static_cast<std::size_t>(std::find(colon + 1, field.end(), ':') - field.begin()));
      // Most lines get here with the field the scan above took already.
      if (field.data() != time_without_colons_from.data() || field.size() != time_without_colons_from.size()) {
        AssignWithoutColons(QsoTime, field);
      }
      if (QsoTime.size() < 4) QsoTime.insert(0, 4 - QsoTime.size(), '0');
      break;
    }
  }
}

// Lays a line out in text already filled with blanks: pieces are copied in
// and blank runs skipped. A contact's two lines are built this way, each at
// its final size at once, because piecewise appends (a capacity check and a
// copy call for every piece) were the largest cost of a conversion.
class LineWriter {
 public:
  explicit LineWriter(char* at) : at_(at) {}
  LineWriter& Put(std::string_view piece) {
    CopyPiece(at_, piece.data(), piece.size());
    at_ += piece.size();
    return *this;
  }
  // Nearly every piece is a few bytes long, and a call to memcpy for each
  // cost more than the copies: up to 16 bytes are moved inline, as two
  // overlapping moves of a fixed size, or for up to three as the first,
  // middle and last byte. An empty piece may have no data at all, and is
  // not touched.
  static void CopyPiece(char* to, const char* from, std::size_t size) {
    if (size > 16) {
      std::memcpy(to, from, size);
    } else if (size >= 8) {
      CopyEnds<std::uint64_t>(to, from, size);
    } else if (size >= 4) {
      CopyEnds<std::uint32_t>(to, from, size);
    } else if (size > 0) {
      to[0] = from[0];
      to[size / 2] = from[size / 2];
      to[size - 1] = from[size - 1];
    }
  }
  LineWriter& Skip(std::size_t blanks) {
    at_ += blanks;
    return *this;
  }

 private:
  // The first and the last sizeof(Word) bytes, which cover `size` bytes
  // from sizeof(Word) to twice that.
  template <typename Word>
  static void CopyEnds(char* to, const char* from, std::size_t size) {
    Word head;
    Word tail;
    std::memcpy(&head, from, sizeof head);
    std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
    std::memcpy(to, &head, sizeof head);
    std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
  }

  char* at_;
};

// `text` padded with blanks to `width`, on the right or on the left; `room`
// holds the padded text when `text` is shorter.
template <std::size_t width>
std::string_view Padded(std::string_view text, std::array<char, width>& room, bool on_the_left) {
  if (text.size() >= width) return text;
  room.fill(' ');
  LineWriter::CopyPiece(room.data() + (on_the_left ? width - text.size() : 0), text.data(), text.size());
  return {room.data(), width};
}

void Conversion::ConvertContact() {
  // Columns past the end of a short line read as empty fields.
  const int widest = std::max({SentReportColumn, ReceivedReportColumn, MultiplierColumn, CallColumn});
  if (LineFields.size() <= static_cast<std::size_t>(widest)) LineFields.resize(widest + 1);

  date_.reset();
  SettleModeTimeAndDate();

  std::string& own_call = data_.Callsign;
  if (own_call.size() < kMinCallWidth) own_call.append(kMinCallWidth - own_call.size(), ' ');
  // The call and the received report are padded where they stand: a column
  // that is also the first or the date column reads padded there too.
  const std::string_view call_as_written = LineFields[CallColumn];
  LineFields[CallColumn] = Padded(call_as_written, call_room_, false);
  LineFields[ReceivedReportColumn] = Padded(LineFields[ReceivedReportColumn], report_room_, true);
  const std::string_view worked_call = LineFields[CallColumn];
  const std::string_view report = LineFields[ReceivedReportColumn];
  const std::string_view exchange = Field(MultiplierColumn);
  const std::string_view date_field = Field(DateColumn);
  // The date was recognised in the scan when this line set DateColumn.
  if (!date_) date_ = DateOf(date_field);
  const bool cw = CurrentMode == "CW";
  const std::string_view written_date = date_ ? std::string_view(date_->data(), date_->size()) : date_field;
  if (const unsigned faults = FaultyQsoPieces(
          {LineFields[0], CurrentMode, written_date, QsoTime, worked_call, report, exchange})) {
    Note(NoteKind::kFaultyQsoLine, faults);
  }

  // The listing line and the QSO line share everything up to the own call;
  // then the listing aligns the report after the call in a column of 13, the
  // file keeps at least one blank between them.
  const std::size_t shared = 6 + LineFields[0].size() + 1 + CurrentMode.size() + 1 + written_date.size() +
                             1 + QsoTime.size() + 1 + own_call.size();
  const std::size_t listing_call_blanks = worked_call.size() < 13 ? 13 - worked_call.size() : 0;
  const std::size_t file_call_blanks = report.size() < 10 ? 10 - report.size() : 1;
  const std::size_t rest = 2 + SentExchange.size() + 5 + worked_call.size() + report.size() + 2 + exchange.size();

  const std::size_t listing_length = shared + 9 + rest + listing_call_blanks;
  char* const listing = result_.result_list.AddBlankLine(listing_length);
  LineWriter(listing)
      .Put("QSO:")
      .Skip(2)
      .Put(LineFields[0])
      .Skip(1)
      .Put(CurrentMode)
      .Skip(1)
      .Put(written_date)
      .Skip(1)
      .Put(QsoTime)
      .Skip(1)
      .Put(own_call)
      .Skip(6)
      .Put(cw ? "599" : " 59")
      .Skip(2)
      .Put(SentExchange)
      .Skip(5)
      .Put(worked_call)
      .Skip(listing_call_blanks)
      .Put(report)
      .Skip(2)
      .Put(exchange);

  const std::size_t line_start = OutputText.size();
  OutputText.append(shared + 10 + rest + file_call_blanks + kCrLf.size(), ' ');
  LineWriter(OutputText.data() + line_start)
      .Put(std::string_view(listing, shared))
      .Skip(7)
      .Put(cw ? "599" : " 59")
      .Skip(2)
      .Put(SentExchange)
      .Skip(5)
      .Put(worked_call)
      .Skip(file_call_blanks)
      .Put(report)
      .Skip(2)
      .Put(exchange)
      .Put(kCrLf);

  RegisterQso(call_as_written, worked_call);
}

void Conversion::RegisterQso(std::string_view call_as_written, std::string_view padded_call) {
  const bool phone = CurrentMode == "PH";
  QsoRegister& calls = phone ? registers_.PhCalls : registers_.CwCalls;
  QsoRegister& multipliers = phone ? registers_.PhMultipliers : registers_.CwMultipliers;
  // The register keeps the call as it stands in the log, not its padded
  // copy: padding only adds blanks, which no field ends in, so two calls
  // are the same padded exactly when they are the same as written. Only the
  // empty call, all blanks once padded, needs a text of its own.
  static constexpr std::string_view kBlankCall = "      ";
  static_assert(kBlankCall.size() == kMinCallWidth);
  if (!calls.Add(call_as_written.empty() ? kBlankCall : call_as_written)) {
    constexpr std::string_view kDuplicate = " DVOJNA ZVEZA Z  ";
    LineWriter(result_.result_list.AddBlankLine(kDuplicate.size() + padded_call.size()))
        .Put(kDuplicate)
        .Put(padded_call);
  }
  multipliers.Add(Field(MultiplierColumn));
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
  r.padded_callsign = data_.Callsign;
  r.record_count = RecordCount;
  r.cw_contacts = static_cast<int>(registers_.CwCalls.size());
  r.ph_contacts = static_cast<int>(registers_.PhCalls.size());
  r.cw_multipliers = static_cast<int>(registers_.CwMultipliers.size());
  r.ph_multipliers = static_cast<int>(registers_.PhMultipliers.size());
  r.duplicates = RecordCount - (r.cw_contacts + r.ph_contacts);
  const std::int64_t cw_points = 2 * std::int64_t{r.cw_contacts};
  const std::int64_t total_points = cw_points + r.ph_contacts;
  const std::int64_t total_multipliers = std::int64_t{r.cw_multipliers} + r.ph_multipliers;
  r.claimed_score = total_points * total_multipliers;

  ResultList& list = r.result_list;
  list.push_back(kEndOfLog);
  list.push_back({});
  list.push_back({});
  list.push_back("V logu je  " + Decimal(RecordCount) + "  zapisov");
  list.push_back("Dvojne zveze:  " + Decimal(r.duplicates) + " v bazi");
  list.push_back({});
  list.push_back("CW zvez  " + Decimal(r.cw_contacts) + "    x    2   =   " + Decimal(cw_points) +
                 " tock , " + Decimal(r.cw_multipliers) + "  CW mnoziteljev");
  list.push_back("PH zvez  " + Decimal(r.ph_contacts) + "    x    1   =   " +
                 Decimal(r.ph_contacts) + " tock , " + Decimal(r.ph_multipliers) +
                 "  PH mnoziteljev");
  list.push_back(std::string(62, '-'));
  list.push_back("Skupaj  " + Decimal(total_points) + "   tock   x     " +
                 Decimal(total_multipliers) + " mnozilcev  =  " + Decimal(r.claimed_score) +
                 "  tock");

  const std::string score = Decimal(r.claimed_score);
  const std::string_view text = OutputText;
  const std::array<std::string_view, 5> pieces = {text.substr(0, score_offset_), score,
                                                  text.substr(score_offset_), kEndOfLog, kCrLf};
  const int error = write_file ? WriteFileAtomically(file_system, r.output_path, pieces) : 0;
  if (error != 0) {
    r.failure = ConversionFailure{FailureKind::kCannotWriteFile, r.output_path, std::strerror(error), 0, error};
    return std::move(r);
  }
  r.processed_message = RecordCount < 5
                            ? "Obdelani so " + Decimal(RecordCount) + " zapisi"
                            : "Obdelano je " + Decimal(RecordCount) + " zapisov";
  return std::move(r);
}

}  // namespace

std::optional<std::string> CabrilloFileName(std::string_view callsign) {
  std::string name(TrimBlanks(callsign));
  if (name.find_first_not_of('.') == std::string::npos) return std::nullopt;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const auto next = static_cast<unsigned char>(i + 1 < name.size() ? name[i + 1] : 0);
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) {
      name[i] = '_';
    } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
      // U+0080 to U+009F, the second set of control characters, two bytes
      // in UTF-8 that become one "_".
      name.replace(i, 2, "_");
    }
  }
  return name + ".cbr";
}

int ConversionResult::WarningCount() const {
  return notes_not_kept + static_cast<int>(std::count_if(notes.begin(), notes.end(),
                                                         [](const LogNote& note) { return note.IsWarning(); }));
}

namespace {

ConversionFailure ReadFailure(FailureKind kind, const std::filesystem::path& log_path, int error) {
  return {kind, log_path, error != 0 ? std::strerror(error) : std::string(), 0, error};
}

// A log as read. Its room is not filled with zeros first, as a string's
// would be: a fiftieth of a conversion for bytes overwritten at once. Plain
// new char[] for that, as emscripten's libc++ lacks make_unique_for_overwrite.
struct LogBytes {
  std::unique_ptr<char[]> room;
  std::size_t size = 0;
  std::string_view text() const { return {room.get(), size}; }
};

// Reads the whole log into `log`. Only a regular file is read, and only up
// to kMaxLogBytes: its size is checked before reading and again while
// reading, since the file may grow meanwhile.
std::optional<ConversionFailure> ReadLog(const std::filesystem::path& log_path, FileSystem& fs,
                                         LogBytes& log) {
  const int fd = fs.OpenForReading(log_path);
  if (fd < 0) return ReadFailure(FailureKind::kCannotReadLog, log_path, errno);
  // Closed however the read ends, running out of memory included.
  struct Closer {
    FileSystem& fs;
    int fd;
    ~Closer() { fs.Close(fd); }
  } closer{fs, fd};
  auto fail = [&](FailureKind kind, int error) { return ReadFailure(kind, log_path, error); };
  struct stat info {};
  if (fs.Status(fd, info) != 0) return fail(FailureKind::kCannotReadLog, errno);
  if (S_ISDIR(info.st_mode)) return fail(FailureKind::kCannotReadLog, EISDIR);
  if (!S_ISREG(info.st_mode)) return fail(FailureKind::kLogNotAFile, 0);
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxLogBytes) {
    return fail(FailureKind::kLogTooLarge, EFBIG);
  }
  // One byte more than the size, to see at once whether the file grew.
  std::size_t room = static_cast<std::size_t>(info.st_size) + 1;
  log.room.reset(new char[room]);
  log.size = 0;
  while (true) {
    if (log.size == room) {
      if (log.size > kMaxLogBytes) return fail(FailureKind::kLogTooLarge, EFBIG);
      room = std::min(room * 2, kMaxLogBytes + 1);
      std::unique_ptr<char[]> larger(new char[room]);
      std::memcpy(larger.get(), log.room.get(), log.size);
      log.room = std::move(larger);
    }
    const ssize_t n = fs.Read(fd, log.room.get() + log.size, room - log.size);
    if (n < 0) return fail(FailureKind::kCannotReadLog, errno);
    if (n == 0) break;
    log.size += static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

// Where both entry points meet once the log is in memory: the decision on
// UTF-8 needs the whole log.
ConversionResult ConvertInMemory(std::string_view log, const std::filesystem::path& log_path,
                                 const ContestData& data, const std::filesystem::path& cabrillo_path,
                                 FileSystem& file_system, bool write_file) {
  Conversion conversion(data, log.size(), cabrillo_path);
  if (log.size() > kMaxLogBytes) return conversion.Fail(ReadFailure(FailureKind::kLogTooLarge, log_path, EFBIG));
  const std::optional<std::string> recoded = Utf8LogAsCp1250(log);
  if (recoded) {
    conversion.Note(NoteKind::kReadAsUtf8);
    log = *recoded;
  }
  return conversion.Run(log, log_path, file_system, write_file);
}

ConversionResult ReadAndConvert(const std::filesystem::path& log_path, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system,
                                bool write_file) {
  LogBytes log;
  if (std::optional<ConversionFailure> failure = ReadLog(log_path, file_system, log)) {
    return Conversion(data, 0, cabrillo_path).Fail(std::move(*failure));
  }
  return ConvertInMemory(log.text(), log_path, data, cabrillo_path, file_system, write_file);
}

// What is left to say when memory ran out: whatever the run had built is
// gone with the stack that held it.
ConversionResult OutOfMemory(const std::filesystem::path& log_path, const std::filesystem::path& cabrillo_path) {
  ConversionResult result;
  result.output_path = cabrillo_path;
  result.failure = ReadFailure(FailureKind::kOutOfMemory, log_path, ENOMEM);
  return result;
}

}  // namespace

ConversionResult ConvertLogText(std::string_view log, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system) {
  try {
    return ConvertInMemory(log, {}, data, cabrillo_path, file_system, true);
  } catch (const std::bad_alloc&) {
    return OutOfMemory({}, cabrillo_path);
  }
}

ConversionResult ConvertLog(const std::filesystem::path& log_path, const ContestData& data,
                            const std::filesystem::path& cabrillo_path, FileSystem& file_system) {
  try {
    return ReadAndConvert(log_path, data, cabrillo_path, file_system, true);
  } catch (const std::bad_alloc&) {
    return OutOfMemory(log_path, cabrillo_path);
  }
}

ConversionResult CheckLog(const std::filesystem::path& log_path, const ContestData& data,
                          FileSystem& file_system) {
  try {
    return ReadAndConvert(log_path, data, {}, file_system, false);
  } catch (const std::bad_alloc&) {
    return OutOfMemory(log_path, {});
  }
}

}  // namespace pelikan
