// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridhistory.h"

namespace noralim::ui {

void GridHistory::Record(const GridTexts& grid) {
  if (grid == grids_[at_]) return;
  grids_.erase(grids_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, grids_.end());
  grids_.push_back(grid);
  if (grids_.size() > kSteps + 1) grids_.pop_front();
  at_ = grids_.size() - 1;
}

std::optional<GridTexts> GridHistory::Undo() {
  if (at_ == 0) return std::nullopt;
  return grids_[--at_];
}

std::optional<GridTexts> GridHistory::Redo() {
  if (at_ + 1 >= grids_.size()) return std::nullopt;
  return grids_[++at_];
}

}  // namespace noralim::ui
