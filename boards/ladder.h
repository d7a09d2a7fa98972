// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The techniques of the ladder, each written once and templated on a sink
// that receives what it finds:
//
//   sink.Place(technique, d, cells)
//       digit d (0-8) goes in each of the cells, the only place of d in the
//       cell's box, column or row as the technique says (levels 1 and 2);
//   sink.Remove(technique, cells, digits, describe)
//       the digits (bit d for digit d + 1) go from the cells;
//       describe(Step&) fills in the units, digits and cells that justify it.
//
// The step recorder turns each report into Steps and takes every level. The
// rating and the counter close levels 1 and 2 by propagation and run only
// the finders of level 3 and up, which only remove: their sinks have no
// Place and never call describe. A finder may report a pattern that removes
// nothing; the sinks drop it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "boards/board.h"
#include "boards/rating.h"

namespace noralim::ladder {

using board::Board;
using board::Grid;

// What the techniques above the singles read: each cell's candidates and
// each digit's places in each unit, built once for a grid. MakeUnitTables
// writes every entry, so the tables are not cleared first.
struct UnitTables {
  using Nine = std::array<std::uint16_t, 9>;
  std::array<std::uint16_t, kCellCount> mask;  // by position
  std::array<Nine, board::kUnits> places;      // [unit][digit]: bit p, the unit's p-th cell
  std::array<Nine, board::kUnits> cells;       // [unit][p]: the candidates of the unit's p-th cell
  // By unit: the places whose cell has two candidates or more.
  std::array<std::uint16_t, board::kUnits> open_cells{};
  // The cells with more than 2, 3 and 4 candidates.
  std::array<Board, 3> crowded{};
  Board open = {};  // the cells with two candidates or more
};
UnitTables MakeUnitTables(const Grid& g);

// Rate and RateWithin on a grid of boards, for callers inside boards/ that
// keep their grids as boards.
Rating Rate(const Grid& g);
std::optional<Level> RateWithin(const Grid& g, Level highest);

// RateWithin for a grid whose solution is known, given as a node: its
// candidates, or its closure under level 1 (Propagate with Singles::Boxes).
// Where levels 1 to 3 stall and a level above them would be climbed, it
// looks for another solution first: with two the ladder ends stuck whatever
// it climbs, and the search costs less than the climb. A solution found
// goes to *other, with no level. When `solution` is one of the grid's, the
// level is always the one RateWithin gives. When every other solution
// differs from `solution` in some cell of `differ_in`, the look is narrower
// (AnotherSolution). `needs` is a level up to singles that
// the grid is known to need (a puzzle with more clues and the same solution
// needs it): the node may then be closed under the levels up to it.
std::optional<Level> RateWithin(const board::Node& start, Level highest, const Grid& solution,
                                std::optional<Grid>* other, Board differ_in = board::kAll, Level needs = Level::Calc);

// A board's cells as places in every unit (bit p: the unit's p-th cell).
std::array<std::uint16_t, board::kUnits> UnitPlaces(Board cells);

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

// Level 1: settled cells clear their digit from their peers; digits alone
// in a box go there.
template <class Sink>
void FindCalc(const Grid& g, Sink& sink) {
  const Board settled = board::Settled(board::Cover(g));
  for (int d = 0; d < 9; ++d) {
    board::ForEachCell(g[d] & settled, [&](int pos) {
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
void FindSingles(const Grid& g, Sink& sink) {
  const Board settled = board::Settled(board::Cover(g));
  for (int d = 0; d < 9; ++d) {
    sink.Place(Technique::ColumnHiddenSingle, d, board::AloneInColumn(g[d]) & ~settled);
    sink.Place(Technique::RowHiddenSingle, d, board::AloneInRow(g[d]) & ~settled);
  }
}

// A report of one locked candidate: `places`, the digit's cells in unit
// `from`, all lie in unit `to`, so d goes from the rest of `to`.
template <class Sink>
void ReportLocked(Sink& sink, Technique technique, int from, int to, int d, Board places) {
  sink.Remove(technique, board::UnitBoard(to) & ~board::UnitBoard(from), 1U << d, [=](Step& s) {
    s.units = {RefOf(from), RefOf(to)};
    s.digits = DigitSet::Of(d + 1);
    s.cells = CellList(places);
  });
}

inline bool TwoOrMore(std::uint32_t bits) { return (bits & (bits - 1)) != 0; }

// The cells of band b given as the band's 27 bits.
inline Board InBand(int b, std::uint32_t bits) {
  Board cells = {};
  cells[b] = bits;
  return cells;
}

// For nine bits in three groups of three, the groups that hold exactly one
// bit: by thirds (0-2, 3-5, 6-8) and by strides (0,3,6 / 1,4,7 / 2,5,8).
struct Lone {
  std::array<std::uint8_t, 512> thirds{};
  std::array<std::uint8_t, 512> strides{};
};
inline constexpr Lone kLone = [] {
  Lone lone{};
  for (unsigned m = 0; m < 512; ++m) {
    for (unsigned k = 0; k < 3; ++k) {
      const bool third = std::popcount(m & (07U << (3 * k))) == 1;
      const bool stride = std::popcount(m & (0111U << k)) == 1;
      lone.thirds[m] = static_cast<std::uint8_t>(lone.thirds[m] | (third ? 1U : 0U) << k);
      lone.strides[m] = static_cast<std::uint8_t>(lone.strides[m] | (stride ? 1U : 0U) << k);
    }
  }
  return lone;
}();

// Level 3 on digit d, from its board alone, band by band. In a band's 27
// bits x, the mini-rows (three cells of a row in a box) and the columns
// that hold d:
//
//   y = x | x >> 1 | x >> 2      bit 9i + 3k: row i of the band has d in box k
//   rows, bit 3k + i (gathered)  box k's rows: bits 3k..3k+2; row i's boxes:
//                                bits i, i+3, i+6
//   columns, bit c               column c has d in the band; box k's: 3k..3k+2
//
// A box whose cells lie in one row and in one column holds one cell: it
// points nowhere.
template <class Sink>
void FindLockedInBand(int b, int d, std::uint32_t x, std::uint32_t columns, Sink& sink) {
  constexpr std::uint32_t kBox = 07 | 07 << 9 | 07 << 18;
  const std::uint32_t y = x | x >> 1 | x >> 2;
  const std::uint32_t rows = (y & 0x49) | ((y >> 8) & 0x92) | ((y >> 16) & 0x124);
  const unsigned in_one_row = kLone.thirds[rows];
  const unsigned in_one_column = kLone.thirds[columns];
  for (unsigned rest = in_one_row ^ in_one_column; rest != 0; rest &= rest - 1) {
    const int k = std::countr_zero(rest);
    const int box = board::UnitIndex(UnitKind::Box, 3 * b + k);
    const Board places = InBand(b, x & (kBox << (3 * k)));
    if ((in_one_row >> k & 1U) != 0) {
      const int row = board::UnitIndex(UnitKind::Row, 3 * b + std::countr_zero((rows >> (3 * k)) & 7U));
      ReportLocked(sink, Technique::Pointing, box, row, d, places);
    } else {
      const int column = board::UnitIndex(UnitKind::Column, 3 * k + std::countr_zero((columns >> (3 * k)) & 7U));
      ReportLocked(sink, Technique::Pointing, box, column, d, places);
    }
  }
  for (unsigned rest = kLone.strides[rows]; rest != 0; rest &= rest - 1) {
    const int i = std::countr_zero(rest);
    const std::uint32_t places = x & (board::kNine << (9 * i));
    if (!TwoOrMore(places)) continue;
    const int box = board::UnitIndex(UnitKind::Box, 3 * b + std::countr_zero((rows >> i) & 0x49U) / 3);
    ReportLocked(sink, Technique::Claiming, board::UnitIndex(UnitKind::Row, 3 * b + i), box, d, InBand(b, places));
  }
}

// Level 3 on digit d: each band, then the columns whose places lie in one band.
template <class Sink>
void FindLockedOf(const Grid& g, int d, Sink& sink) {
  const Board x = g[d];
  const Board columns = (x | x >> 9 | x >> 18) & board::kNine;
  for (int b = 0; b < 3; ++b) FindLockedInBand(b, d, x[b], columns[b], sink);
  const std::uint32_t once = columns[0] | columns[1] | columns[2];
  const std::uint32_t twice = (columns[0] & columns[1]) | ((columns[0] | columns[1]) & columns[2]);
  for (std::uint32_t rest = once & ~twice; rest != 0; rest &= rest - 1) {
    const int c = std::countr_zero(rest);
    const int b = (columns[0] >> c & 1U) != 0 ? 0 : (columns[1] >> c & 1U) != 0 ? 1 : 2;
    const std::uint32_t places = x[b] & (0x40201U << c);
    if (!TwoOrMore(places)) continue;
    const int box = board::UnitIndex(UnitKind::Box, 3 * b + c / 3);
    ReportLocked(sink, Technique::Claiming, board::UnitIndex(UnitKind::Column, c), box, d, InBand(b, places));
  }
}

// Level 3: pointing and claiming, digit by digit.
template <class Sink>
void FindLocked(const Grid& g, const Scope& scope, Sink& sink) {
  for (unsigned rest = scope.digits; rest != 0; rest &= rest - 1) FindLockedOf(g, std::countr_zero(rest), sink);
}

// Calls found(chosen, covered) for every choice of kSize of the eligible
// items (bit i: item i) whose masks cover exactly kSize bits together; with
// kSmaller, for every smaller choice that covers as many bits as it has
// items too (eligible items must then have two bits or more, or a lone item
// would count). Depth-first, so in lexicographic order of the chosen items,
// a choice before the larger choices it begins. A branch is dropped once its
// cover has grown past kSize bits. Each depth (kCount items chosen) is a
// function of its own, so that the whole search compiles to nested loops.
template <bool kSmaller, int kSize, int kCount = 1, class Found>
void ForEachCover(const std::array<std::uint16_t, 9>& masks, unsigned eligible, Found&& found, unsigned chosen = 0,
                  unsigned covered = 0) {
  for (unsigned rest = eligible; rest != 0; rest &= rest - 1) {
    const int i = std::countr_zero(rest);
    const unsigned cover = covered | masks[i];
    const int bits = board::Count9(cover);
    if (bits > kSize) continue;
    const unsigned with = chosen | 1U << i;
    if constexpr (kCount == kSize) {
      if (bits == kSize) found(with, cover);
    } else {
      if (kSmaller && bits == kCount) found(with, cover);
      ForEachCover<kSmaller, kSize, kCount + 1>(masks, rest & (rest - 1), found, with, cover);
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

// Levels 4 to 6: naked and hidden subsets of kSize cells or digits in every
// unit. In a unit of n open cells, a naked subset of k cells and the hidden
// subset of the other n - k cells and digits remove the same candidates; so
// once the lower levels are done, only naked subsets with n - k >= k and
// hidden ones with n - k > k can remove anything the lower levels did not.
template <int kSize, class Sink>
void FindSubsets(const UnitTables& t, const Scope& scope, Sink& sink) {
  const auto naked = static_cast<Technique>(static_cast<int>(Technique::NakedPair) + 2 * (kSize - 2));
  const auto hidden = static_cast<Technique>(static_cast<int>(naked) + 1);
  // By unit, the cells with two to kSize candidates, all units at once.
  const std::array<std::uint16_t, board::kUnits> few =
      UnitPlaces(t.open & ~t.crowded[static_cast<std::size_t>(kSize - 2)]);
  for (int u = 0; u < board::kUnits; ++u) {
    const int open = scope.lower_levels_done ? board::Count9(t.open_cells[u]) : 2 * kSize + 1;
    if (open < 2 * kSize) continue;
    // A subset needs kSize cells or digits to choose from.
    if (board::Count9(few[u]) >= kSize) {
      ForEachCover<false, kSize>(t.cells[u], few[u], [&](unsigned cells, unsigned digits) {
        const Board chosen = board::PlacesBoard(u, cells);
        sink.Remove(naked, board::UnitBoard(u) & ~chosen, digits, [=](Step& s) {
          s.units = {RefOf(u)};
          s.digits = Digits(digits);
          s.cells = CellList(chosen);
        });
      });
    }
    if (open == 2 * kSize) continue;
    const unsigned digits_few = WithTwoTo(t.places[u], kSize);
    if (board::Count9(digits_few) < kSize) continue;
    ForEachCover<false, kSize>(t.places[u], digits_few, [&](unsigned digits, unsigned places) {
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
