// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Many grids of digit sets solved at once, one grid per lane of a vector: the
// batch engine of noralim-solve.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "solver/digitgrid.h"
#include "solver/solveresult.h"

namespace noralim {

// The end of one grid's run: the same final masks, sweeps and ending as
// RunSolve on DigitGrid gives.
struct LaneRun {
  DigitCells cells{};
  SolveResult result;
};

// The instruction sets a lane kernel is built for.
enum class LaneKernel : std::uint8_t { Generic, Avx2 };

// The kernels this build has and this processor runs, the fastest last.
std::vector<LaneKernel> AvailableLaneKernels();

// Solves every grid, runs[k] for starts[k]. Runs that would go past the
// lanes' bound of sweeps (cycles, mostly) finish on DigitGrid, which applies
// the repeat rule.
void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs, LaneKernel kernel);
// The same on the fastest kernel available.
void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs);

}  // namespace noralim
