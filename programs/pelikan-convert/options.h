// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_PROGRAMS_PELIKAN_CONVERT_OPTIONS_H_
#define PELIKAN_PROGRAMS_PELIKAN_CONVERT_OPTIONS_H_

#include <string>
#include <variant>

#include "contest/contest_data.h"
#include "engine/log_format.h"

namespace pelikan {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWarnings = 3;
inline constexpr int kExitOutputFailed = 4;

// What the command line asks for.
struct Options {
  // Each field as if typed into the window and left, in Windows-1250.
  ContestData data;
  std::string log_path;  // the bytes given, whatever their encoding
  std::string output_dir = ".";
  LogFormat format = LogFormat::kAuto;  // the kind of log, or recognised from it
  bool check = false;                   // convert and report, but write no file
  bool strict = false;                  // warnings end with kExitWarnings
};

// Reads the command line: long options only, with one dash or two, each
// value after "=" or as the next argument, the log anywhere among them.
// Prints --help or --version, or what is wrong (an unknown or abbreviated
// option, a missing value, a value that is not UTF-8, an unknown log
// format, missing contest data, no log or two), and gives the exit status to end with; otherwise
// gives the options.
std::variant<Options, int> ParseCommandLine(int argc, char* argv[]);

}  // namespace pelikan

#endif  // PELIKAN_PROGRAMS_PELIKAN_CONVERT_OPTIONS_H_
