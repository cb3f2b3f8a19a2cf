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

// A log as a logging program prints it: both modes, a distinct call per
// contact, a few hundred multipliers.
std::string GenerateLog(int contacts) {
  std::string log =
      "Band  Mode  Date        Time   Call      Snt  Rcv  Exch\r\n"
      "-------------------------------------------------------\r\n";
  for (int i = 0; i < contacts; ++i) {
    const bool cw = i % 3 != 0;
    log += "QSO: 80\t";
    log += cw ? "CW" : "SSB";
    log += "\t2007-03-04\t0";
    log += std::to_string(7 + i % 3) + ":" + std::to_string(10 + i % 50) + "\tS5" + std::to_string(i);
    log += cw ? "\t599\t599\t" : "\t59\t59\t";
    log += std::to_string(1950 + i % 300) + "\r\n";
  }
  return log;
}

// One conversion of the generated log. Without the file (CheckLog) what is
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
    ConversionResult result =
        kWriteFile ? ConvertLog(dir / "log.txt", data, dir / "S59AAA.cbr") : CheckLog(dir / "log.txt", data);
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

// `convert_bench --write-log FILE` writes the log at the contact limit and
// exits, so that bench/whole.sh times the whole program on the same log.
int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-log") == 0) {
    pelikan::testing::WriteFile(argv[2], pelikan::GenerateLog(pelikan::kMaxRecords));
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
