// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The grid's history, for undo and redo.
#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <optional>

#include "solver/gridtexts.h"
#include "ui/cellorigin.h"

namespace noralim::ui {

// Whole grids, one for each step the user can undo: a "Calc" run, a "Clear",
// a paste of the grid, or the typing in one cell between entering and leaving
// it; each with where its puzzle came from, so that going back past a load
// goes back to the name before it. The window records the grid at the edges
// of every step; a grid equal to the last one recorded is no step, but takes
// the source and the origins given with it.
class GridHistory {
 public:
  // Steps kept; older ones are forgotten.
  static constexpr std::size_t kSteps = 100;

  struct Entry {
    GridTexts texts;
    QString source;       // "puzzles.txt:4", or empty for none
    CellOrigins origins;  // which texts are givens, entries or written
  };

  explicit GridHistory(const GridTexts& start) : entries_{{start, {}, {}}} {}

  // The grid after a step. Steps undone and not redone are dropped.
  void Record(const GridTexts& grid, const QString& source, const CellOrigins& origins);
  // The grid before the current step, and steps back; nullopt at the start.
  std::optional<Entry> Undo();
  // The grid after the step undone last; nullopt when there is none.
  std::optional<Entry> Redo();
  [[nodiscard]] bool CanUndo() const { return at_ > 0; }
  [[nodiscard]] bool CanRedo() const { return at_ + 1 < entries_.size(); }

 private:
  std::deque<Entry> entries_;
  std::size_t at_ = 0;  // the grid the window shows, as far as the history knows
};

}  // namespace noralim::ui
