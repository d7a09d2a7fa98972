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
#include "solver/status.h"

namespace noralim {

// The end of one grid's run: the same final masks, sweeps, ending and status
// as RunSolve on DigitGrid gives.
struct LaneRun {
  DigitCells cells{};
  SolveResult result;
  GridStatus status = GridStatus::Open;
};

// The instruction sets a lane kernel is built for.
enum class LaneKernel : std::uint8_t { Generic, Avx2 };

// The kernels this build has and this processor runs, the fastest last.
std::vector<LaneKernel> AvailableLaneKernels();

// Solves every grid, runs[k] for starts[k]. A run that comes to a
// contradiction stops in its lane exactly there; one that would go past the
// lanes' bound of sweeps is finished on DigitGrid from the start of its last
// sweep in the lanes. Keeps its buffers from one call to the next.
class LaneSolver {
 public:
  // On the fastest kernel available.
  LaneSolver();
  // Throws std::invalid_argument for a kernel this build or this processor
  // does not have.
  explicit LaneSolver(LaneKernel kernel);

  // Throws std::invalid_argument unless the spans are as long as each other.
  void Solve(std::span<const DigitCells> starts, std::span<LaneRun> runs);

 private:
  LaneKernel kernel_;
  std::vector<std::uint16_t> starts_;
  std::vector<std::uint16_t> finals_;
  std::vector<int> sweeps_;
  std::vector<std::uint8_t> statuses_;
  std::vector<std::uint16_t> wheres_;
};

// The same once, with buffers of its own.
void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs, LaneKernel kernel);

}  // namespace noralim
