// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_FORMAT_H_
#define PELIKAN_ENGINE_LOG_FORMAT_H_

#include <optional>
#include <string_view>

namespace pelikan {

// The kinds of log a conversion reads. kAuto asks for the kind to be
// recognised from the content (DetectLogFormat).
enum class LogFormat {
  kAuto,
  kListing,   // the printed listing of a contest logging program
  kCabrillo,  // a Cabrillo 2.0 or 3.0 file
  kAdif,      // an ADIF file in its .adi form
};

// `log` without a UTF-8 byte order mark at its start.
std::string_view WithoutByteOrderMark(std::string_view log);

// The kind of `log` by its content, never by a file name; a byte order mark
// before it is skipped. Cabrillo: the first non-blank line begins with
// "START-OF-LOG:". ADIF: a header ended by <EOH>, or a first non-blank
// character "<" and an <EOR> somewhere (tags in any letter case). Anything
// else is a listing.
LogFormat DetectLogFormat(std::string_view log);

// The name of the kind of document whose signature `log` starts with, for
// the message that refuses it: "PDF", "PNG", "JPEG", "GIF", "ZIP" (also
// DOCX and XLSX) or "OLE" (DOC, XLS); nothing for any other file.
std::optional<std::string_view> BinaryDocumentKind(std::string_view log);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_FORMAT_H_
