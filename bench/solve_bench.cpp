// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzles per second of RunSolve on the general grid, on the compact grid,
// and of the plain mask transcription the compact grid is measured against.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "bench/maskbaseline.h"
#include "cli/batch.h"
#include "reader/reader.h"
#include "solver/digitgrid.h"
#include "solver/lanes.h"
#include "solver/memorygrid.h"
#include "solver/solution.h"
#include "solver/solve.h"

namespace {

using namespace noralim;

const std::vector<GridTexts>& Puzzles() {
  static const std::vector<GridTexts> puzzles = [] {
    std::vector<GridTexts> out;
    std::ifstream in(NORALIM_PUZZLES);
    std::string line;
    while (out.size() < 2000 && std::getline(in, line)) {
      const LineResult result = ReadLine(line);
      if (const auto* p = std::get_if<Puzzle>(&result)) out.push_back(p->texts);
    }
    return out;
  }();
  return puzzles;
}

template <class Run>
void OverPuzzles(benchmark::State& state, Run run) {
  const auto& puzzles = Puzzles();
  if (puzzles.empty()) {
    state.SkipWithError("puzzle file not found: " NORALIM_PUZZLES);
    return;
  }
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(run(puzzles[k]));
    k = (k + 1) % puzzles.size();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_GeneralGrid(benchmark::State& state) {
  OverPuzzles(state, [](const GridTexts& texts) {
    MemoryGrid grid(texts);
    NullWindowServices window;
    return RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window)).sweeps;
  });
}

// The benchmark puzzles are all digit sets.
DigitCells Digits(const GridTexts& texts) { return *AsDigitSets(texts); }

void BM_DigitGrid(benchmark::State& state) {
  OverPuzzles(state, [](const GridTexts& texts) {
    DigitGrid grid(Digits(texts));
    NullWindowServices window;
    return RunSolve(grid, window).sweeps;
  });
}

// The lane engine over all the puzzles at once, on each kernel; items are
// puzzles, so the rate compares with the one-puzzle-at-a-time figures.
void BM_Lanes(benchmark::State& state, LaneKernel kernel) {
  const auto kernels = AvailableLaneKernels();
  if (std::find(kernels.begin(), kernels.end(), kernel) == kernels.end()) {
    state.SkipWithError("this processor cannot run the kernel");
    return;
  }
  const auto& puzzles = Puzzles();
  std::vector<DigitCells> starts;
  starts.reserve(puzzles.size());
  for (const GridTexts& texts : puzzles) starts.push_back(Digits(texts));
  std::vector<LaneRun> runs(starts.size());
  LaneSolver solver(kernel);  // its buffers kept between rounds, as the batch keeps them
  for (auto _ : state) {
    solver.Solve(starts, runs);
    benchmark::DoNotOptimize(runs.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * starts.size()));
}

void BM_MaskBaseline(benchmark::State& state) {
  OverPuzzles(state, [](const GridTexts& texts) {
    bench::MaskCells cells{};
    const auto digits = Digits(texts);
    for (std::size_t k = 0; k < cells.size(); ++k) cells[k] = digits[k].Bits();
    return bench::BaselineSolve(cells);
  });
}

// The whole file, as noralim-solve -j 1 runs it: read, parse, solve, classify, format, write.
void BM_NoralimSolveWholeFile(benchmark::State& state) {
  cli::Options options;
  options.files = {NORALIM_PUZZLES};
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) benchmark::DoNotOptimize(cli::RunBatch(options, sink, stderr));
  std::fclose(sink);
}

// The yardstick over the whole file: the same reading, the mask transcription,
// and a plain output line (the 81 cells and the sweep count).
void BM_MaskBaselineWholeFile(benchmark::State& state) {
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    std::ifstream in(NORALIM_PUZZLES);
    std::string line;
    while (std::getline(in, line)) {
      if (line.size() < 81) continue;
      bench::MaskCells cells{};
      for (int p = 0; p < 81; ++p) {
        const char c = line[static_cast<std::size_t>(p)];
        if (c >= '1' && c <= '9') cells[CellAtPosition(p) - 1] = static_cast<std::uint16_t>(1U << (c - '1'));
      }
      const int sweeps = bench::BaselineSolve(cells);
      std::string out(81, '.');
      for (int p = 0; p < 81; ++p) {
        const std::uint16_t m = cells[CellAtPosition(p) - 1];
        if (m != 0 && (m & (m - 1)) == 0) out[static_cast<std::size_t>(p)] = static_cast<char>('1' + __builtin_ctz(m));
      }
      out += ' ' + std::to_string(sweeps) + '\n';
      std::fwrite(out.data(), 1, out.size(), sink);
    }
  }
  std::fclose(sink);
}

BENCHMARK(BM_NoralimSolveWholeFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MaskBaselineWholeFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GeneralGrid);
BENCHMARK(BM_DigitGrid);
BENCHMARK(BM_MaskBaseline);
BENCHMARK_CAPTURE(BM_Lanes, generic, LaneKernel::Generic);
BENCHMARK_CAPTURE(BM_Lanes, avx2, LaneKernel::Avx2);

}  // namespace

BENCHMARK_MAIN();
