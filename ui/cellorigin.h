// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Who put a cell's text there.
#pragma once

#include <array>
#include <cstdint>

#include "solver/geometry.h"

namespace noralim::ui {

enum class Origin : std::uint8_t {
  // Typed by the user into the cell (or nothing there yet).
  Entry,
  // Came with the puzzle: loaded, or pasted as a whole grid.
  Given,
  // Written by a run of Calc or a step Next step took.
  Written,
};

// One origin a cell, by cell index - 1.
using CellOrigins = std::array<Origin, kCellCount>;

}  // namespace noralim::ui
