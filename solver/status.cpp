#include "solver/status.h"

namespace noralim {

GridStatus Classify(const GridTexts& texts, SolveEnd end) {
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  bool solved = true;
  for (const CellText& t : texts) {
    if (t.empty()) return GridStatus::Invalid;
    solved = solved && IsDigitValue(t);
  }
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      const UnitCells& cells = Unit(kind, n);
      for (std::size_t a = 0; a < cells.size(); ++a) {
        const CellText& first = texts[static_cast<std::size_t>(cells[a] - 1)];
        if (first.size() != 1) continue;
        for (std::size_t b = a + 1; b < cells.size(); ++b) {
          if (texts[static_cast<std::size_t>(cells[b] - 1)] == first) return GridStatus::Invalid;
        }
      }
    }
  }
  return solved ? GridStatus::Solved : GridStatus::Open;
}

GridStatus Classify(const DigitCells& cells, SolveEnd end) {
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  bool solved = true;
  for (const DigitSet cell : cells) {
    if (cell == DigitSet()) return GridStatus::Invalid;
    solved = solved && Length(cell) == 1;
  }
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      // A value settled twice in the unit meets its own bit in `seen`.
      unsigned seen = 0;
      for (const CellIndex i : Unit(kind, n)) {
        const unsigned bits = cells[static_cast<std::size_t>(i - 1)].Bits();
        if ((bits & (bits - 1)) != 0) continue;
        if ((seen & bits) != 0) return GridStatus::Invalid;
        seen |= bits;
      }
    }
  }
  return solved ? GridStatus::Solved : GridStatus::Open;
}

std::string_view StatusName(GridStatus status) {
  switch (status) {
    case GridStatus::Cycle:
      return "cycle";
    case GridStatus::Invalid:
      return "invalid";
    case GridStatus::Solved:
      return "solved";
    case GridStatus::Open:
      break;
  }
  return "open";
}

}  // namespace noralim
