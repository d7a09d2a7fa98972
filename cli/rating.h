// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What --rate adds to a puzzle's line: its number of solutions, its rating
// on the technique ladder (batch/puzzlerating.h), and its solution.
#pragma once

#include <string>

#include "boards/rating.h"

namespace noralim::cli {

// " <solutions> <rating> <solution>": 0, 1 or 2 (two or more); the rating's
// name and the 81 digits row-major, or '-' for each unless exactly one.
void AppendRatingPlain(const Rating& rating, std::string* out);

// ,"solutions":N,"rating":"name"|null,"solution":"81 digits"|null
void AppendRatingJson(const Rating& rating, std::string* out);

}  // namespace noralim::cli
