// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "engine/cp1250.h"

namespace pelikan {
namespace {

std::string Number(std::int64_t value) { return std::to_string(value); }

// What a faulty QSO line has wrong, as "datum, čas".
std::string FaultyPieces(unsigned faulty) {
  static constexpr std::pair<unsigned, std::string_view> kPieces[] = {
      {kQsoFrequency, "frekvenca"},
      {kQsoMode, "način dela"},
      {kQsoDate, "datum"},
      {kQsoTime, "čas"},
      {kQsoWorkedCall, "klicni znak"},
      {kQsoReceivedReport, "prejeti raport"},
      {kQsoExchange, "prejeta izmenjava"},
  };
  std::string pieces;
  for (const auto& [piece, name] : kPieces) {
    if (faulty & piece) pieces.append(pieces.empty() ? "" : ", ").append(name);
  }
  return pieces;
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
  }
  return {};
}

std::string WrittenMessage(std::string_view file_shown) { return "Zapisano: " + std::string(file_shown); }

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

std::string NoteMessage(const LogNote& note) {
  std::string what;
  switch (note.kind) {
    case NoteKind::kContactBeforeColumns:
      what = "videti je kot zveza, a ni pretvorjena: pred njo ni bilo polja 599 ali 59";
      break;
    case NoteKind::kContactTooShort: what = "videti je kot zveza, a ni pretvorjena: ima manj kot 8 polj"; break;
    case NoteKind::kFaultyQsoLine:
      what = "vrstica QSO bo zavrnjena, napačno: " + FaultyPieces(note.faulty_pieces);
      break;
    case NoteKind::kReadAsUtf8: return "Dnevnik je bil shranjen kot UTF-8 in je bil pretvorjen v Windows-1250.";
  }
  return "vrstica " + Number(note.line) + ": " + what + "\n" + Cp1250AsUtf8(note.text);
}

std::string NotesNotShownMessage(int count) { return "... in še " + Number(count) + " vrstic, ki niso prikazane."; }

}  // namespace pelikan
