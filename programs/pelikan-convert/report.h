// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_PROGRAMS_PELIKAN_CONVERT_REPORT_H_
#define PELIKAN_PROGRAMS_PELIKAN_CONVERT_REPORT_H_

#include <cstdio>
#include <string>
#include <string_view>

#include "contest/cp1250.h"
#include "engine/convert_log.h"
#include "engine/messages.h"

namespace pelikan {

// What the converter says, in English and UTF-8.

// Writes Windows-1250 `lines` as UTF-8, one to a line, gathered into blocks
// so that a long result list costs a few writes: each system call is dear
// on a virtual machine. A write through stdio for each line cost more
// instructions and more time (bench/README.md, "PrintLines blocks").
template <typename Lines>
void PrintLines(std::FILE* stream, const Lines& lines) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string utf8;
  utf8.reserve(kBlock + 1024);
  for (std::string_view line : lines) {
    AppendCp1250AsUtf8(line, utf8);
    utf8 += '\n';
    if (utf8.size() >= kBlock) {
      std::fwrite(utf8.data(), 1, utf8.size(), stream);
      utf8.clear();
    }
  }
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

// One line per note of the run on standard error, in the form editors jump
// to ("log.txt:57: warning: ..."), and a line for a folder that could not be
// synced once `cabrillo_path` was written there.
void PrintWarnings(const ConversionResult& result, const std::string& log_shown, const std::string& cabrillo_path);

// Why the run failed, as the converter's last line says it after
// "pelikan-convert: " (the window's and the page's words are
// FailureMessage's).
std::string FailureLine(const ConversionFailure& failure, const std::string& log_shown);

}  // namespace pelikan

#endif  // PELIKAN_PROGRAMS_PELIKAN_CONVERT_REPORT_H_
