#include "status.h"

namespace noralim {

namespace {

const CellText& TextOf(const GridTexts& texts, CellIndex i) { return texts[static_cast<std::size_t>(i - 1)]; }

bool HasRepeatedValue(const GridTexts& texts) {
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      const UnitCells& cells = Unit(kind, n);
      for (std::size_t a = 0; a < cells.size(); ++a) {
        const CellText& first = TextOf(texts, cells[a]);
        if (first.size() != 1) continue;
        for (std::size_t b = a + 1; b < cells.size(); ++b) {
          if (TextOf(texts, cells[b]) == first) return true;
        }
      }
    }
  }
  return false;
}

}  // namespace

GridStatus Classify(const GridTexts& texts, SolveEnd end) {
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  bool solved = true;
  for (const CellText& t : texts) {
    if (t.empty()) return GridStatus::Invalid;
    solved = solved && IsDigitValue(t);
  }
  if (HasRepeatedValue(texts)) return GridStatus::Invalid;
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
