// Solving one puzzle headless, on the compact grid where the texts allow.
#pragma once

#include <variant>
#include <vector>

#include "digitgrid.h"
#include "solve.h"
#include "status.h"

namespace noralim::cli {

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
};

// Runs RunSolve from the given texts with no window. Grids of ascending digit
// sets run on DigitGrid, all others on MemoryGrid; both give the same run.
Solution SolvePuzzle(const GridTexts& start, bool trace);

}  // namespace noralim::cli
