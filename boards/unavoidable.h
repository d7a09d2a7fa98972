// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Unavoidable sets of a solution grid: cells whose digits can be moved among
// themselves to give another solution. A puzzle whose clues miss one of them
// has a second solution, which the generator sees here without rating the
// puzzle.
#pragma once

#include <vector>

#include "boards/board.h"
#include "boards/randomgrid.h"

namespace noralim {

// Two kinds, both quick to find, smallest first:
// - for every pair of digits, the smallest sets of their cells that hold, in
//   each row, column and box they touch, both the cell of the one digit and
//   the cell of the other: exchanging the two digits there keeps the grid;
// - for two rows (or columns), the smallest sets of columns (rows) where
//   the two hold the same digits, three or more of them, within each box
//   when the two lie in different bands (stacks): exchanging the two there
//   keeps the grid.
std::vector<board::Board> UnavoidableSets(const GridDigits& grid);

}  // namespace noralim
