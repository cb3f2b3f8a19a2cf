// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the notes of a run: the line report, the status line and
// the converter's warnings say them.
#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "contest/cp1250.h"
#include "engine/messages.h"

namespace pelikan {
namespace {

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

// A note on the whole log as a sentence of its own.
std::string Sentence(std::string what) {
  if (!what.empty() && what[0] >= 'a' && what[0] <= 'z') what[0] = static_cast<char>(what[0] - 'a' + 'A');
  return what.ends_with('?') ? what : what + ".";
}

}  // namespace

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

std::string NoteMessage(const LogNote& note, Language language) {
  const std::string what = NoteWhat(note, language);
  if (note.line == 0) return Sentence(what);
  return (language == Language::kEnglish ? "line " : "vrstica ") + std::to_string(note.line) + ": " + what +
         (NoteShowsLine(note) ? "\n" + Cp1250AsUtf8(note.text) : "");
}

std::string NotesNotShownMessage(int count, Language language) {
  return language == Language::kEnglish ? "... and " + std::to_string(count) + " more lines, not shown."
                                        : "... in še " + std::to_string(count) + " vrstic, ki niso prikazane.";
}

std::string LineReportMessage(int warnings, Language language) {
  if (language == Language::kEnglish) {
    return "Lines of the log to look at: " + std::to_string(warnings) +
           ".\n\nSome contacts were not converted, or the committee will not take them; the details list the "
           "lines.";
  }
  return "Vrstice dnevnika, ki jih je treba pogledati: " + std::to_string(warnings) +
         ".\n\nNekatere zveze niso bile pretvorjene ali pa jih komisija ne bo sprejela; vrstice so naštete v "
         "podrobnostih.";
}

namespace {

// `message`, then the notes on the whole log that are information.
std::string WithInformation(std::string message, const std::vector<LogNote>& notes, Language language) {
  const char* separator = " — ";
  for (const LogNote& note : notes) {
    if (note.IsWarning()) continue;
    message.append(std::exchange(separator, " ")).append(NoteMessage(note, language));
  }
  return message;
}

}  // namespace

std::string WrittenMessage(std::string_view file_shown, const std::vector<LogNote>& notes, Language language) {
  return WithInformation((language == Language::kEnglish ? "Written: " : "Zapisano: ") + std::string(file_shown), notes,
                         language);
}

std::string HandedOverMessage(std::string_view file_name, const std::vector<LogNote>& notes, Language language) {
  const std::string name(file_name);
  return WithInformation(
      language == Language::kEnglish
          ? "Handed to the browser: " + name +
                ", among its downloads; where one of that name is there already, the browser may rename it."
          : "Dano brskalniku: " + name +
                ", med njegove prenose; če datoteka s tem imenom tam že je, jo brskalnik lahko preimenuje.",
      notes, language);
}

}  // namespace pelikan
