#include "solution.h"

#include "digitgrid.h"
#include "memorygrid.h"

namespace noralim::cli {

namespace {

std::optional<std::array<DigitSet, kCellCount>> AsDigitSets(const GridTexts& texts) {
  std::array<DigitSet, kCellCount> cells{};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const auto set = ToDigitSet(texts[k]);
    if (!set) return std::nullopt;
    cells[k] = *set;
  }
  return cells;
}

Solution SolveDigits(const std::array<DigitSet, kCellCount>& cells, bool trace) {
  DigitGrid grid(cells);
  std::vector<Write<DigitSet>> writes;
  if (trace) grid.RecordWrites(&writes);
  NullWindowServices window;
  Solution solution;
  solution.result = RunSolve(grid, window);
  for (std::size_t k = 0; k < cells.size(); ++k) solution.texts[k] = ToCellText(grid.Cells()[k]);
  solution.writes.reserve(writes.size());
  for (const auto& [cell, set] : writes) solution.writes.emplace_back(cell, ToCellText(set));
  return solution;
}

Solution SolveTexts(const GridTexts& start, bool trace) {
  MemoryGrid grid(start);
  Solution solution;
  if (trace) grid.RecordWrites(&solution.writes);
  NullWindowServices window;
  solution.result = RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window));
  solution.texts = grid.Texts();
  return solution;
}

}  // namespace

Solution SolvePuzzle(const GridTexts& start, bool trace) {
  const auto digits = AsDigitSets(start);
  Solution solution = digits ? SolveDigits(*digits, trace) : SolveTexts(start, trace);
  solution.status = Classify(solution.texts, solution.result.end);
  return solution;
}

}  // namespace noralim::cli
