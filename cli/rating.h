// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What --rate adds to a puzzle's line: its number of solutions, its rating
// on the technique ladder, and its solution.
#pragma once

#include <string>

#include "boards/rating.h"
#include "solver/digitgrid.h"
#include "solver/status.h"

namespace noralim::cli {

// The rating of a puzzle given as digit sets, an empty cell standing for
// every digit.
Rating RatePuzzle(const DigitCells& givens);

// The same, from where a run of Calc on the givens ended: none at once for
// a run that ended invalid, whose deductions were all sound; from the run's
// grid when it ended solved or open with every given still in place, which
// has only made the deductions of the ladder's first level, since a puzzle
// with solutions never has a cell emptied and refilled.
Rating RatePuzzle(const DigitCells& givens, const DigitCells& calculated, GridStatus status);

// " <solutions> <rating> <solution>": 0, 1 or 2 (two or more); the rating's
// name and the 81 digits row-major, or '-' for each unless exactly one.
void AppendRatingPlain(const Rating& rating, std::string* out);

// ,"solutions":N,"rating":"name"|null,"solution":"81 digits"|null
void AppendRatingJson(const Rating& rating, std::string* out);

}  // namespace noralim::cli
