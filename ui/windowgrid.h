// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solver's cell grid, backed by the window's 81 cells.
#pragma once

#include <array>

#include "solver/cellgrid.h"
#include "ui/cellfield.h"

namespace noralim::ui {

// Reads and writes the cells themselves: the grid holds no copy of the
// puzzle. A write raises the cell's textChanged inside SetCellText, as the
// solver expects of a change notification.
class WindowGrid final : public CellGrid {
 public:
  using Cells = std::array<CellField*, kCellCount>;

  // cells and closing belong to the window and outlive the grid; closing is
  // set once the window is being closed.
  WindowGrid(const Cells& cells, const bool& closing) : cells_(cells), closing_(closing) {}

  [[nodiscard]] CellText GetCellText(CellIndex i) const override;
  // Throws SolveStopped instead of writing once the window is closing, and
  // right after a write whose change notification saw the window close.
  void SetCellText(CellIndex i, const CellText& text) override;

 private:
  [[nodiscard]] CellField& Cell(CellIndex i) const { return *cells_[static_cast<std::size_t>(i - 1)]; }

  const Cells& cells_;
  const bool& closing_;
};

}  // namespace noralim::ui
