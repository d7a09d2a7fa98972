// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "batch/puzzlerating.h"

namespace noralim {

Rating RatePuzzle(const DigitCells& givens) { return Rate(OpenEmptyCells(givens)); }

Rating RatePuzzle(const DigitCells& givens, const DigitCells& calculated, GridStatus status) {
  // Every deduction of a run is sound, so a run that comes to a
  // contradiction proves that the givens have no solution.
  if (status == GridStatus::Invalid) return {};
  // Every cell looked at, without a branch on each: whether a cell is given
  // follows no pattern a predictor can learn.
  unsigned changed = 0;
  for (std::size_t k = 0; k < givens.size(); ++k) {
    const unsigned given = givens[k].Bits();
    changed |= static_cast<unsigned>(given != 0) & static_cast<unsigned>(calculated[k].Bits() != given);
  }
  return changed != 0 ? RatePuzzle(givens) : RateCalcClosure(calculated);
}

}  // namespace noralim
