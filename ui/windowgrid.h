// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solver's cell grid, backed by the window's 81 cells.
#pragma once

#include <QEventLoop>
#include <array>
#include <utility>

#include "solver/cellgrid.h"
#include "ui/cellfield.h"

namespace noralim::ui {

// Reads and writes the cells themselves: the grid holds no copy of the
// puzzle. A write raises the cell's textChanged inside SetCellText, as the
// solver expects of a change notification.
class WindowGrid final : public CellGrid {
 public:
  using Cells = std::array<CellField*, kCellCount>;

  // cells and the flags belong to the window and outlive the grid; closing
  // is set once the window is being closed, running while a "Calc" run is
  // under way, by_user while the user's texts go in (a Clear or a paste
  // within a run).
  WindowGrid(const Cells& cells, const bool& closing, const bool& running, const bool& by_user)
      : cells_(cells), closing_(closing), running_(running), by_user_(by_user) {}

  [[nodiscard]] CellText GetCellText(CellIndex i) const override;
  // Throws SolveStopped instead of writing once the window is closing, and
  // right after a write whose change notification saw the window close.
  // With a pace set, a write of a run that changes a cell is followed by a
  // pause of that many milliseconds in which events go on being processed;
  // the user's writes within a run go at once.
  void SetCellText(CellIndex i, const CellText& text) override;

  // Whether the change of cell i being reported now comes from a write of
  // this grid; says so once for each write, to the first who asks.
  [[nodiscard]] bool TakeWrite(CellIndex i) { return std::exchange(writing_, 0) == i; }

  // Milliseconds to pause after each cell a run changes; 0 for none.
  void SetPace(int milliseconds) { pace_ = milliseconds; }
  // Ends a pause under way at once (the window is closing).
  void EndPause();

 private:
  [[nodiscard]] CellField& Cell(CellIndex i) const { return *cells_[static_cast<std::size_t>(i - 1)]; }
  void Pause();

  const Cells& cells_;
  const bool& closing_;
  const bool& running_;
  const bool& by_user_;
  int pace_ = 0;
  CellIndex writing_ = 0;  // the cell whose write is being reported, or 0
  QEventLoop* pause_ = nullptr;
};

}  // namespace noralim::ui
