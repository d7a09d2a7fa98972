// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Solving one grid headless: the sweep loop with no window, on the compact
// grid where the texts allow and on the general one otherwise.
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "solver/digitgrid.h"
#include "solver/gridtexts.h"
#include "solver/solveresult.h"
#include "solver/status.h"
#include "solver/textgrid.h"

namespace noralim {

struct Solution {
  // The final texts by cell index - 1: the masks when the run went on
  // DigitGrid (kept as masks, so the plain output never builds a string),
  // the strings otherwise.
  std::variant<DigitCells, GridTexts> cells;
  SolveResult result;
  GridStatus status = GridStatus::Open;
  // Every SetCellText call of the run, when asked for.
  std::vector<Write<CellText>> writes;

  // The final text of cell i.
  [[nodiscard]] CellText Text(CellIndex i) const;
  // All 81 final texts.
  [[nodiscard]] GridTexts Texts() const;
};

// The masks of the texts when every one is an ascending digit set.
std::optional<DigitCells> AsDigitSets(const GridTexts& texts);

// RunSolve from the given texts on DigitGrid, or on MemoryGrid. Both give the
// same run for texts that are digit sets.
Solution SolveOnDigitGrid(const DigitCells& start, bool trace);
Solution SolveOnGeneralGrid(const GridTexts& start, bool trace);

// RunSolve on DigitGrid when the texts are digit sets, else on MemoryGrid.
Solution SolvePuzzle(const GridTexts& start, bool trace);

}  // namespace noralim
