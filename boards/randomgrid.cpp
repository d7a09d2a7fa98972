// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/randomgrid.h"

#include "boards/board.h"

namespace noralim {

namespace {

using board::Board;
using board::Node;

// The cell keeps digit d (0-8) alone.
void KeepOnly(Node& n, int d, int pos) {
  const Board cell = board::CellBoard(pos);
  for (int e = 0; e < 9; ++e) {
    if (e != d && board::Any(n.cand[e] & cell)) {
      n.cand[e] &= ~cell;
      n.stale |= 1U << e;
      n.lost |= 1U << e;
    }
  }
}

// Settles every cell of the node, or says that it cannot.
bool Fill(Node& n, Random& random) {
  if (!board::Propagate(n, board::Singles::AllUnitsChecked)) return false;
  if (!board::Any(board::kAll & ~n.done)) return true;
  const int pos = board::FewestCandidates(n);
  std::array<int, 9> digits{};
  int count = 0;
  for (int d = 0; d < 9; ++d) {
    if (board::Any(n.cand[d] & board::CellBoard(pos))) digits[count++] = d;
  }
  random.Shuffle(digits.data(), count);
  for (int k = 0; k < count; ++k) {
    Node branch = n;
    KeepOnly(branch, digits[k], pos);
    if (Fill(branch, random)) {
      n = branch;
      return true;
    }
  }
  return false;
}

}  // namespace

GridDigits RandomGrid(Random& random) {
  for (;;) {
    Node n;
    n.cand.fill(board::kAll);
    for (const int box : {0, 4, 8}) {
      std::array<int, 9> digits = {0, 1, 2, 3, 4, 5, 6, 7, 8};
      random.Shuffle(digits.data(), 9);
      for (int k = 0; k < 9; ++k) {
        KeepOnly(n, digits[k], 27 * (box / 3) + 9 * (k / 3) + 3 * (box % 3) + k % 3);
      }
    }
    if (!Fill(n, random)) continue;  // a start with no completion is drawn again
    GridDigits grid{};
    for (int d = 0; d < 9; ++d) {
      board::ForEachCell(n.cand[d], [&](int pos) { grid[pos] = static_cast<std::uint8_t>(d + 1); });
    }
    return grid;
  }
}

board::Grid DigitBoards(const GridDigits& grid) {
  board::Grid boards{};
  for (int pos = 0; pos < kCellCount; ++pos) boards[grid[pos] - 1] |= board::CellBoard(pos);
  return boards;
}

}  // namespace noralim
