// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_MESSAGES_H_
#define PELIKAN_ENGINE_MESSAGES_H_

#include <string>
#include <string_view>
#include <vector>

#include "contest/editing_rules.h"
#include "contest/words.h"
#include "engine/convert_log.h"

namespace pelikan {

// What a front end tells the user, in UTF-8 and in the language asked for:
// the window and the browser page say the same words, from here. Paths are
// given as the message shows them (see ShownPath). The words of the entry
// itself (the result list, the processed-records message) stay Slovenian.

// The system's words for an errno value, as glibc says them on every C
// library: musl, under the WebAssembly build, words some otherwise ("I/O
// error"), and the two converters must say the same.
std::string SystemWords(int error);

// The reason a file operation failed: in Slovenian for the common reasons
// (no such file, permission denied, no space left, a full quota, a
// read-only file system, a name too long, a folder), by `error` (an errno
// value) when it is not 0, else by the system's own words; any other reason,
// and every reason in English, in the system's words.
std::string ReasonIn(Language language, int error, std::string_view system_words);

// `path` as a message shows it: its bytes as UTF-8, a "�" for each byte that
// is not.
std::string ShownPath(std::string_view path);

// A binary document as a message names it: "dokument PDF", "a PDF document".
std::string_view DocumentName(std::string_view document, Language language);

// Why the run failed. `log_shown` names the log; `earlier_file_kept` says
// that an earlier Cabrillo file stands where the new one was to go, left as
// it was.
std::string FailureMessage(const ConversionFailure& failure, std::string_view log_shown, bool earlier_file_kept,
                           Language language);

// The line a front end adds to the result list of a run that stopped, so
// that the list of what was read does not pass for a finished one. Part of
// the list, so Slovenian in every language; ASCII, so the same in
// Windows-1250.
inline constexpr std::string_view kRunStoppedLine = "*** Pretvorba se je ustavila; datoteka CBR ni bila zapisana.";

// Odd field values (contest/value_checks) before the file is made; the
// details list them.
std::string_view OddValuesMessage(Language language);

// Why a log dropped onto the form is not taken (contest/editing_rules).
std::string_view DropMessage(DropRefusal refusal, Language language);

// "Tiskaj" after a run that wrote no file.
std::string_view NothingToPrintMessage(Language language);

// The status line after a run, naming the file written, then what the notes
// tell of the whole log: the kind read, what was left out or changed.
std::string WrittenMessage(std::string_view file_shown, const std::vector<LogNote>& notes, Language language);
// The page's status line after a run, which knows only what it gave the
// browser: the name, that the file is among the browser's downloads, and
// that the browser may rename it; then the notes as above.
std::string HandedOverMessage(std::string_view file_name, const std::vector<LogNote>& notes, Language language);

// The callsign field (UTF-8) gives no file name.
std::string NoFileNameMessage(std::string_view callsign, Language language);

// The Cabrillo file was written, but its folder could not be synced.
std::string FolderNotSyncedMessage(std::string_view file_shown, int error, Language language);

// A category list file could not be read (`reason` as ListReason or
// ReasonIn gives it); its box stays empty.
std::string CategoryListMessage(std::string_view path_shown, std::string_view reason, Language language);
// Why a category list is not read, beyond the system's reasons: it is no
// regular file, or larger than `max_kib` KiB.
std::string NotAFileReason(Language language);
std::string ListTooLargeReason(std::size_t max_kib, Language language);

// The print viewer's and the text editor's troubles.
std::string CannotOpenMessage(std::string_view path_shown, std::string_view reason, Language language);
std::string NoTextEditorMessage(std::string_view path_shown, Language language);
std::string TextEditorFailedMessage(std::string_view path_shown, Language language);

// The line report: the box's text for `warnings` warnings, and the details
// of one note, "vrstica 57: ..." and the line as read for a warning.
std::string LineReportMessage(int warnings, Language language);
std::string NoteMessage(const LogNote& note, Language language);
std::string NotesNotShownMessage(int count, Language language);

// What a note says, without its line: "videti je kot zveza, a ni
// pretvorjena: ..." or "looks like a contact but was not converted: ...".
// Lower case, as it follows a line number or a file name; the English is
// what the converter prints.
std::string NoteWhat(const LogNote& note, Language language);
// Whether the note's text is the line it concerns, to be shown under it
// (rather than a value that NoteWhat names).
bool NoteShowsLine(const LogNote& note);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_MESSAGES_H_
