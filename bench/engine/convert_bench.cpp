// SPDX-License-Identifier: GPL-3.0-or-later
// One whole conversion: read the log, convert, summary, file written.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/engine/temp_dir.h"
#include "engine/convert_log.h"
#include "process/huge_pages.h"

namespace pelikan {
namespace {

// Two digits of `value`.
std::string TwoDigits(int value) { return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)}; }

// A log as a logging program prints it, or exports it as Cabrillo or ADIF
// (the fields a contest logger writes): both modes, a distinct call per
// contact, a few hundred multipliers, a contact a minute. Every form gives
// the same Cabrillo file.
std::string GenerateLog(int contacts, LogFormat format = LogFormat::kListing) {
  std::string log;
  if (format == LogFormat::kListing) {
    log =
        "Band  Mode  Date        Time   Call      Snt  Rcv  Exch\r\n"
        "-------------------------------------------------------\r\n";
  } else if (format == LogFormat::kCabrillo) {
    log = "START-OF-LOG: 3.0\r\nCALLSIGN: S59AAA\r\nCONTEST: KV-ZRS\r\nCREATED-BY: a logger\r\n";
  } else {
    log = "ADIF export of a logger\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n";
  }
  for (int i = 0; i < contacts; ++i) {
    const bool cw = i % 3 != 0;
    const std::string day = TwoDigits(4 + i / 1440);
    const std::string hours = TwoDigits(i % 1440 / 60);
    const std::string minutes = TwoDigits(i % 60);
    const std::string call = "S5" + std::to_string(i);
    const std::string report = cw ? "599" : "59";
    const std::string exchange = std::to_string(1950 + i % 300);
    if (format == LogFormat::kListing) {
      log += "QSO: 80\t" + std::string(cw ? "CW" : "SSB") + "\t2007-03-" + day + "\t" + hours + ":" + minutes + "\t" +
             call + "\t" + report + "\t" + report + "\t" + exchange + "\r\n";
    } else if (format == LogFormat::kCabrillo) {
      log += "QSO:  3500 " + std::string(cw ? "CW" : "PH") + " 2007-03-" + day + " " + hours + minutes +
             " S59AAA        " + report + " 1985   " + call + std::string(14 - call.size(), ' ') + report + " " +
             exchange + "\r\n";
    } else {
      const auto field = [&log](std::string_view name, std::string_view value) {
        log.append("<").append(name).append(":").append(std::to_string(value.size())).append(">").append(value);
        log += ' ';
      };
      field("CALL", call);
      field("QSO_DATE", "200703" + day);
      field("TIME_ON", hours + minutes + "00");
      field("BAND", "80M");
      field("FREQ", "3.500");
      field("MODE", cw ? "CW" : "SSB");
      field("RST_SENT", report);
      field("RST_RCVD", report);
      field("STX_STRING", "1985");
      field("SRX_STRING", exchange);
      field("STATION_CALLSIGN", "S59AAA");
      log += "<EOR>\r\n";
    }
  }
  return log;
}

// One conversion of the generated log. Without the file (a check) what is
// left is the conversion itself and the read of the log, without the
// kernel's work of writing, syncing and replacing the Cabrillo file.
template <bool kWriteFile>
void BM_Conversion(benchmark::State& state) {
  const int contacts = static_cast<int>(state.range(0));
  testing::TempDir dir;
  testing::WriteFile(dir / "log.txt", GenerateLog(contacts));
  ContestData data;
  data.Callsign = "S59AAA";
  data.LicenceYear = "1985";
  for (auto _ : state) {
    ConversionResult result = ConvertLogFile(dir / "log.txt", data);
    if (kWriteFile) WriteCabrilloFile(result, dir / "log.txt", dir / "S59AAA.cbr");
    if (!result.ok() || result.record_count != contacts) state.SkipWithError("conversion failed");
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * contacts);
  state.SetComplexityN(contacts);
}
BENCHMARK(BM_Conversion<true>)
    ->Name("BM_ConvertLog")
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(kMaxRecords)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_Conversion<false>)->Name("BM_CheckLog")->Arg(kMaxRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelikan

// `convert_bench --write-log FILE [listing|cabrillo|adif]` writes the log at
// the contact limit in that form and exits, so that bench/whole.sh and
// bench/formats.sh time the whole program on the same log.
int main(int argc, char** argv) {
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--write-log") == 0) {
    const std::string_view form = argc == 4 ? argv[3] : "listing";
    const pelikan::LogFormat format = form == "adif"       ? pelikan::LogFormat::kAdif
                                      : form == "cabrillo" ? pelikan::LogFormat::kCabrillo
                                                           : pelikan::LogFormat::kListing;
    pelikan::testing::WriteFile(argv[2], pelikan::GenerateLog(pelikan::kMaxRecords, format));
    std::error_code error;
    return std::filesystem::file_size(argv[2], error) > 0 && !error ? EXIT_SUCCESS : EXIT_FAILURE;
  }
  // The heap as both programs set it up, so that the figures are theirs.
  pelikan::PreferHugePagesForHeap();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
