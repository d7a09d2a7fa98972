// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/status.h"

#include <array>
#include <cstdint>

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
  // The row, column and box of each cell slot, for one pass over the cells.
  struct Units {
    std::uint8_t row, column, box;
  };
  static constexpr auto kUnitsOfSlot = [] {
    std::array<Units, kCellCount> units{};
    for (CellIndex i = 1; i <= kCellCount; ++i) {
      units[static_cast<std::size_t>(i - 1)] = {static_cast<std::uint8_t>(RowOf(i) - 1),
                                                static_cast<std::uint8_t>(ColumnOf(i) - 1),
                                                static_cast<std::uint8_t>(BoxOf(i) - 1)};
    }
    return units;
  }();
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  // The values settled so far in each row, column and box: a value settled
  // twice in a unit meets its own bit there.
  std::array<unsigned, kUnitSize> rows{}, columns{}, boxes{};
  bool solved = true;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const unsigned bits = cells[k].Bits();
    if (bits == 0) return GridStatus::Invalid;
    if ((bits & (bits - 1)) != 0) {
      solved = false;
      continue;
    }
    const Units& u = kUnitsOfSlot[k];
    if (((rows[u.row] | columns[u.column] | boxes[u.box]) & bits) != 0) return GridStatus::Invalid;
    rows[u.row] |= bits;
    columns[u.column] |= bits;
    boxes[u.box] |= bits;
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
