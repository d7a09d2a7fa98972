// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Random solution grids for the generator.
#pragma once

#include <array>
#include <cstdint>

#include "boards/board.h"
#include "boards/random.h"
#include "solver/geometry.h"

namespace noralim {

// A grid's digits 1-9 by row-major position 0-80.
using GridDigits = std::array<std::uint8_t, kCellCount>;

// A full valid grid drawn from the generator: boxes 1, 5 and 9, which share
// no unit, filled with shuffled digits, then the rest by a depth-first
// search that tries each cell's digits in a shuffled order.
GridDigits RandomGrid(Random& random);

// The grid as candidates: each digit's board holds its cells.
board::Grid DigitBoards(const GridDigits& grid);

}  // namespace noralim
