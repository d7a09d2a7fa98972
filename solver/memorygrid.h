// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A plain in-memory grid of 81 texts: runs the solver without a window.
#pragma once

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "solver/cellgrid.h"
#include "solver/textgrid.h"

namespace noralim {

class MemoryGrid final : public CellGrid {
 public:
  // Runs after a write that changed cell i, with the new text in place.
  using ChangeHandler = std::function<void(CellIndex i)>;

  MemoryGrid() = default;
  explicit MemoryGrid(std::array<CellText, kCellCount> texts) : texts_(std::move(texts)) {}

  [[nodiscard]] CellText GetCellText(CellIndex i) const override { return texts_[Slot(i)]; }
  void SetCellText(CellIndex i, const CellText& text) override;

  // The notification raised on every change, the stand-in for the window's
  // cell change event. Tests use it to edit the grid in the middle of a run.
  void SetChangeHandler(ChangeHandler handler) { on_change_ = std::move(handler); }

  // Records every later SetCellText call, changing or not, into *trace
  // (nullptr: none).
  void RecordWrites(std::vector<Write<CellText>>* trace) { trace_ = trace; }

  [[nodiscard]] const std::array<CellText, kCellCount>& Texts() const { return texts_; }

 private:
  static std::size_t Slot(CellIndex i) { return static_cast<std::size_t>(i - 1); }

  std::array<CellText, kCellCount> texts_{};
  ChangeHandler on_change_;
  std::vector<Write<CellText>>* trace_ = nullptr;
};

}  // namespace noralim
