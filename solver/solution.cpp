// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/solution.h"

#include "solver/memorygrid.h"
#include "solver/solve.h"

namespace noralim {

std::optional<DigitCells> AsDigitSets(const GridTexts& texts) {
  DigitCells cells{};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const auto set = ToDigitSet(texts[k]);
    if (!set) return std::nullopt;
    cells[k] = *set;
  }
  return cells;
}

Solution SolveOnDigitGrid(const DigitCells& start, bool trace) {
  DigitGrid grid(start);
  std::vector<Write<DigitSet>> writes;
  if (trace) grid.RecordWrites(&writes);
  NullWindowServices window;
  Solution solution;
  solution.result = RunSolve(grid, window);
  solution.status = Classify(grid.Cells(), solution.result.end);
  solution.cells = grid.Cells();
  solution.writes.reserve(writes.size());
  for (const auto& [cell, set] : writes) solution.writes.emplace_back(cell, ToCellText(set));
  return solution;
}

Solution SolveOnGeneralGrid(const GridTexts& start, bool trace) {
  MemoryGrid grid(start);
  Solution solution;
  if (trace) grid.RecordWrites(&solution.writes);
  NullWindowServices window;
  solution.result = RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window));
  solution.status = Classify(grid.Texts(), solution.result.end);
  solution.cells = grid.Texts();
  return solution;
}

CellText Solution::Text(CellIndex i) const {
  const auto k = static_cast<std::size_t>(i - 1);
  if (const auto* digits = std::get_if<DigitCells>(&cells)) return ToCellText((*digits)[k]);
  return std::get<GridTexts>(cells)[k];
}

GridTexts Solution::Texts() const {
  GridTexts texts;
  for (CellIndex i = 1; i <= kCellCount; ++i) texts[static_cast<std::size_t>(i - 1)] = Text(i);
  return texts;
}

Solution SolvePuzzle(const GridTexts& start, bool trace) {
  const auto digits = AsDigitSets(start);
  return digits ? SolveOnDigitGrid(*digits, trace) : SolveOnGeneralGrid(start, trace);
}

}  // namespace noralim
