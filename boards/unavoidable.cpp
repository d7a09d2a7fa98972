// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/unavoidable.h"

#include <algorithm>
#include <array>

namespace noralim {
namespace {

using board::Board;

// Exchanging two digits in a set of their cells keeps every row, column and
// box whole exactly when the set holds both cells of the two digits in each
// unit it touches. The smallest such sets are the connected pieces of the
// two digits' cells, a cell joined to the cells of the pair in its row,
// column and box: each grows from one cell until it stops growing.
void AddTwoDigitSets(const GridDigits& grid, std::vector<Board>& sets) {
  const board::Grid digit_cells = DigitBoards(grid);
  for (int a = 0; a < 9; ++a) {
    for (int b = a + 1; b < 9; ++b) {
      const Board pair = digit_cells[a] | digit_cells[b];
      for (Board rest = pair; board::Any(rest);) {
        // Grown from its newest cells only: each cell's peers are looked at once.
        Board piece = board::CellBoard(board::FirstCell(rest));
        for (Board newest = piece; board::Any(newest);) {
          Board grown = piece;
          board::ForEachCell(newest, [&](int pos) { grown |= board::PeerBoard(pos) & pair; });
          newest = grown & ~piece;
          piece = grown;
        }
        sets.push_back(piece);
        rest &= ~piece;
      }
    }
  }
}

// Lines x and y (rows, or columns with kColumns) hold the same digits at a
// set of crossing places when it is closed under next: place p, then the
// place where y holds x's digit at p. Each cycle of next of three places or
// more is one such set (two places make a set of two digits, found above);
// when the lines lie in different bands, it must also keep to each box, each
// place going to one of the same box.
template <bool kColumns>
void AddLineSwapSets(const GridDigits& grid, std::vector<Board>& sets) {
  const auto at = [](int line, int p) { return kColumns ? 9 * p + line : 9 * line + p; };
  for (int x = 0; x < 9; ++x) {
    for (int y = x + 1; y < 9; ++y) {
      std::array<int, 10> place_in_y{};
      for (int p = 0; p < 9; ++p) place_in_y[grid[at(y, p)]] = p;
      const bool same_band = x / 3 == y / 3;
      unsigned seen = 0;
      for (int start = 0; start < 9; ++start) {
        if ((seen >> start & 1U) != 0) continue;
        Board set = {};
        int length = 0;
        bool within_boxes = true;
        for (int p = start; (seen >> p & 1U) == 0; p = place_in_y[grid[at(x, p)]]) {
          seen |= 1U << p;
          ++length;
          within_boxes = within_boxes && place_in_y[grid[at(x, p)]] / 3 == p / 3;
          set |= board::CellBoard(at(x, p)) | board::CellBoard(at(y, p));
        }
        if (length >= 3 && (same_band || within_boxes)) sets.push_back(set);
      }
    }
  }
}

// Room for a grid's sets as a rule (about 400), so that the list is
// seldom copied as it grows.
constexpr std::size_t kTypicalSets = 512;

}  // namespace

std::vector<Board> UnavoidableSets(const GridDigits& grid) {
  std::vector<Board> sets;
  sets.reserve(kTypicalSets);
  AddTwoDigitSets(grid, sets);
  AddLineSwapSets<false>(grid, sets);
  AddLineSwapSets<true>(grid, sets);
  // Smallest first, those of one size in the order found: a counting sort
  // on the number of cells.
  std::array<std::size_t, kCellCount + 2> first{};
  for (const Board set : sets) ++first[static_cast<std::size_t>(board::Count(set)) + 1];
  for (std::size_t size = 1; size < first.size(); ++size) first[size] += first[size - 1];
  std::vector<Board> sorted(sets.size());
  for (const Board set : sets) sorted[first[static_cast<std::size_t>(board::Count(set))]++] = set;
  return sorted;
}

}  // namespace noralim
