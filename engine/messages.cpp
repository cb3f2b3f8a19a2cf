// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <tuple>
#include <utility>

#include "engine/cp1250.h"

namespace pelikan {
namespace {

std::string Number(std::int64_t value) { return std::to_string(value); }

// A count with its thousands grouped: "1,234" in English, "1.234" in
// Slovenian.
std::string Grouped(int count, Language language) {
  std::string digits = std::to_string(count);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, language == Language::kEnglish ? ',' : '.');
  }
  return digits;
}

// The pieces of a QSO line named in `faulty`, as "datum, čas" or as "date,
// time and exchange".
std::string PieceNames(unsigned faulty, Language language) {
  static constexpr std::tuple<unsigned, std::string_view, std::string_view> kPieces[] = {
      {kQsoFrequency, "frekvenca", "frequency"},
      {kQsoMode, "način dela", "mode"},
      {kQsoDate, "datum", "date"},
      {kQsoTime, "čas", "time"},
      {kQsoWorkedCall, "klicni znak", "worked call"},
      {kQsoReceivedReport, "prejeti raport", "received report"},
      {kQsoExchange, "prejeta izmenjava", "exchange"},
  };
  std::vector<std::string_view> names;
  for (const auto& [piece, slovenian, english] : kPieces) {
    if (faulty & piece) names.push_back(language == Language::kEnglish ? english : slovenian);
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += language == Language::kEnglish && i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// What each kind of note says, with %1 for its count, %2 for its value and
// %3 for the pieces it names; the English of a count of one where it
// differs. Slovenian counts stand after a colon, where no word agrees with
// them.
struct NoteWords {
  NoteKind kind;
  std::string_view slovenian;
  std::string_view english;
  std::string_view english_one = {};
};
constexpr NoteWords kNoteWords[] = {
    {NoteKind::kContactBeforeColumns, "videti je kot zveza, a ni pretvorjena: pred njo ni bilo polja 599 ali 59",
     "looks like a contact but was not converted: no 599 or 59 field came before it"},
    {NoteKind::kContactTooShort, "videti je kot zveza, a ni pretvorjena: ima manj kot 8 polj",
     "looks like a contact but was not converted: fewer than 8 fields"},
    {NoteKind::kFaultyQsoLine, "vrstica QSO bo zavrnjena, napačno: %3", "the QSO line has a faulty %3"},
    {NoteKind::kRecordIncomplete, "zapis ni pretvorjen, manjka: %3", "the record was not converted: it has no %3"},
    {NoteKind::kItemCount, "vrstica QSO s toliko deli ni pretvorjena: %1; berejo se vrstice z 8, 10 ali 11 deli",
     "a QSO line of %1 items was not converted: lines of 8, 10 or 11 items are read"},
    {NoteKind::kNotACall, "vrstica QSO ni pretvorjena: klicni znak nasprotne postaje ni videti kot klicni znak",
     "the QSO line was not converted: its worked call does not look like a callsign"},
    {NoteKind::kMalformedTag, "oznaka ni oblike <IME:DOLŽINA> in je preskočena",
     "a tag that is not <NAME:LENGTH> was skipped"},
    {NoteKind::kLengthRunsOver, "dolžina polja sega v naslednjo oznako ali čez konec datoteke; vrednost je odrezana",
     "the field's length runs into the next tag or past the end; its value was cut there"},
    {NoteKind::kReportNotForMode,
     "prejeti raport ne ustreza načinu dela (trimestni pri fonij, dvomestni pri CW); robot ga zavrne",
     "the received report does not fit the mode (three digits on phone, two on CW); checkers reject it"},
    {NoteKind::kOutOfOrder, "zveza je zgodnejša od tiste pred njo; robot zavrne dnevnik, ki ni urejen po času",
     "the contact is earlier than the one before it; checkers reject a log out of time order"},
    {NoteKind::kOwnCallDiffers, "lastni znak %2 v dnevniku ni znak iz obrazca (zapisov: %1)",
     "the own call %2 in the log differs from the callsign given (%1 records)",
     "the own call %2 in the log differs from the callsign given (%1 record)"},
    {NoteKind::kSentExchangeDiffers, "poslana izmenjava %2 v dnevniku ni leto licence iz obrazca (zvez: %1)",
     "the sent exchange %2 in the log differs from the licence year (%1 contacts)",
     "the sent exchange %2 in the log differs from the licence year (%1 contact)"},
    {NoteKind::kOwnCallWorked,
     "klicni znak nasprotne postaje je lastni znak (zvez: %1); je to datoteka Cabrillo brez glave?",
     "the worked call is the own call (%1 contacts): is this a Cabrillo file without its header?",
     "the worked call is the own call (%1 contact): is this a Cabrillo file without its header?"},
    {NoteKind::kNoContact, "v dnevniku ni nobene zveze: je to res dnevnik tekmovanja?",
     "no contact found: is this the contest's log?"},
    {NoteKind::kReadAsUtf8, "dnevnik je bil shranjen kot UTF-8 in je bil pretvorjen v Windows-1250",
     "the log is UTF-8; converted to Windows-1250 before reading"},
    {NoteKind::kReadAsAdif, "dnevnik je v obliki ADIF", "the log is ADIF"},
    {NoteKind::kReadAsCabrillo, "dnevnik je v obliki Cabrillo", "the log is Cabrillo"},
    {NoteKind::kOtherBandOrMode, "izpuščeni zapisi na drugih pasovih ali v drugih načinih dela: %1",
     "%1 records on other bands or in other modes were left out",
     "%1 record on another band or in another mode was left out"},
    {NoteKind::kUsualReportTaken, "zapisi brez prejetega raporta, ki so dobili običajnega (599 ali 59): %1",
     "%1 records had no received report; the mode's usual one (599 or 59) was written",
     "%1 record had no received report; the mode's usual one (599 or 59) was written"},
    {NoteKind::kUnclaimedLeftOut, "izpuščene vrstice X-QSO (zveze, ki ne štejejo): %1",
     "%1 X-QSO lines (contacts not claimed) were left out", "%1 X-QSO line (a contact not claimed) was left out"},
    {NoteKind::kPutInTimeOrder, "zveze so urejene po času", "the contacts were put in time order"},
};

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

}  // namespace

std::string_view DocumentName(std::string_view document, Language language) {
  static constexpr std::tuple<std::string_view, std::string_view, std::string_view> kNames[] = {
      {"PDF", "dokument PDF", "a PDF document"},
      {"PNG", "slika PNG", "a PNG image"},
      {"JPEG", "slika JPEG", "a JPEG image"},
      {"GIF", "slika GIF", "a GIF image"},
      {"ZIP", "arhiv ZIP ali dokument Office (DOCX, XLSX)", "a ZIP archive or an Office document (DOCX, XLSX)"},
      {"OLE", "dokument Office (DOC, XLS)", "an Office document (DOC, XLS)"},
  };
  for (const auto& [kind, slovenian, english] : kNames) {
    if (kind == document) return language == Language::kEnglish ? english : slovenian;
  }
  return document;
}

std::string SystemWords(int error) {
  static constexpr std::pair<int, std::string_view> kWords[] = {
      {EDQUOT, "Disk quota exceeded"},      {ENAMETOOLONG, "File name too long"},
      {EIO, "Input/output error"},          {ENOMEM, "Cannot allocate memory"},
      {EXDEV, "Invalid cross-device link"}, {ELOOP, "Too many levels of symbolic links"},
      {EBUSY, "Device or resource busy"},   {EOVERFLOW, "Value too large for defined data type"},
      {EMFILE, "Too many open files"},
  };
  for (const auto& [code, words] : kWords) {
    if (code == error) return std::string(words);
  }
  return std::strerror(error);
}

std::string ReasonInSlovenian(int error, std::string_view system_words) {
  static constexpr std::pair<int, std::string_view> kReasons[] = {
      {ENOENT, "datoteka ali mapa ne obstaja"},
      {EACCES, "dostop ni dovoljen"},
      {EPERM, "dejanje ni dovoljeno"},
      {ENOSPC, "na disku ni več prostora"},
      {EDQUOT, "kvota diska je izčrpana"},
      {EROFS, "datotečni sistem je samo za branje"},
      {ENAMETOOLONG, "ime datoteke je predolgo"},
      {EISDIR, "to je mapa, ne datoteka"},
  };
  for (const auto& [reason, words] : kReasons) {
    // Some callers have only the system's words, no number.
    if (error != 0 ? error == reason : system_words == SystemWords(reason)) return std::string(words);
  }
  return std::string(system_words);
}

std::string ShownPath(std::string_view path) {
  std::string shown;
  shown.reserve(path.size());
  while (!path.empty()) {
    const std::size_t length = Utf8SequenceLength(path);
    shown += length == 0 ? std::string_view("\xEF\xBF\xBD") : path.substr(0, length);
    path.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return shown;
}

std::string FailureMessage(const ConversionFailure& failure, std::string_view log_shown, bool earlier_file_kept) {
  const std::string path = ShownPath(failure.path.string());
  const std::string reason = ReasonInSlovenian(failure.error, failure.reason);
  const std::string not_written = "\n\nDatoteka CBR ni bila zapisana.";
  switch (failure.kind) {
    case FailureKind::kCannotReadLog: return "Dnevnika " + path + " ni mogoče prebrati:\n" + reason + "." + not_written;
    case FailureKind::kCannotWriteFile:
      return "Datoteke " + path + " ni mogoče zapisati:\n" + reason + "." + not_written +
             (earlier_file_kept ? " Obstoječa datoteka je ostala nespremenjena." : "");
    case FailureKind::kTooManyContacts:
      return "Dnevnik " + std::string(log_shown) + " ima več kot " + Number(kMaxRecords) + " zvez." + not_written;
    case FailureKind::kLogNotAFile: return path + " ni navadna datoteka." + not_written;
    case FailureKind::kLogTooLarge:
      return "Dnevnik " + path + " je večji od " + Number(kMaxLogBytes >> 20) + " MiB." + not_written;
    case FailureKind::kLineTooLong:
      return "Vrstica " + Number(failure.line) + " dnevnika " + path + " je daljša od " + Number(kMaxLineBytes) +
             " znakov." + not_written;
    case FailureKind::kOutOfMemory: return "Za pretvorbo dnevnika " + path + " ni dovolj pomnilnika." + not_written;
    case FailureKind::kNotALog:
      return "Datoteka " + path + " je " + std::string(DocumentName(failure.document, Language::kSlovenian)) +
             ", ne dnevnik." + not_written;
    case FailureKind::kLogIsOutput:
      return "Dnevnik " + path + " je prav datoteka CBR, ki naj bi bila zapisana, in bi se izgubil." +
             "\n\nIzberite drug dnevnik ali ga premaknite v drugo mapo." + not_written;
  }
  return {};
}

std::string WrittenMessage(std::string_view file_shown, const std::vector<LogNote>& notes) {
  std::string message = "Zapisano: " + std::string(file_shown);
  for (const LogNote& note : notes) {
    if (!note.IsWarning())
      message.append(message.find(" — ") == std::string::npos ? " — " : " ").append(NoteMessage(note));
  }
  return message;
}

std::string NoFileNameMessage(std::string_view callsign) {
  return "Iz znaka »" + std::string(callsign) + "« ni mogoče sestaviti imena datoteke CBR.\n\nVpišite pravi znak.";
}

std::string FolderNotSyncedMessage(std::string_view file_shown, int error) {
  return "Datoteka " + std::string(file_shown) + " je zapisana, vendar njene mape ni bilo mogoče shraniti na disk:\n" +
         ReasonInSlovenian(error, SystemWords(error)) + ".\n\nOb izpadu elektrike se lahko vrne prejšnja datoteka.";
}

std::string LineReportMessage(int warnings) {
  return "Vrstice dnevnika, ki jih je treba pogledati: " + Number(warnings) +
         ".\n\nNekatere zveze niso bile pretvorjene ali pa jih komisija ne bo sprejela; vrstice so naštete v "
         "podrobnostih.";
}

std::string NoteWhat(const LogNote& note, Language language) {
  const auto words = std::find_if(std::begin(kNoteWords), std::end(kNoteWords),
                                  [&note](const NoteWords& w) { return w.kind == note.kind; });
  std::string_view pattern = language == Language::kEnglish ? words->english : words->slovenian;
  if (language == Language::kEnglish && note.count == 1 && !words->english_one.empty()) pattern = words->english_one;
  std::string what;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      what += pattern[i];
      continue;
    }
    switch (pattern[++i]) {
      case '1': what += Grouped(note.count, language); break;
      case '2': what += Cp1250AsUtf8(note.text); break;
      default: what += PieceNames(note.faulty_pieces, language);
    }
  }
  return what;
}

bool NoteShowsLine(const LogNote& note) {
  return note.line != 0 && note.kind != NoteKind::kOwnCallDiffers && note.kind != NoteKind::kSentExchangeDiffers;
}

std::string NoteMessage(const LogNote& note) {
  const std::string what = NoteWhat(note, Language::kSlovenian);
  if (note.line == 0) return Capitalised(what) + (what.ends_with('?') ? "" : ".");
  return "vrstica " + Number(note.line) + ": " + what + (NoteShowsLine(note) ? "\n" + Cp1250AsUtf8(note.text) : "");
}

std::string NotesNotShownMessage(int count) { return "... in še " + Number(count) + " vrstic, ki niso prikazane."; }

}  // namespace pelikan
