// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/unavoidable.h"

namespace noralim {

using board::Board;

// Exchanging the two digits in a set of their cells keeps every row, column
// and box whole exactly when the set holds both cells of the two digits in
// each unit it touches. The smallest such sets are the connected pieces of
// the two digits' cells, a cell joined to the cells of the pair in its
// row, column and box: each grows from one cell until it stops growing.
std::vector<Board> TwoDigitUnavoidableSets(const std::array<Board, 9>& digit_cells) {
  std::vector<Board> sets;
  for (int a = 0; a < 9; ++a) {
    for (int b = a + 1; b < 9; ++b) {
      const Board pair = digit_cells[a] | digit_cells[b];
      for (Board rest = pair; board::Any(rest);) {
        Board piece = board::CellBoard(board::FirstCell(rest));
        for (Board grown = piece;; piece = grown) {
          board::ForEachCell(piece, [&](int pos) { grown |= board::PeerBoard(pos) & pair; });
          if (!board::Any(grown ^ piece)) break;
        }
        sets.push_back(piece);
        rest &= ~piece;
      }
    }
  }
  return sets;
}

}  // namespace noralim
