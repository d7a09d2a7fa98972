// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Pointing and claiming on a digit's board, the ladder's level 3, taken
// whole rather than found step by step.
#include <array>
#include <cstdint>

#include "boards/board.h"

namespace noralim::board {
namespace {

// Tables over a band's nine segments (a row's three cells in one box) and
// over its nine columns, looked up for the three bands at once.
//
// Segment (row r, box k) of a band is bit 3k + r of its segments, gathered
// from the band's bits 9r + 3k to 9r + 3k + 2:
//
//   band bits   row 2: 24 21 18 | row 1: 15 12 9 | row 0: 6 3 0   (box 2 1 0)
//   segments    box 2: 8 7 6    | box 1: 5 4 3   | box 0: 2 1 0   (row 2 1 0)
struct LockedTables {
  // The segments left once a box whose segments lie in one row has cleared
  // the rest of that row, and a row whose segments lie in one box the rest
  // of that box, repeated until neither changes anything.
  std::array<std::uint16_t, 512> in_band{};
  // The columns of the boxes that have their candidates in one column.
  std::array<std::uint16_t, 512> pointing{};
  // Given the columns that have their candidates in this band alone, the
  // columns each box keeps: those, or all three when it has none of them.
  std::array<std::uint16_t, 512> claimed{};
};

constexpr bool One(unsigned bits) { return bits != 0 && (bits & (bits - 1)) == 0; }

constexpr unsigned CloseSegments(unsigned s) {
  for (unsigned before = ~0U; before != s;) {
    before = s;
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned rows = s >> (3 * k) & 7U;
      if (One(rows)) s &= ~(0111U * rows) | rows << (3 * k);
    }
    for (unsigned r = 0; r < 3; ++r) {
      const unsigned boxes = s >> r & 0111U;
      if (One(boxes)) s &= ~(07U * boxes) | boxes << r;
    }
  }
  return s;
}

constexpr LockedTables MakeLockedTables() {
  LockedTables t;
  for (unsigned m = 0; m < 512; ++m) {
    t.in_band[m] = static_cast<std::uint16_t>(CloseSegments(m));
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned three = m >> (3 * k) & 7U;
      if (One(three)) t.pointing[m] = static_cast<std::uint16_t>(t.pointing[m] | three << (3 * k));
      t.claimed[m] = static_cast<std::uint16_t>(t.claimed[m] | (three != 0 ? three : 7U) << (3 * k));
    }
  }
  return t;
}
inline constexpr LockedTables kLocked = MakeLockedTables();

template <std::size_t N>
Board LookUp(const std::array<std::uint16_t, N>& table, Board index) {
  return Board{table[index[0]], table[index[1]], table[index[2]], 0};
}

Board RotateBands(Board b) { return __builtin_shufflevector(b, b, 1, 2, 0, 3); }

}  // namespace

// First in rows within each band, then in columns, across the bands.
Board WithoutLocked(Board x) {
  const Board y = x | x >> 1 | x >> 2;
  Board keep = LookUp(kLocked.in_band, (y & 0x49) | ((y >> 8) & 0x92) | ((y >> 16) & 0x124));
  keep = (keep & 0x49) | (keep & 0x92) << 8 | (keep & 0x124) << 16;
  x &= keep | keep << 1 | keep << 2;
  const Board columns = (x | x >> 9 | x >> 18) & kNine;
  const Board elsewhere = RotateBands(columns) | RotateBands(RotateBands(columns));
  const Board pointing = LookUp(kLocked.pointing, columns);
  const Board pointed = RotateBands(pointing) | RotateBands(RotateBands(pointing));
  return x & OverRows(LookUp(kLocked.claimed, columns & ~elsewhere) & ~pointed);
}

}  // namespace noralim::board
