// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "contest/cp1250.h"

namespace pelikan {
namespace {

std::string Number(std::int64_t value) { return std::to_string(value); }

// `pattern` in the language asked for, its %1 to %9 replaced by `values`.
std::string Format(Language language, std::string_view slovenian, std::string_view english,
                   std::initializer_list<std::string_view> values = {}) {
  const std::string_view pattern = language == Language::kEnglish ? english : slovenian;
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const auto n = static_cast<std::size_t>(i + 1 < pattern.size() ? pattern[i + 1] - '1' : -1);
    if (pattern[i] == '%' && n < values.size()) {
      text += values.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string_view In(Language language, std::string_view slovenian, std::string_view english) {
  return language == Language::kEnglish ? english : slovenian;
}

}  // namespace

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

std::string ReasonIn(Language language, int error, std::string_view system_words) {
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
  if (language == Language::kEnglish)
    return std::string(error != 0 && system_words.empty() ? SystemWords(error) : system_words);
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
    if (kind == document) return In(language, slovenian, english);
  }
  return document;
}

std::string FailureMessage(const ConversionFailure& failure, std::string_view log_shown, bool earlier_file_kept,
                           Language language) {
  const std::string path = ShownPath(failure.path.string());
  const std::string reason = ReasonIn(language, failure.error, failure.reason);
  const std::string_view not_written =
      In(language, "\n\nDatoteka CBR ni bila zapisana.", "\n\nNo CBR file was written.");
  const auto say = [&](std::string_view slovenian, std::string_view english,
                       std::initializer_list<std::string_view> values) {
    return Format(language, slovenian, english, values) + std::string(not_written);
  };
  switch (failure.kind) {
    case FailureKind::kCannotReadLog:
      return say("Dnevnika %1 ni mogoče prebrati:\n%2.", "The log %1 cannot be read:\n%2.", {path, reason});
    case FailureKind::kCannotWriteFile:
      return say("Datoteke %1 ni mogoče zapisati:\n%2.", "The file %1 cannot be written:\n%2.", {path, reason}) +
             std::string(earlier_file_kept ? In(language, " Obstoječa datoteka je ostala nespremenjena.",
                                                " The existing file was left as it was.")
                                           : "");
    case FailureKind::kTooManyContacts:
      return say("Dnevnik %1 ima več kot %2 zvez.", "The log %1 holds more than %2 contacts.",
                 {log_shown, Number(kMaxRecords)});
    case FailureKind::kLogNotAFile: return say("%1 ni navadna datoteka.", "%1 is not a regular file.", {path});
    case FailureKind::kLogTooLarge:
      return say("Dnevnik %1 je večji od %2 MiB.", "The log %1 is larger than %2 MiB.",
                 {path, Number(kMaxLogBytes >> 20)});
    case FailureKind::kLineTooLong:
      return say("Vrstica %1 dnevnika %2 je daljša od %3 znakov.",
                 "Line %1 of the log %2 is longer than %3 characters.",
                 {Number(failure.line), path, Number(kMaxLineBytes)});
    case FailureKind::kOutOfMemory:
      return say("Za pretvorbo dnevnika %1 ni dovolj pomnilnika.", "There is not enough memory to convert the log %1.",
                 {path});
    case FailureKind::kNotALog:
      return say("Datoteka %1 je %2, ne dnevnik.", "The file %1 is %2, not a log.",
                 {path, DocumentName(failure.document, language)});
    case FailureKind::kLogIsOutput:
      return say(
          "Dnevnik %1 je prav datoteka CBR, ki naj bi bila zapisana, in bi se izgubil.\n\n"
          "Izberite drug dnevnik ali ga premaknite v drugo mapo.",
          "The log %1 is the very CBR file that was to be written, and would be lost.\n\n"
          "Choose another log, or move it to another folder.",
          {path});
  }
  return {};
}

std::string_view OddValuesMessage(Language language) {
  return In(language,
            "Nekatere vrednosti polj so videti napačne; komisija jih morda vseeno sprejme. Podrobnosti povedo, "
            "katere.\n\nNadaljujem z izdelavo datoteke CBR?",
            "Some of the fields' values look wrong; the committee may take them all the same. The details tell "
            "which.\n\nGo on and make the CBR file?");
}

std::string_view DropMessage(DropRefusal refusal, Language language) {
  switch (refusal) {
    case DropRefusal::kBeforeReady:
      return In(language, "Dnevnik spustite, ko so polja z zvezdico izpolnjena in je kategorija izbrana.",
                "Drop the log once the fields with a star are filled and a category is chosen.");
    case DropRefusal::kAfterRun:
      return In(language, "Datoteka CBR je že izdelana; dnevnika ni mogoče spustiti.",
                "The CBR file is made already; a log cannot be dropped.");
    case DropRefusal::kAfterCancel:
      return In(language, "Izbira dnevnika je bila preklicana in zagon je končan; dnevnika ni mogoče spustiti.",
                "The choice of log was cancelled and the run is over; a log cannot be dropped.");
    case DropRefusal::kNotOneFile:
      return In(language, "Spustite eno samo datoteko z dnevnikom.", "Drop a single file with the log.");
    case DropRefusal::kNone: break;
  }
  return {};
}

std::string_view NothingToPrintMessage(Language language) {
  return In(language, "Datoteka CBR ni bila zapisana, zato ni česa tiskati.",
            "No CBR file was written, so there is nothing to print.");
}

std::string NoFileNameMessage(std::string_view callsign, Language language) {
  return Format(language, "Iz znaka »%1« ni mogoče sestaviti imena datoteke CBR.\n\nVpišite pravi znak.",
                "The callsign “%1” gives no name for the CBR file.\n\nEnter the right callsign.", {callsign});
}

std::string FolderNotSyncedMessage(std::string_view file_shown, int error, Language language) {
  return Format(language,
                "Datoteka %1 je zapisana, vendar njene mape ni bilo mogoče shraniti na disk:\n%2.\n\n"
                "Ob izpadu elektrike se lahko vrne prejšnja datoteka.",
                "The file %1 is written, but its folder could not be saved to the disk:\n%2.\n\n"
                "A power cut may still bring back the earlier file.",
                {file_shown, ReasonIn(language, error, SystemWords(error))});
}

std::string CategoryListMessage(std::string_view path_shown, std::string_view reason, Language language) {
  return Format(language,
                "Seznama kategorij %1 ni mogoče prebrati:\n%2.\n\nSeznam ostane prazen; kategorijo lahko vpišete sami.",
                "The category list %1 cannot be read:\n%2.\n\nIts list stays empty; you can type a category.",
                {path_shown, reason});
}

std::string NotAFileReason(Language language) {
  return std::string(In(language, "to ni navadna datoteka", "it is not a regular file"));
}

std::string ListTooLargeReason(std::size_t max_kib, Language language) {
  return Format(language, "datoteka je večja od %1 KiB", "the file is larger than %1 KiB", {Number(max_kib)});
}

std::string CannotOpenMessage(std::string_view path_shown, std::string_view reason, Language language) {
  return Format(language, "Datoteke %1 ni mogoče odpreti:\n%2.", "The file %1 cannot be opened:\n%2.",
                {path_shown, reason});
}

std::string NoTextEditorMessage(std::string_view path_shown, Language language) {
  return Format(language,
                "Namizje nima urejevalnika besedil, ki bi ga program lahko odprl.\n\n"
                "Datoteko %1 odprite sami; zapisana je v kodni tabeli Windows-1250.",
                "The desktop has no text editor the program could open.\n\n"
                "Open the file %1 yourself; it is written in the Windows-1250 code page.",
                {path_shown});
}

std::string TextEditorFailedMessage(std::string_view path_shown, Language language) {
  return Format(
      language, "Urejevalnika besedil ni bilo mogoče zagnati ali pa se je takoj končal z napako.\n\nDatoteka: %1",
      "The text editor could not be started, or it ended at once with a failure.\n\nThe file: %1", {path_shown});
}

}  // namespace pelikan
