// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Next step (F6): the simplest step of the technique ladder shown over the
// cells and said in a sentence, taken when asked again; and the digit
// highlighted across the grid (Ctrl+1 to Ctrl+9). Nothing here writes a cell
// but taking a step, through the window.
#pragma once

#include <functional>
#include <optional>

#include "solver/gridtexts.h"
#include "ui/advice.h"
#include "ui/windowgrid.h"

namespace noralim::ui {

class StepGuide {
 public:
  // take writes the texts into the cells as one step; say tells the user
  // (the balloon and assistive technology).
  using Take = std::function<void(const GridTexts&)>;
  using Say = std::function<void(const QString&)>;
  StepGuide(const WindowGrid::Cells& cells, const CellGrid& grid, Take take, Say say);

  // Shows the next step, or takes the one shown when the grid is as it was.
  void NextStep();
  // Takes the step shown away (the grid was edited, or Escape).
  void Dismiss();
  void Highlight(int digit);
  [[nodiscard]] int Highlighted() const { return highlight_; }

 private:
  void UpdateOverlays();

  const WindowGrid::Cells& cells_;
  const CellGrid& grid_;
  Take take_;
  Say say_;
  std::optional<Advice> shown_;
  GridTexts shown_on_{};
  int highlight_ = 0;
};

}  // namespace noralim::ui
