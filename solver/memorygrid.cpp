// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/memorygrid.h"

namespace noralim {

void MemoryGrid::SetCellText(CellIndex i, const CellText& text) {
  if (trace_ != nullptr) trace_->emplace_back(i, text);
  CellText& slot = texts_[Slot(i)];
  if (slot == text) {
    return;
  }
  slot = text;
  if (on_change_) {
    on_change_(i);
  }
}

}  // namespace noralim
