// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's own time for one conversion of a log held in memory, built
// alike for the native programs and for node (bench/wasm.sh runs both), so
// that neither a process's start nor the disk is counted: the file is
// composed in full and not written.
// Usage: engine_time LOG [RUNS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/convert_log.h"
#include "process/huge_pages.h"

int main(int argc, char* argv[]) {
  // The heap as the converter sets it up.
  pelikan::PreferHugePagesForHeap();
  if (argc < 2 || argc > 3) {
    std::fputs("usage: engine_time LOG [RUNS]\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.good() && !in.eof()) {
    std::fprintf(stderr, "engine_time: cannot read %s\n", argv[1]);
    return 1;
  }
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 30;
  pelikan::ContestData data;
  data.Callsign = "S59AAA";
  data.LicenceYear = "1985";

  // The first runs warm the caches (and let node compile the hot code fully).
  const int warm_up = std::max(1, runs / 5);
  std::vector<double> times;
  int contacts = 0;
  for (int run = 0; run < warm_up + runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const pelikan::ConversionResult result = pelikan::ConvertLog(log, data);
    const auto end = std::chrono::steady_clock::now();
    if (!result.ok() || result.Cabrillo().empty()) {
      std::fputs("engine_time: the conversion failed\n", stderr);
      return 1;
    }
    contacts = result.record_count;
    if (run >= warm_up) times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("%d contacts, %d runs: median %.3f ms, best %.3f ms\n", contacts, runs, times[times.size() / 2],
              times.front());
  return 0;
}
