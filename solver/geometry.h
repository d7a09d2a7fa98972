// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Cell numbering and the 27 units of the grid.
//
// Cells are numbered 1 to 81 box by box ("box-major"): cells 1-9 are the
// top-left box, 10-18 the top-middle one, and so on; inside a box they run
// left to right, top to bottom. Every unit is a fixed list of nine cell
// indices, computed once at compile time from the index formulas below, so
// the passes walk plain tables instead of doing arithmetic per access.
#pragma once

#include <array>
#include <cstdint>

namespace noralim {

// A cell index, 1 to 81, box-major.
using CellIndex = std::int16_t;
// A unit number, 1 to 9: a box, a column or a row.
using UnitNumber = std::int16_t;

inline constexpr int kCellCount = 81;
inline constexpr int kUnitSize = 9;

using UnitCells = std::array<CellIndex, kUnitSize>;

enum class UnitKind : std::uint8_t { Box, Column, Row };

// Grid position of a cell; rows and columns count 1 to 9 from the top left.
constexpr int BoxOf(CellIndex i) { return (i - 1) / 9 + 1; }
constexpr int RowOf(CellIndex i) {
  const int b = (i - 1) / 9;
  const int p = (i - 1) % 9;
  return 3 * (b / 3) + p / 3 + 1;
}
constexpr int ColumnOf(CellIndex i) {
  const int b = (i - 1) / 9;
  const int p = (i - 1) % 9;
  return 3 * (b % 3) + p % 3 + 1;
}
constexpr CellIndex CellAt(int row, int column) {
  return static_cast<CellIndex>(27 * ((row - 1) / 3) + 9 * ((column - 1) / 3) + 3 * ((row - 1) % 3) + (column - 1) % 3 +
                                1);
}

// The cell at row-major position 0 to 80 (row 1 left to right, then row 2...),
// the order in which puzzle files list the cells.
constexpr CellIndex CellAtPosition(int position) { return CellAt(position / 9 + 1, position % 9 + 1); }

// The same as a table of array slots (cell index - 1), for the loops that
// turn a whole puzzle line into a grid and back.
inline constexpr auto kSlotOfPosition = [] {
  std::array<std::uint8_t, kCellCount> table{};
  for (int p = 0; p < kCellCount; ++p) table[p] = static_cast<std::uint8_t>(CellAtPosition(p) - 1);
  return table;
}();

namespace detail {
constexpr std::array<UnitCells, kUnitSize> MakeUnits(UnitKind kind) {
  std::array<UnitCells, kUnitSize> units{};
  for (int n = 1; n <= kUnitSize; ++n) {
    for (int k = 0; k < kUnitSize; ++k) {
      switch (kind) {
        case UnitKind::Box:
          units[n - 1][k] = static_cast<CellIndex>(9 * n - 8 + k);
          break;
        case UnitKind::Column:
          units[n - 1][k] = CellAt(k + 1, n);
          break;
        case UnitKind::Row:
          units[n - 1][k] = CellAt(n, k + 1);
          break;
      }
    }
  }
  return units;
}
inline constexpr auto kBoxes = MakeUnits(UnitKind::Box);
inline constexpr auto kColumns = MakeUnits(UnitKind::Column);
inline constexpr auto kRows = MakeUnits(UnitKind::Row);
}  // namespace detail

// The nine cells of unit n of the given kind, in ascending index order
// (top to bottom for a column, left to right for a row). Throws
// std::out_of_range for n outside 1 to 9, before any cell is touched.
const UnitCells& Unit(UnitKind kind, UnitNumber n);

// The three kinds of unit, for callers that walk all 27 units.
inline constexpr std::array<UnitKind, 3> kUnitKinds = {UnitKind::Box, UnitKind::Column, UnitKind::Row};

}  // namespace noralim
