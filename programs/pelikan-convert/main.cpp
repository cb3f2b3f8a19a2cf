// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan-convert: the headless front end. Converts one log into a Cabrillo
// file with the contest data given as options, for scripts and batch use.

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <variant>
#include <vector>

#include "contest/cp1250.h"
#include "contest/file_name.h"
#include "contest/value_checks.h"
#include "engine/convert_log.h"
#include "engine/messages.h"
#include "process/huge_pages.h"
#include "programs/pelikan-convert/options.h"
#include "programs/pelikan-convert/report.h"

namespace {

// A signal that ends the run takes the named temporary file with it, then
// ends the program as the signal would have.
void EndBySignal(int signal) {
  pelikan::RemoveNamedTemporaryFile();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Prints what the run gave and returns the exit status; `warned`: there were
// warnings before the run.
int Report(const pelikan::ConversionResult& result, const pelikan::Options& options,
           const std::filesystem::path& cabrillo_path, bool warned) {
  const std::string log_shown = pelikan::ShownPath(options.log_path);
  pelikan::PrintLines(stdout, result.result_list);
  const bool output_failed = std::fflush(stdout) != 0 || std::ferror(stdout);
  const int output_error = errno;
  pelikan::PrintWarnings(result, log_shown, cabrillo_path.string());
  if (result.failure) {
    std::fprintf(stderr, "pelikan-convert: %s\n", pelikan::FailureLine(*result.failure, log_shown).c_str());
    return pelikan::kExitFailed;
  }
  pelikan::PrintLines(stderr, std::array<std::string_view, 1>{result.processed_message});
  if (output_failed) {
    std::fprintf(stderr, "pelikan-convert: %s standard output failed: %s\n",
                 options.check ? "the log was checked, but" : "the Cabrillo file was written, but",
                 pelikan::SystemWords(output_error).c_str());
    return pelikan::kExitOutputFailed;
  }
  warned = warned || result.WarningCount() > 0 || result.folder_sync_error != 0;
  return options.strict && warned ? pelikan::kExitWarnings : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  pelikan::PreferHugePagesForHeap();
  // A closed terminal (SIGHUP) and Ctrl+\ (SIGQUIT) end a run as Ctrl+C does.
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) std::signal(signal, EndBySignal);
  // A closed pipe on standard output is a write error to report (exit 4,
  // the file being whole), not a death by signal.
  std::signal(SIGPIPE, SIG_IGN);

  const std::variant<pelikan::Options, int> parsed = pelikan::ParseCommandLine(argc, argv);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const pelikan::Options& options = std::get<pelikan::Options>(parsed);

  // Named after the callsign as the field shows it once left, in the file
  // system's encoding.
  const std::optional<std::string> file_name = pelikan::CabrilloFileName(options.data);
  if (!file_name) {
    std::fprintf(stderr, "pelikan-convert: the callsign \"%s\" gives no file name\n",
                 pelikan::Cp1250AsUtf8(options.data.Callsign).c_str());
    return pelikan::kExitUsage;
  }
  // Odd field values are said before the run, in the form of the log's
  // warnings; the run goes on, since the committee may take them.
  const auto today =
      std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
  const std::vector<pelikan::FieldWarning> odd = pelikan::CheckFieldValues(options.data, int{today.year()});
  for (const pelikan::FieldWarning& warning : odd) {
    std::fprintf(stderr, "pelikan-convert: warning: %s\n", warning.converter.c_str());
  }
  pelikan::ConversionResult result = pelikan::ConvertLogFile(options.log_path, options.data, options.format);
  const std::filesystem::path cabrillo_path = std::filesystem::path(options.output_dir) / *file_name;
  if (!options.check) pelikan::WriteCabrilloFile(result, options.log_path, cabrillo_path);
  return Report(result, options, cabrillo_path, !odd.empty());
}
