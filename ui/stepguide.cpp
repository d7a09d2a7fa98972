// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/stepguide.h"

#include "solver/solve.h"

namespace noralim::ui {

StepGuide::StepGuide(const WindowGrid::Cells& cells, const CellGrid& grid, Take take, Say say)
    : cells_(cells), grid_(grid), take_(std::move(take)), say_(std::move(say)) {}

void StepGuide::NextStep() {
  const GridTexts texts = ReadTexts(grid_);
  if (shown_ && shown_->step && texts == shown_on_) {
    const Advice shown = *shown_;
    Dismiss();
    return take_(TakeStep(texts, shown.grid, *shown.step));
  }
  shown_ = ui::NextStep(texts);
  shown_on_ = texts;
  UpdateOverlays();
  say_(shown_->sentence);
}

void StepGuide::Dismiss() {
  if (!shown_) return;
  shown_.reset();
  UpdateOverlays();
}

void StepGuide::Highlight(int digit) {
  highlight_ = digit;
  UpdateOverlays();
}

void StepGuide::UpdateOverlays() {
  std::array<CellField::Overlay, kCellCount> overlays{};
  for (CellField::Overlay& overlay : overlays) overlay.highlight = highlight_;
  if (shown_ && shown_->step) {
    const Step& step = *shown_->step;
    const auto at = [&](CellIndex i) -> CellField::Overlay& { return overlays[static_cast<std::size_t>(i - 1)]; };
    for (const CellIndex i : step.cells) at(i).cause = true;
    for (const Elimination& gone : step.eliminations) at(gone.cell).removed = gone.digits;
    if (step.placement) at(step.placement->cell).placed = step.placement->digit;
  }
  for (std::size_t k = 0; k < overlays.size(); ++k) cells_[k]->SetOverlay(overlays[k]);
}

}  // namespace noralim::ui
