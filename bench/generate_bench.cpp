// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzles per second of the generator at each rung (0: any), as asked of
// noralim-solve --generate with -j 1: plain, with clues in a half-turn
// pattern, and minimal. Each puzzle comes from the next seed of one run.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "boards/generator.h"

namespace {

using namespace noralim;

void Generating(benchmark::State& state, Symmetry symmetry, bool minimal) {
  PuzzleOrder order{std::nullopt, symmetry, minimal};
  if (state.range(0) > 0) order.level = static_cast<Level>(state.range(0));
  std::uint64_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Generate(PuzzleSeed(11, k++), order));
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(order.level ? std::string(LevelName(*order.level)) : "any");
}

void BM_Generate(benchmark::State& state) { Generating(state, Symmetry::None, false); }
void BM_GenerateCentral(benchmark::State& state) { Generating(state, Symmetry::Central, false); }
void BM_GenerateMinimal(benchmark::State& state) { Generating(state, Symmetry::None, true); }

BENCHMARK(BM_Generate)->DenseRange(0, kLevelCount)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_GenerateCentral)->DenseRange(0, kLevelCount)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_GenerateMinimal)->DenseRange(0, kLevelCount)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
