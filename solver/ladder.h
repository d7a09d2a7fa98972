// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The techniques of the ladder, each written once and templated on a sink
// that receives what it finds:
//
//   sink.Place(technique, d, cells)
//       digit d (0-8) goes in each of the cells, the only place of d in the
//       cell's box, column or row as the technique says;
//   sink.Remove(technique, cells, digits, describe)
//       the digits (bit d for digit d + 1) go from the cells;
//       describe(Step&) fills in the units, digits and cells that justify it.
//
// The rating's sink only ORs the cells into one board per digit and never
// calls describe; the step recorder turns each report into Steps. A finder
// may report a pattern that removes nothing; the sinks drop it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/rating.h"

namespace noralim::ladder {

using board::Board;
using board::Grid;

// What the techniques above the singles read: each cell's candidates and
// each digit's places in each unit, built once for a grid.
struct UnitTables {
  std::array<std::uint16_t, kCellCount> mask{};                     // by position
  std::array<std::array<std::uint16_t, 9>, board::kUnits> places{};  // [unit][digit]: bit p, the unit's p-th cell
};
UnitTables MakeUnitTables(const Grid& g);

// What a search may leave out. The rating looks at a level only when no
// lower level has a step, and knows which digits have lost no cell since a
// search of one digit at a time last found nothing in them; StepsOf looks
// at everything.
struct Scope {
  unsigned digits = board::kNine;  // bit d: digit d + 1 is searched
  bool lower_levels_done = false;
};

// The unit and cells of a report, for describe.
inline UnitRef RefOf(int u) { return {kUnitKinds[u / 9], static_cast<UnitNumber>(u % 9 + 1)}; }
inline std::vector<CellIndex> CellList(Board cells) {
  std::vector<CellIndex> list;
  board::ForEachCell(cells, [&](int pos) { list.push_back(board::CellOfPosition(pos)); });
  std::sort(list.begin(), list.end());
  return list;
}
inline DigitSet Digits(unsigned bits) { return DigitSet::FromBits(static_cast<std::uint16_t>(bits)); }

// For two or more places of a unit (bit p: its p-th cell), the third (0-2,
// 3-5 or 6-8) that holds them all, else -1: for a box its row, for a line
// its box. The same for the strides (0,3,6 / 1,4,7 / 2,5,8): a box's column.
struct Confinement {
  std::array<std::int8_t, 512> third{};
  std::array<std::int8_t, 512> stride{};
};
inline constexpr Confinement kConfined = [] {
  Confinement c{};
  for (unsigned m = 0; m < 512; ++m) {
    c.third[m] = c.stride[m] = -1;
    if (std::popcount(m) < 2) continue;
    for (std::int8_t k = 0; k < 3; ++k) {
      if ((m & ~(07U << (3 * k))) == 0) c.third[m] = k;
      if ((m & ~(0111U << k)) == 0) c.stride[m] = k;
    }
  }
  return c;
}();

// Level 1. Settled cells in `from` clear their digit from their peers (the
// rating passes only cells settled since its last pass, whose peers alone
// can still change); digits alone in a box go there.
template <class Sink>
void FindCalc(const Grid& g, Board from, Sink& sink) {
  const Board settled = board::Settled(board::Cover(g));
  for (int d = 0; d < 9; ++d) {
    board::ForEachCell(g[d] & settled & from, [&](int pos) {
      sink.Remove(Technique::SettledCell, board::PeerBoard(pos), 1U << d, [pos, d](Step& s) {
        for (const UnitKind kind : kUnitKinds) s.units.push_back(RefOf(board::UnitOf(pos, kind)));
        s.digits = DigitSet::Of(d + 1);
        s.cells = {board::CellOfPosition(pos)};
      });
    });
  }
  for (int d = 0; d < 9; ++d) sink.Place(Technique::BoxHiddenSingle, d, board::AloneInBox(g[d]) & ~settled);
}

// Level 2: digits alone in a column or a row.
template <class Sink>
void FindSingles(const Grid& g, const Scope& scope, Sink& sink) {
  const Board settled = board::Settled(board::Cover(g));
  for (unsigned rest = scope.digits; rest != 0; rest &= rest - 1) {
    const int d = std::countr_zero(rest);
    sink.Place(Technique::ColumnHiddenSingle, d, board::AloneInColumn(g[d]) & ~settled);
    sink.Place(Technique::RowHiddenSingle, d, board::AloneInRow(g[d]) & ~settled);
  }
}

// The line that holds all of a box's places (unit numbers as board.h
// counts them), or -1.
inline int PointedLine(int box, unsigned places) {
  if (const int row = kConfined.third[places]; row >= 0) return board::UnitIndex(UnitKind::Row, 3 * (box / 3) + row);
  if (const int column = kConfined.stride[places]; column >= 0) {
    return board::UnitIndex(UnitKind::Column, 3 * (box % 3) + column);
  }
  return -1;
}

// The box that holds all of a line's places, or -1.
inline int ClaimedBox(int line, unsigned places) {
  const int third = kConfined.third[places];
  if (third < 0) return -1;
  const int n = line % 9;
  return line < board::UnitIndex(UnitKind::Row, 0) ? 3 * third + n / 3 : 3 * (n / 3) + third;
}

// Level 3: pointing (boxes 1-9) and claiming (columns, then rows).
template <class Sink>
void FindLocked(const UnitTables& t, const Scope& scope, Sink& sink) {
  for (int u = 0; u < board::kUnits; ++u) {
    const bool box = u < 9;
    for (unsigned rest = scope.digits; rest != 0; rest &= rest - 1) {
      const int d = std::countr_zero(rest);
      const unsigned places = t.places[u][d];
      const int other = box ? PointedLine(u, places) : ClaimedBox(u, places);
      if (other < 0) continue;
      const Technique technique = box ? Technique::Pointing : Technique::Claiming;
      sink.Remove(technique, board::UnitBoard(other) & ~board::UnitBoard(u), 1U << d, [=](Step& s) {
        s.units = {RefOf(u), RefOf(other)};
        s.digits = DigitSet::Of(d + 1);
        s.cells = CellList(board::PlacesBoard(u, places));
      });
    }
  }
}

// Calls found(chosen, covered) for every choice of `size` of the eligible
// items (bit i: item i) whose masks cover exactly `size` bits together, in
// lexicographic order of the chosen items. A depth-first search that drops
// a branch once its cover has grown past `size`.
template <class Found>
void ForEachCover(const std::array<std::uint16_t, 9>& masks, unsigned eligible, int size, Found&& found,
                  unsigned chosen = 0, unsigned covered = 0) {
  for (unsigned rest = eligible; rest != 0; rest &= rest - 1) {
    const int i = std::countr_zero(rest);
    const unsigned cover = covered | masks[i];
    const int bits = board::Count9(cover);
    if (bits > size) continue;
    const unsigned with = chosen | 1U << i;
    if (board::Count9(with) == size) {
      if (bits == size) found(with, cover);
    } else {
      ForEachCover(masks, rest & (rest - 1), size, found, with, cover);
    }
  }
}

// The items whose masks have 2 to `size` bits.
inline unsigned WithTwoTo(const std::array<std::uint16_t, 9>& masks, int size) {
  unsigned eligible = 0;
  for (int i = 0; i < 9; ++i) {
    const int n = board::Count9(masks[i]);
    if (n >= 2 && n <= size) eligible |= 1U << i;
  }
  return eligible;
}

// Levels 4 to 6: naked and hidden subsets of `size` cells or digits in every
// unit. In a unit of n open cells, a naked subset of k cells and the hidden
// subset of the other n - k cells and digits remove the same candidates; so
// once the lower levels are done, only naked subsets with n - k >= k and
// hidden ones with n - k > k can remove anything the lower levels did not.
template <class Sink>
void FindSubsets(const UnitTables& t, int size, const Scope& scope, Sink& sink) {
  const auto naked = static_cast<Technique>(static_cast<int>(Technique::NakedPair) + 2 * (size - 2));
  const auto hidden = static_cast<Technique>(static_cast<int>(naked) + 1);
  for (int u = 0; u < board::kUnits; ++u) {
    std::array<std::uint16_t, 9> cell_masks{};
    for (int p = 0; p < 9; ++p) cell_masks[p] = t.mask[board::UnitPosition(u, p)];
    const int open = scope.lower_levels_done ? board::Count9(WithTwoTo(cell_masks, 9)) : 2 * size + 1;
    if (open < 2 * size) continue;
    ForEachCover(cell_masks, WithTwoTo(cell_masks, size), size, [&](unsigned cells, unsigned digits) {
      const Board chosen = board::PlacesBoard(u, cells);
      sink.Remove(naked, board::UnitBoard(u) & ~chosen, digits, [=](Step& s) {
        s.units = {RefOf(u)};
        s.digits = Digits(digits);
        s.cells = CellList(chosen);
      });
    });
    if (open == 2 * size) continue;
    ForEachCover(t.places[u], WithTwoTo(t.places[u], size), size, [&](unsigned digits, unsigned places) {
      const Board chosen = board::PlacesBoard(u, places);
      sink.Remove(hidden, chosen, board::kNine & ~digits, [=](Step& s) {
        s.units = {RefOf(u)};
        s.digits = Digits(digits);
        s.cells = CellList(chosen);
      });
    });
  }
}

}  // namespace noralim::ladder
