// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Unavoidable sets of a solution grid: cells whose digits can be exchanged
// among themselves to give another solution. A puzzle whose clues miss one
// of them has a second solution, which the generator sees here without
// rating the puzzle.
#pragma once

#include <array>
#include <vector>

#include "boards/board.h"

namespace noralim {

// The unavoidable sets made of two digits, for every pair of digits: the
// smallest sets of the two digits' cells that hold, in each row, column and
// box they touch, both its cell of the one digit and its cell of the other.
// `digit_cells` holds the grid's cells of each digit.
std::vector<board::Board> TwoDigitUnavoidableSets(const std::array<board::Board, 9>& digit_cells);

}  // namespace noralim
