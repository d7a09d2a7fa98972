// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/solve.h"

namespace noralim {

template PassEnd SolveBox<CellGrid>(CellGrid&, UnitNumber);
template PassEnd SolveColumn<CellGrid>(CellGrid&, UnitNumber);
template PassEnd SolveRow<CellGrid>(CellGrid&, UnitNumber);
template SolveResult RunSolve<CellGrid, WindowServices>(CellGrid&, WindowServices&);
template void ClearGrid<CellGrid>(CellGrid&);

std::optional<SolveResult> cmdExec_Click(std::int16_t index, CellGrid& grid, WindowServices& window) {
  if (index == kCalcButton) return RunSolve(grid, window);
  ClearGrid(grid);
  return std::nullopt;
}

}  // namespace noralim
