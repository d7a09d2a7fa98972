// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzles per second of the rating and of the solution counter over the
// whole puzzle file (Royle's 17-clue collection unless configured, or the
// file the environment's NORALIM_BENCH_PUZZLES names), each puzzle's empty
// cells open to all nine digits.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "boards/counting.h"
#include "boards/rating.h"
#include "reader/reader.h"

namespace {

using namespace noralim;

std::string PuzzlePath() {
  const char* chosen = std::getenv("NORALIM_BENCH_PUZZLES");
  return chosen != nullptr ? chosen : NORALIM_PUZZLES;
}

const std::vector<DigitCells>& Puzzles() {
  static const std::vector<DigitCells> puzzles = [] {
    std::vector<DigitCells> out;
    std::ifstream in(PuzzlePath());
    for (std::string line; std::getline(in, line);) {
      if (const std::optional<DigitCells> cells = ReadPuzzleMasks(line)) out.push_back(OpenEmptyCells(*cells));
    }
    return out;
  }();
  return puzzles;
}

template <class Run>
void WholeFile(benchmark::State& state, Run run) {
  const auto& puzzles = Puzzles();
  if (puzzles.empty()) {
    state.SkipWithError(("puzzle file not found: " + PuzzlePath()).c_str());
    return;
  }
  for (auto _ : state) {
    for (const DigitCells& puzzle : puzzles) benchmark::DoNotOptimize(run(puzzle));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * puzzles.size()));
}

void BM_RateWholeFile(benchmark::State& state) {
  WholeFile(state, [](const DigitCells& p) { return Rate(p); });
}

void BM_CountWholeFile(benchmark::State& state) {
  WholeFile(state, [](const DigitCells& p) { return CountSolutions(p); });
}

BENCHMARK(BM_RateWholeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CountWholeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
