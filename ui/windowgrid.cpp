// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/windowgrid.h"

#include "solver/windowservices.h"

namespace noralim::ui {

CellText WindowGrid::GetCellText(CellIndex i) const { return Cell(i).CellTextValue(); }

void WindowGrid::SetCellText(CellIndex i, const CellText& text) {
  if (closing_) throw SolveStopped();
  Cell(i).SetCellTextValue(text);
  // The change notification processes events, and a close may be among them.
  if (closing_) throw SolveStopped();
}

}  // namespace noralim::ui
