// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_MESSAGES_H_
#define PELIKAN_ENGINE_MESSAGES_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/convert_log.h"

namespace pelikan {

// What a front end tells the user about a conversion, in Slovenian and
// UTF-8: the window and the browser page say the same words. Paths are
// given as the message shows them (see ShownPath).

// The system's words for an errno value, as glibc says them on every C
// library: musl, under the WebAssembly build, words some otherwise ("I/O
// error"), and the two converters must say the same.
std::string SystemWords(int error);

// The reason a file operation failed, in Slovenian for the common reasons
// (no such file, permission denied, no space left, a full quota, a
// read-only file system, a name too long, a folder): by `error` (an errno
// value) when it is not 0, else by the system's own words. Any other reason
// keeps the system's words.
std::string ReasonInSlovenian(int error, std::string_view system_words);

// `path` as a message shows it: its bytes as UTF-8, a "�" for each byte that
// is not.
std::string ShownPath(std::string_view path);

// The languages the messages are told in: Slovenian for the window and the
// page, English for the converter.
enum class Language { kSlovenian, kEnglish };

// A binary document as a message names it: "dokument PDF", "a PDF document".
std::string_view DocumentName(std::string_view document, Language language);

// Why the run failed. `log_shown` names the log; `earlier_file_kept` says
// that an earlier Cabrillo file stands where the new one was to go, left as
// it was.
std::string FailureMessage(const ConversionFailure& failure, std::string_view log_shown, bool earlier_file_kept);

// The line a front end adds to the result list of a run that stopped, so
// that the list of what was read does not pass for a finished one. ASCII,
// so the same in Windows-1250.
inline constexpr std::string_view kRunStoppedLine = "*** Pretvorba se je ustavila; datoteka CBR ni bila zapisana.";

// Odd field values (contest/value_checks) before the file is made; the
// details list them.
inline constexpr std::string_view kOddValuesMessage =
    "Nekatere vrednosti polj so videti napačne; komisija jih morda vseeno sprejme. Podrobnosti povedo, katere."
    "\n\nNadaljujem z izdelavo datoteke CBR?";

// Why a log dropped onto the window is not taken.
inline constexpr std::string_view kDropBeforeReady =
    "Dnevnik spustite, ko so polja z zvezdico izpolnjena in je kategorija izbrana.";
inline constexpr std::string_view kDropAfterRun = "Datoteka CBR je že izdelana; dnevnika ni mogoče spustiti.";
inline constexpr std::string_view kDropOneFile = "Spustite eno samo datoteko z dnevnikom.";

// "Tiskaj" after a run that wrote no file.
inline constexpr std::string_view kNothingToPrint = "Datoteka CBR ni bila zapisana, zato ni česa tiskati.";

// The status line after a run, naming the file written, then what the notes
// tell of the whole log: the kind read, what was left out or changed.
std::string WrittenMessage(std::string_view file_shown, const std::vector<LogNote>& notes);

// The callsign field (UTF-8) gives no file name.
std::string NoFileNameMessage(std::string_view callsign);

// The Cabrillo file was written, but its folder could not be synced.
std::string FolderNotSyncedMessage(std::string_view file_shown, int error);

// The line report: the box's text for `warnings` warnings, and the details
// of one note, "vrstica 57: ..." and the line as read for a warning.
std::string LineReportMessage(int warnings);
std::string NoteMessage(const LogNote& note);
std::string NotesNotShownMessage(int count);

// What a note says, without its line: "videti je kot zveza, a ni
// pretvorjena: ..." or "looks like a contact but was not converted: ...".
// Lower case, as it follows a line number or a file name.
std::string NoteWhat(const LogNote& note, Language language);
// Whether the note's text is the line it concerns, to be shown under it
// (rather than a value that NoteWhat names).
bool NoteShowsLine(const LogNote& note);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_MESSAGES_H_
