// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What a grid's texts say about the puzzle once a run has ended.
#pragma once

#include <cstdint>
#include <string_view>

#include "solver/digitgrid.h"
#include "solver/geometry.h"
#include "solver/gridtexts.h"
#include "solver/solveresult.h"

namespace noralim {

enum class GridStatus : std::uint8_t {
  // The run ended by the repeat rule.
  Cycle,
  // A cell is empty, or one unit holds the same one-character text twice.
  Invalid,
  // Every cell holds one digit 1 to 9.
  Solved,
  // Candidate strings are left.
  Open,
};

// What the final texts of a run say, given how it ended.
GridStatus Classify(const GridTexts& texts, SolveEnd end);
// The same for masks, by bit operations.
GridStatus Classify(const DigitCells& cells, SolveEnd end);

std::string_view StatusName(GridStatus status);

}  // namespace noralim
