// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser page may call: the conversion of a log held in memory,
// the field table, every rule of the form and every word the page shows.
// The page's own script only shows and collects; each rule and word is the
// C++ one the desktop program runs.
//
// Texts cross as JavaScript strings (UTF-8 here); the log and the Cabrillo
// file cross as bytes, since they are Windows-1250. Field values cross as
// an array of thirteen strings in the fields' tab order; the language as
// "sl" or "en".

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "contest/cp1250.h"
#include "contest/earlier_entry.h"
#include "contest/editing_rules.h"
#include "contest/fields.h"
#include "contest/file_name.h"
#include "contest/value_checks.h"
#include "contest/words.h"
#include "engine/convert_log.h"
#include "engine/log_text.h"
#include "engine/messages.h"
#include "web/shipped_lists.h"  // made by web/CMakeLists.txt

namespace pelikan {
namespace {

using emscripten::val;

Language LanguageOf(const std::string& code) { return code == "en" ? Language::kEnglish : Language::kSlovenian; }

// Bytes across the border as one copy each way: embind's own text
// conversion looks at every byte in JavaScript, which for a large log took
// several times the conversion itself.
std::string BytesOf(const val& array) {
  std::string bytes(array["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
      .call<void>("set", array);
  return bytes;
}
val ByteArray(std::string_view bytes) {
  return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

val Strings(const std::vector<std::string>& texts) {
  val array = val::array();
  for (const std::string& text : texts) array.call<void>("push", text);
  return array;
}

// The fields as the page holds them, in Windows-1250.
ContestData DataOf(const val& values) {
  const std::vector<std::string> texts = emscripten::vecFromJSArray<std::string>(values);
  ContestData data;
  for (std::size_t i = 0; i < kContestFields.size() && i < texts.size(); ++i) {
    data.*kContestFields[i].value = Utf8AsCp1250(texts[i]).value_or(std::string());
  }
  return data;
}

val Fields(const std::string& language) {
  val fields = val::array();
  for (const ContestField& field : kContestFields) {
    val f = val::object();
    f.set("caption", std::string(CaptionOf(field, LanguageOf(language))));
    f.set("tip", std::string(TipOf(field, LanguageOf(language))));
    f.set("startText", std::string(field.start_text));
    f.set("list", field.list);
    f.set("required", field.required);
    f.set("name", (field.list ? "Combo1(" : "Text1(") + std::to_string(field.index) + ")");
    fields.call<void>("push", f);
  }
  return fields;
}

// The values after the focus moved into or out of field `field`: those the
// rule has the form show anew as the file will hold them (ApplyFocusMove),
// every other as it was given.
val AfterMove(const val& values, int field, FocusMove move) {
  ContestData data = DataOf(values);
  const auto shown = ApplyFocusMove(kContestFields.at(static_cast<std::size_t>(field)), move, data);
  val after = val::array();
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    after.call<void>("push", shown[i] ? val(Cp1250AsUtf8(data.*kContestFields[i].value)) : values[i]);
  }
  return after;
}

val AfterLeaving(const val& values, int field) { return AfterMove(values, field, FocusMove::kLeave); }
val AfterEntering(const val& values, int field) { return AfterMove(values, field, FocusMove::kEnter); }

bool Ready(const val& values) { return ReadyToMake(DataOf(values)); }

// Why a drop of `files` files is not taken; empty when it is.
std::string DropRefusalText(bool ready, bool finished, int files, const std::string& language) {
  return std::string(
      DropMessage(RefuseDrop(ready, finished ? RunState::kFileMade : RunState::kOpen, files), LanguageOf(language)));
}

// The odd values of the fields: the box's text, its details and the field
// to go back to; null when there are none.
val FieldWarnings(const val& values, int this_year, const std::string& language) {
  const std::vector<FieldWarning> odd = CheckFieldValues(DataOf(values), this_year);
  if (odd.empty()) return val::null();
  std::vector<std::string> details;
  for (const FieldWarning& warning : odd) {
    details.push_back(LanguageOf(language) == Language::kEnglish ? warning.english : warning.slovenian);
  }
  val warnings = val::object();
  warnings.set("message", std::string(OddValuesMessage(LanguageOf(language))));
  warnings.set("details", Strings(details));
  warnings.set("field", static_cast<int>(odd.front().field - kContestFields.data()));
  return warnings;
}

// The Cabrillo file's name for the fields, or the message that refuses it.
val FileName(const val& values, const std::string& language) {
  const ContestData data = DataOf(values);
  val name = val::object();
  if (const std::optional<std::string> file = CabrilloFileName(data)) {
    name.set("name", *file);
  } else {
    name.set("refusal", NoFileNameMessage(Cp1250AsUtf8(data.Callsign), LanguageOf(language)));
  }
  return name;
}

// Why a log of `name` is refused before it is read: too large, or the
// browser could not read it (`reason` in its words).
std::string TooLargeMessage(const std::string& name, const std::string& language) {
  return FailureMessage({FailureKind::kLogTooLarge, name, {}, 0, EFBIG, {}}, name, false, LanguageOf(language));
}
std::string CannotReadMessage(const std::string& name, const std::string& reason, const std::string& language) {
  return FailureMessage({FailureKind::kCannotReadLog, name, reason, 0, 0, {}}, name, false, LanguageOf(language));
}
// Why the file could not be saved where the user chose.
std::string CannotWriteMessage(const std::string& name, const std::string& reason, const std::string& language) {
  return FailureMessage({FailureKind::kCannotWriteFile, name, reason, 0, 0, {}}, name, false, LanguageOf(language));
}

// The result list of the last conversion, of which the page asks for the
// lines it shows: turning tens of thousands of lines into text for the page
// took longer than the conversion, and a view shows a few dozen. Its notes,
// for the status line once the file is saved elsewhere.
ResultList shown_list;
std::vector<LogNote> shown_notes;

// Lines `first` to `first + count` of the result list, as one UTF-8 text
// with "\n" between lines (bytes).
val Lines(int first, int count) {
  std::string text;
  const auto end = std::min(shown_list.size(), static_cast<std::size_t>(first) + static_cast<std::size_t>(count));
  for (std::size_t i = static_cast<std::size_t>(first); i < end; ++i) {
    AppendCp1250AsUtf8(shown_list[i], text);
    text += '\n';
  }
  return ByteArray(text);
}

// Converts `log` (its bytes) with the fields `values`, as the window does
// with a log of the name `log_name`; the file is to be called `file_name`,
// as FileName gave it when the run began. The result: ok, the count of
// lines of its result list (see Lines), the blanks the callsign field gains,
// and either the processed-records message, the status line for the file
// handed over as a download and the file's bytes, or the failure's message;
// the line report (message and details) or null.
val Convert(const val& log_bytes, const val& values, const std::string& log_name, const std::string& file_name,
            const std::string& code) {
  const Language language = LanguageOf(code);
  const ContestData data = DataOf(values);
  ConversionResult result = ConvertLog(BytesOf(log_bytes), data);
  val out = val::object();
  out.set("ok", result.ok());
  out.set("blanks", static_cast<int>(CallsignBlanksAfterRun(data.Callsign, result.record_count)));
  if (result.ok()) {
    out.set("file", ByteArray(result.Cabrillo()));
    out.set("message", Cp1250AsUtf8(result.processed_message));
    out.set("status", HandedOverMessage(file_name, result.notes, language));
    out.set("failure", val::null());
  } else {
    ConversionFailure& failure = *result.failure;
    if (failure.path.empty()) failure.path = log_name;
    out.set("failure", FailureMessage(failure, log_name, false, language));
    result.result_list.push_back(kRunStoppedLine);
  }
  shown_list = std::move(result.result_list);
  shown_notes = result.notes;
  out.set("lines", static_cast<int>(shown_list.size()));
  if (const int warnings = result.WarningCount()) {
    std::vector<std::string> details;
    for (const LogNote& note : result.notes) details.push_back(NoteMessage(note, language));
    if (result.notes_not_kept > 0) details.push_back(NotesNotShownMessage(result.notes_not_kept, language));
    val report = val::object();
    report.set("message", LineReportMessage(warnings, language));
    report.set("details", Strings(details));
    out.set("report", report);
  } else {
    out.set("report", val::null());
  }
  return out;
}

// The fields `values` filled from the earlier entry `bytes` (the start of the
// file `name`): the values as the form then shows them and the status line
// that says what was filled; or the refusal of a file that is no entry.
val EarlierEntryFill(const val& bytes, const val& values, const std::string& name, const std::string& code) {
  const Language language = LanguageOf(code);
  val out = val::object();
  const std::optional<EarlierEntry> entry = ReadEarlierEntry(BytesOf(bytes));
  if (!entry) {
    out.set("refusal", NotAnEntryMessage(name, language));
    return out;
  }
  ContestData data = DataOf(values);
  FillFromEarlierEntry(*entry, data);
  val filled = val::array();
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    filled.call<void>("push", entry->filled[i] ? val(Cp1250AsUtf8(data.*kContestFields[i].value)) : values[i]);
  }
  out.set("values", filled);
  out.set("message", FilledMessage(*entry, name, language));
  return out;
}
double EarlierEntryReadLimit() { return static_cast<double>(kEarlierEntryReadLimit); }

// The status line once the last run's file is saved where the user chose,
// under the name `name`.
std::string SavedMessage(const std::string& name, const std::string& language) {
  return WrittenMessage(name, shown_notes, LanguageOf(language));
}

// The text of a Windows-1250 file, for the page to show.
std::string TextOf(const val& bytes) { return Cp1250AsUtf8(BytesOf(bytes)); }

// The entries of a category list file, as the window reads one.
val Entries(std::string_view bytes) {
  std::vector<std::string> entries;
  for (const std::string& entry : ListFileEntries(bytes)) entries.push_back(Cp1250AsUtf8(entry));
  return Strings(entries);
}
val ListEntries(const val& bytes) { return Entries(BytesOf(bytes)); }

val ShippedLists() {
  val lists = val::array();
  lists.call<void>("push", Entries(kCategoryList));
  lists.call<void>("push", Entries(kOverlayList));
  return lists;
}

// A conversion of a made-up log that nobody sees. A page's WebAssembly
// starts out compiled for a quick start, several times slower than what the
// browser compiles for code that has run a while: the page runs this while
// the user types, so that the user's own log gets the fast code.
void WarmUp() {
  std::string log;
  for (int i = 0; i < 3000; ++i) {
    log += "QSO: 80 " + std::string(i % 2 ? "CW" : "SSB") + " 2007-03-04 06:" + std::to_string(10 + i % 50) + " S5" +
           std::to_string(i) + (i % 2 ? " 599 599 " : " 59 59 ") + std::to_string(1950 + i % 300) + "\r\n";
  }
  ContestData data;
  data.LicenceYear = "1985";
  ConvertLog(log, data);
}

double MaxLogBytes() { return static_cast<double>(kMaxLogBytes); }

// Every word of contest/words.h, by its name in camel case, and the
// messages the page shows without a run.
val Words(const std::string& code) {
  static constexpr std::pair<Word, const char*> kNames[] = {
      {Word::kProgram, "program"},
      {Word::kFrame, "frame"},
      {Word::kRequiredLegend, "requiredLegend"},
      {Word::kMake, "make"},
      {Word::kExit, "exit"},
      {Word::kNextLog, "nextLog"},
      {Word::kClearForm, "clearForm"},
      {Word::kPrint, "print"},
      {Word::kSaveAs, "saveAs"},
      {Word::kOk, "ok"},
      {Word::kGoOn, "goOn"},
      {Word::kGoBack, "goBack"},
      {Word::kDetails, "details"},
      {Word::kClose, "close"},
      {Word::kLoadCategoryList, "loadCategoryList"},
      {Word::kLoadOverlayList, "loadOverlayList"},
      {Word::kResultList, "resultList"},
      {Word::kError, "error"},
      {Word::kWarning, "warning"},
      {Word::kLanguage, "language"},
      {Word::kLoadEarlierEntry, "loadEarlierEntry"},
      {Word::kLoadEarlierEntryTip, "loadEarlierEntryTip"},
      {Word::kNeedsScript, "needsScript"},
  };
  const Language language = LanguageOf(code);
  val words = val::object();
  for (const auto& [word, name] : kNames) words.set(name, std::string(WordOf(word, language)));
  words.set("nothingToPrint", std::string(NothingToPrintMessage(language)));
  words.set("slovenian", std::string(LanguageName(Language::kSlovenian)));
  words.set("english", std::string(LanguageName(Language::kEnglish)));
  return words;
}

}  // namespace
}  // namespace pelikan

EMSCRIPTEN_BINDINGS(pelikan) {
  using namespace pelikan;
  emscripten::function("fields", &Fields);
  emscripten::function("afterLeaving", &AfterLeaving);
  emscripten::function("afterEntering", &AfterEntering);
  emscripten::function("ready", &Ready);
  emscripten::function("dropRefusal", &DropRefusalText);
  emscripten::function("fieldWarnings", &FieldWarnings);
  emscripten::function("fileName", &FileName);
  emscripten::function("maxLogBytes", &MaxLogBytes);
  emscripten::function("tooLargeMessage", &TooLargeMessage);
  emscripten::function("cannotReadMessage", &CannotReadMessage);
  emscripten::function("cannotWriteMessage", &CannotWriteMessage);
  emscripten::function("convert", &Convert);
  emscripten::function("lines", &Lines);
  emscripten::function("savedMessage", &SavedMessage);
  emscripten::function("textOf", &TextOf);
  emscripten::function("warmUp", &WarmUp);
  emscripten::function("listEntries", &ListEntries);
  emscripten::function("shippedLists", &ShippedLists);
  emscripten::function("words", &Words);
  emscripten::function("earlierEntry", &EarlierEntryFill);
  emscripten::function("earlierEntryReadLimit", &EarlierEntryReadLimit);
}
