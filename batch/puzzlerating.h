// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The rating of a whole puzzle, from its givens or from where a run of Calc
// on them ended: what --rate and the Python module's rate give.
#pragma once

#include "boards/rating.h"
#include "solver/digitgrid.h"
#include "solver/status.h"

namespace noralim {

// The rating of a puzzle given as digit sets, an empty cell standing for
// every digit.
Rating RatePuzzle(const DigitCells& givens);

// The same, from where a run of Calc on the givens ended: none at once for
// a run that ended invalid, whose deductions were all sound; from the run's
// grid when it ended solved or open with every given still in place, which
// has only made the deductions of the ladder's first level, since a puzzle
// with solutions never has a cell emptied and refilled.
Rating RatePuzzle(const DigitCells& givens, const DigitCells& calculated, GridStatus status);

}  // namespace noralim
