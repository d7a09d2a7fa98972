// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridhistory.h"

namespace noralim::ui {

void GridHistory::Record(const GridTexts& grid, const QString& source, const CellOrigins& origins) {
  if (grid == entries_[at_].texts) {
    entries_[at_].source = source;
    entries_[at_].origins = origins;
    return;
  }
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, entries_.end());
  entries_.push_back({grid, source, origins});
  if (entries_.size() > kSteps + 1) entries_.pop_front();
  at_ = entries_.size() - 1;
}

std::optional<GridHistory::Entry> GridHistory::Undo() {
  if (at_ == 0) return std::nullopt;
  return entries_[--at_];
}

std::optional<GridHistory::Entry> GridHistory::Redo() {
  if (at_ + 1 >= entries_.size()) return std::nullopt;
  return entries_[++at_];
}

}  // namespace noralim::ui
