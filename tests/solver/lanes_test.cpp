// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The lane engine against DigitGrid on seeded random grids, on every kernel
// this build and processor run: the same final masks, sweeps, ending and
// status.
#include "solver/lanes.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "solver/solution.h"
#include "tests/support/golden.h"

namespace noralim {
namespace {

// Relabelled givens of a solved grid or of contradictory givens, now and
// then with wrong digits (more contradictions) and candidate strings; some
// nearly empty.
DigitCells RandomGrid(std::mt19937& rng) {
  static const GridTexts solved =
      golden::Grid("849713625175269384236458971713982546524136798968574213452391867381627459697845132");
  static const GridTexts contradictory =
      golden::Grid("...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...");
  std::vector<int> relabel = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::shuffle(relabel.begin(), relabel.end(), rng);
  DigitCells cells{};
  if (rng() % 8 == 0) {
    for (std::size_t k = 0; k < contradictory.size(); ++k) {
      if (!contradictory[k].empty()) cells[k] = DigitSet::Of(relabel[contradictory[k][0] - U'1']);
    }
  }
  const auto givens = rng() % 4 == 0 ? rng() % 6 : 17 + rng() % 20;
  for (std::mt19937::result_type k = 0; k < givens; ++k) {
    const auto slot = rng() % kCellCount;
    const int digit = rng() % 8 == 0 ? 1 + static_cast<int>(rng() % 9) : relabel[solved[slot][0] - U'1'];
    if (cells[slot] == DigitSet()) cells[slot] = DigitSet::Of(digit);
  }
  for (auto k = rng() % 4; k > 0; --k) cells[rng() % kCellCount] = DigitSet::FromBits(std::uint16_t(rng() % 512));
  return cells;
}

TEST(LanesTest, RunExactlyLikeTheCompactGrid) {
  std::mt19937 rng(20261207);
  std::vector<DigitCells> starts(2000);
  std::vector<Solution> expected;
  int contradictions = 0;
  for (DigitCells& start : starts) {
    start = RandomGrid(rng);
    expected.push_back(SolveOnDigitGrid(start, false));
    contradictions += expected.back().result.end == SolveEnd::Contradiction ? 1 : 0;
  }
  EXPECT_GT(contradictions, 0);  // the sample reaches both endings
  std::vector<LaneRun> runs(starts.size());
  for (const LaneKernel kernel : AvailableLaneKernels()) {
    SCOPED_TRACE(testing::Message() << "kernel " << static_cast<int>(kernel));
    SolveInLanes(starts, runs, kernel);
    for (std::size_t k = 0; k < starts.size(); ++k) {
      ASSERT_EQ(runs[k].result, expected[k].result) << "grid " << k;
      ASSERT_EQ(runs[k].status, expected[k].status) << "grid " << k;
      ASSERT_EQ(runs[k].cells, std::get<DigitCells>(expected[k].cells)) << "grid " << k;
    }
  }
  EXPECT_THROW(LaneSolver().Solve(starts, std::span(runs).first(1)), std::invalid_argument);
}

// Royle's puzzles of tests/data/puzzles17.txt, each with a wrong digit in one
// of its empty cells (most contradict their givens only after some sweeps):
// no run changes or empties a given, and none ends solved, on any engine.
TEST(LanesTest, AWrongDigitAddedToAPuzzleIsNeverOverwritten) {
  std::ifstream in(std::string(NORALIM_TEST_DATA) + "/puzzles17.txt");
  std::mt19937 rng(20261208);
  std::vector<DigitCells> starts;
  for (std::string line; std::getline(in, line);) {
    const GridTexts puzzle = golden::Grid(line);
    const DigitCells givens = *AsDigitSets(puzzle);
    const DigitCells calculated = std::get<DigitCells>(SolveOnDigitGrid(givens, false).cells);
    for (int added = 0; added < 4;) {
      // A digit that Calc rules out in the cell, or any other than the one
      // it settles there: the puzzle, with one solution, then has none.
      const std::size_t slot = rng() % kCellCount;
      const auto kept = calculated[slot].Bits();
      if (givens[slot] != DigitSet() || kept == kAllDigits.Bits()) continue;
      DigitCells cells = givens;
      const int d = Length(calculated[slot]) == 1 ? DigitOf(calculated[slot]) % 9 + 1 : std::countr_one(kept) + 1;
      cells[slot] = DigitSet::Of(d);
      starts.push_back(cells);
      ++added;
    }
  }
  ASSERT_EQ(starts.size(), 400U);
  std::vector<LaneRun> runs(starts.size());
  int stopped = 0;
  for (const LaneKernel kernel : AvailableLaneKernels()) {
    SolveInLanes(starts, runs, kernel);
    for (std::size_t k = 0; k < starts.size(); ++k) {
      SCOPED_TRACE(testing::Message() << "grid " << k);
      ASSERT_NE(runs[k].status, GridStatus::Solved);
      for (std::size_t slot = 0; slot < kCellCount; ++slot) {
        if (starts[k][slot] != DigitSet()) {
          ASSERT_EQ(runs[k].cells[slot], starts[k][slot]);
        }
      }
      stopped += runs[k].result.end == SolveEnd::Contradiction && runs[k].result.sweeps > 1 ? 1 : 0;
    }
  }
  EXPECT_GT(stopped, 0);  // some wrong digits are found only in a later sweep
}

}  // namespace
}  // namespace noralim
