// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/pelikan-convert/options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "contest/cp1250.h"
#include "contest/editing_rules.h"
#include "contest/fields.h"

namespace pelikan {
namespace {

constexpr const char* kVersion = "pelikan-convert (Pelikan) " PELIKAN_VERSION
                                 "\n"
                                 "Copyright (C) 2026 the Pelikan developers.\n"
                                 "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                                 "This is free software: you are free to change and redistribute it.\n"
                                 "There is NO WARRANTY, to the extent permitted by law.\n";

std::string Usage() {
  std::string usage =
      "Usage: pelikan-convert [options] LOGFILE\n"
      "Converts a contest log into a Cabrillo file named after the callsign.\n"
      "\n"
      "Contest data (each takes one text; * marks the required ones):\n";
  for (const ContestField& field : kContestFields) {
    std::string line = "  --" + std::string(field.option) + " TEXT";
    line.resize(std::max<std::size_t>(line.size() + 1, 32), ' ');
    line.append(field.required ? "* " : "  ").append(field.help);
    if (!field.start_text.empty()) line.append(" (default \"").append(field.start_text).append("\")");
    usage += line + "\n";
  }
  return usage +
         "\n"
         "  --output-dir DIR                where the .cbr file goes (default: here)\n"
         "  --log-format FORMAT             auto, listing, cabrillo or adif (default auto:\n"
         "                                  recognised from the log's content)\n"
         "  --check                         convert and report, but write no file\n"
         "  --strict                        exit with status 3 when there were warnings\n"
         "  --help                          show this text\n"
         "  --version                       show the version and the licence\n"
         "\n"
         "The log is a contest logger's printed listing, a Cabrillo file or an ADIF\n"
         "export, told by its content. The result list goes to standard output, the\n"
         "processed-records message to standard error. Before it, standard error has a\n"
         "line LOGFILE:LINE: warning: for every log line or record that looks like a\n"
         "contact but was not converted, or whose QSO line a checker would reject, a\n"
         "line LOGFILE: note: for what was done to the log as a whole, and a line\n"
         "pelikan-convert: warning: for an odd value (a licence year that is no year,\n"
         "an empty contest, operators with blanks after commas). Exit status: 0 done,\n"
         "1 the conversion failed (no file written), 2 wrong options, missing contest\n"
         "data or a callsign that gives no file name, 3 done with warnings under\n"
         "--strict, 4 the Cabrillo file was written but standard output failed.\n";
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "pelikan-convert: %s\n%s", message.c_str(), Usage().c_str());
  return kExitUsage;
}

// The name of an option as written in `argument` ("--colour=red" gives
// "colour").
std::string_view OptionName(std::string_view argument) {
  argument.remove_prefix(std::min(argument.find_first_not_of('-'), argument.size()));
  return argument.substr(0, argument.find('='));
}

enum OtherOption {
  // Field i is option i + 1, as getopt reports a fault of an unknown option
  // as option 0.
  kOutputDirOption = static_cast<int>(kContestFields.size()) + 1,
  kLogFormatOption,
  kCheckOption,
  kStrictOption,
  kHelpOption,
  kVersionOption,
};

std::vector<option> LongOptions() {
  std::vector<option> options;
  for (const ContestField& field : kContestFields) {
    options.push_back({field.option.data(), required_argument, nullptr, static_cast<int>(options.size()) + 1});
  }
  options.push_back({"output-dir", required_argument, nullptr, kOutputDirOption});
  options.push_back({"log-format", required_argument, nullptr, kLogFormatOption});
  options.push_back({"check", no_argument, nullptr, kCheckOption});
  options.push_back({"strict", no_argument, nullptr, kStrictOption});
  options.push_back({"help", no_argument, nullptr, kHelpOption});
  options.push_back({"version", no_argument, nullptr, kVersionOption});
  options.push_back({});
  return options;
}

// Takes the field values as typed and left. Says what is wrong with them
// and gives kExitUsage, or gives 0.
int TakeFieldValues(const std::array<const char*, kContestFields.size()>& values, ContestData& data) {
  std::string missing;
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& field = kContestFields[i];
    if (values[i] != nullptr) {
      // A text for the file must be UTF-8.
      std::optional<std::string> typed = Utf8AsCp1250(values[i]);
      if (!typed) return UsageError("--" + std::string(field.option) + " is not valid UTF-8");
      // A text box holds one line; a line break in a value would break the
      // header's lines apart.
      std::replace_if(
          typed->begin(), typed->end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
      data.*field.value = TextAfterLeaving(field, *typed);
    }
    if (field.required && (data.*field.value).empty()) {
      missing += (missing.empty() ? "--" : ", --") + std::string(field.option);
    }
  }
  if (missing.empty()) return 0;
  std::fprintf(stderr, "pelikan-convert: missing contest data: %s\n", missing.c_str());
  return kExitUsage;
}

}  // namespace

std::variant<Options, int> ParseCommandLine(int argc, char* argv[]) {
  const std::vector<option> options = LongOptions();
  std::array<const char*, kContestFields.size()> values{};  // the last value given, as its bytes
  Options parsed;
  bool help = false;
  bool version = false;
  opterr = 0;  // the messages below name the option as written
  for (int found; (found = getopt_long_only(argc, argv, "", options.data(), nullptr)) != -1;) {
    // The option as written: the argument before its value when that came
    // apart.
    const bool value_apart = found != '?' && optarg != nullptr && optarg == argv[optind - 1];
    const std::string_view argument = argv[optind - (value_apart ? 2 : 1)];
    const int which = found == '?' ? optopt : found;  // 0 for an unknown option
    // getopt also takes an unambiguous abbreviation; names count only whole,
    // so that a mistyped option is never read as another.
    if (which == 0 || OptionName(argument) != options[static_cast<std::size_t>(which) - 1].name) {
      return UsageError("Unknown option '" + std::string(OptionName(argument)) + "'.");
    }
    if (found == '?') {
      if (options[static_cast<std::size_t>(which) - 1].has_arg == no_argument) {
        return UsageError("Unexpected value after '" + std::string(argument.substr(0, argument.find('='))) + "'.");
      }
      return UsageError("Missing value after '" + std::string(argument) + "'.");
    }
    switch (found) {
      case kOutputDirOption: parsed.output_dir = optarg; break;
      case kLogFormatOption: {
        static constexpr std::pair<std::string_view, LogFormat> kFormats[] = {
            {"auto", LogFormat::kAuto},
            {"listing", LogFormat::kListing},
            {"cabrillo", LogFormat::kCabrillo},
            {"adif", LogFormat::kAdif},
        };
        const auto format = std::find_if(std::begin(kFormats), std::end(kFormats),
                                         [](const auto& known) { return known.first == optarg; });
        if (format == std::end(kFormats)) {
          return UsageError("--log-format takes auto, listing, cabrillo or adif, not '" + std::string(optarg) + "'.");
        }
        parsed.format = format->second;
        break;
      }
      case kCheckOption: parsed.check = true; break;
      case kStrictOption: parsed.strict = true; break;
      case kHelpOption: help = true; break;
      case kVersionOption: version = true; break;
      default: values[static_cast<std::size_t>(found) - 1] = optarg;
    }
  }
  if (help || version) {
    std::fputs(help ? Usage().c_str() : kVersion, stdout);
    return 0;
  }
  if (argc - optind != 1) return UsageError(optind == argc ? "no LOGFILE given" : "only one LOGFILE is taken");
  parsed.log_path = argv[optind];
  if (const int status = TakeFieldValues(values, parsed.data)) return status;
  return parsed;
}

}  // namespace pelikan
