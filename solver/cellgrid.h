// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The seam through which the solver reads and writes the 81 cells.
#pragma once

#include "solver/celltext.h"
#include "solver/geometry.h"

namespace noralim {

// The 81 cell texts, wherever they live (the window's cells, or memory).
//
// The solver keeps no copy of the grid: every pass reads a text at the moment
// it needs it and writes each result straight back, so the presentation shows
// every step and the user's edits are seen by the next read.
//
// Contract for implementations:
//  - GetCellText has no side effects: no notification, no event processing.
//  - SetCellText replaces the text; when it changes, the implementation raises
//    its change notification (CellChanged) for that cell after the new text is
//    in place and before SetCellText returns. Whoever handles it may process
//    pending events, and so run other handlers that write cells of their own.
//  - Indices passed in are always 1 to 81.
class CellGrid {
 public:
  using Text = CellText;

  virtual ~CellGrid() = default;

  [[nodiscard]] virtual CellText GetCellText(CellIndex i) const = 0;
  virtual void SetCellText(CellIndex i, const CellText& text) = 0;

 protected:
  // Copyable only as the concrete grid, never sliced through this interface.
  CellGrid() = default;
  CellGrid(const CellGrid&) = default;
  CellGrid(CellGrid&&) = default;
  CellGrid& operator=(const CellGrid&) = default;
  CellGrid& operator=(CellGrid&&) = default;
};

}  // namespace noralim
