// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The lane engine against DigitGrid on seeded random grids, on every kernel
// this build and processor run: the same final masks, sweeps, ending and
// status.
#include "solver/lanes.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
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

}  // namespace
}  // namespace noralim
