// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's state: what writing it after a step of typing costs with a
// full history behind it, what restoring a history of 100 steps costs, and
// how much a history of 100 steps of whole grids of full cells holds.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <chrono>

#include "ui/cellfield.h"
#include "ui/statefile.h"

namespace {

using namespace noralim;
using namespace noralim::ui;

// 100 steps of typing one digit into a cell of a 17-clue puzzle.
WindowState TypingState() {
  KeptGrid grid;
  grid.texts[0] = DigitText(5);
  grid.kinds[0] = Origin::Given;
  GridHistory history(grid);
  for (int k = 1; k <= 100; ++k) {
    grid.texts[static_cast<std::size_t>(k % kCellCount)] = CellText(1, static_cast<char32_t>(U'1' + k % 9));
    history.Record(grid);
  }
  return {history, {"puzzles.txt:4", "/home/user/puzzles.txt", 4}, {}, 0};
}

// Copying the state for the writer (the window's share) and encoding it
// (the writer's, before it puts the file in place).
void BM_WriteStateAfterAStep(benchmark::State& state) {
  const WindowState kept = TypingState();
  for (auto _ : state) {
    const std::string text = EncodeState(WindowState(kept));
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_WriteStateAfterAStep)->Unit(benchmark::kMicrosecond);

void BM_RestoreState(benchmark::State& state) {
  const std::string text = EncodeState(TypingState());
  for (auto _ : state) {
    auto read = DecodeState(text);
    benchmark::DoNotOptimize(read);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_RestoreState)->Unit(benchmark::kMicrosecond);

double MaxRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

// 100 steps, each a whole grid of 81 cells at the cap, each a new text: the
// history's bytes and the process's peak while recording them (the grid
// being recorded and the history's current grid, 21 MB each, included);
// then the state written and read back.
void BM_HistoryOfFullGrids(benchmark::State& state) {
  for (auto _ : state) {
    const double before = MaxRssMegabytes();
    KeptGrid grid;
    GridHistory history(grid);
    for (int k = 0; k < 100; ++k) {
      grid.texts.fill(CellText(CellField::kMaxCharacters, static_cast<char32_t>(U'A' + k % 50)));
      history.Record(grid);
    }
    state.counters["history MB"] = static_cast<double>(history.Bytes()) / (1 << 20);
    state.counters["steps kept"] = static_cast<double>(history.Steps().size());
    state.counters["peak MB"] = MaxRssMegabytes() - before;
    const auto start = std::chrono::steady_clock::now();
    const std::string text = EncodeState({history, {}, {}, 0});
    const auto written = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(DecodeState(text));
    const auto read = std::chrono::steady_clock::now();
    state.counters["state MB"] = static_cast<double>(text.size()) / (1 << 20);
    state.counters["write ms"] = std::chrono::duration<double, std::milli>(written - start).count();
    state.counters["read ms"] = std::chrono::duration<double, std::milli>(read - written).count();
  }
}
BENCHMARK(BM_HistoryOfFullGrids)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
