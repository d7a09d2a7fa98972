// Solving one puzzle headless, on the compact grid where the texts allow.
#pragma once

#include <vector>

#include "solve.h"
#include "status.h"

namespace noralim::cli {

struct Solution {
  GridTexts texts;
  SolveResult result;
  GridStatus status = GridStatus::Open;
  // Every SetCellText call of the run, when asked for.
  std::vector<Write<CellText>> writes;
};

// Runs RunSolve from the given texts with no window. Grids of ascending digit
// sets run on DigitGrid, all others on MemoryGrid; both give the same run.
Solution SolvePuzzle(const GridTexts& start, bool trace);

}  // namespace noralim::cli
