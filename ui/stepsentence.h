// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// One step of the technique ladder in one sentence, in the user's language:
// the technique, the unit, the digits, and what goes.
#pragma once

#include <QString>

#include "boards/rating.h"
#include "solver/digitgrid.h"

namespace noralim::ui {

// "Hidden pair 4 7 in row 3: 4 and 7 fit only in columns 2 and 8, so the
// other candidates there go.", "Hidden single: 4 fits only in row 9 of
// column 3, so it goes there." The grid is the one the step was found on
// (for the candidates of a wing's cells).
QString DescribeStep(const Step& step, const DigitCells& grid);

}  // namespace noralim::ui
