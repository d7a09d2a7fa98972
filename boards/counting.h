// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// How many solutions a grid of candidates has: none, one (and which) or more.
#pragma once

#include <optional>

#include "solver/digitgrid.h"

namespace noralim {

struct SolutionCount {
  // 0, 1, or 2 for two or more.
  int solutions = 0;
  // The solution, when there is exactly one.
  std::optional<DigitCells> solution;
};

// Counts the solutions that keep every cell within its candidates (by cell
// index - 1; a cell with no candidate has none, so the grid has no solution),
// searching until it has found two.
SolutionCount CountSolutions(const DigitCells& cells);

}  // namespace noralim
