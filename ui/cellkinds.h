// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Where each cell's text came from: with a puzzle, typed, or written by a run.
#pragma once

#include <array>
#include <cstdint>

#include "solver/geometry.h"

namespace noralim::ui {

enum class CellKind : std::uint8_t {
  Entry,    // typed (or cleared) by the user after the puzzle came
  Given,    // came with the puzzle: loaded, opened or pasted as a whole grid
  Written,  // written by a run of Calc or a step Next step took
};
using CellKinds = std::array<CellKind, kCellCount>;

// The kind a change of a cell gives it: a run's write, a whole grid coming
// in (a load, an open, a paste), or anything else the user does.
inline CellKind KindOfChange(bool by_run, bool whole_grid) {
  if (by_run) return CellKind::Written;
  return whole_grid ? CellKind::Given : CellKind::Entry;
}

}  // namespace noralim::ui
