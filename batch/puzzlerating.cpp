// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "batch/puzzlerating.h"

namespace noralim {

Rating RatePuzzle(const DigitCells& givens) { return Rate(OpenEmptyCells(givens)); }

Rating RatePuzzle(const DigitCells& givens, const DigitCells& calculated, GridStatus status) {
  if (status != GridStatus::Solved && status != GridStatus::Open) return RatePuzzle(givens);
  for (std::size_t k = 0; k < givens.size(); ++k) {
    if (givens[k] != DigitSet() && calculated[k] != givens[k]) return RatePuzzle(givens);
  }
  return Rate(calculated);
}

}  // namespace noralim
