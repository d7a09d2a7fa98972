// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the window tells assistive technology: names and descriptions of the
// cells, and the end of a run.
#pragma once

#include <QString>

#include "solver/celltext.h"
#include "solver/geometry.h"
#include "solver/gridtexts.h"

namespace noralim::ui {

// "Row 3, column 7, box 3".
QString CellName(CellIndex i);
// The cell's text spelled out: "empty", "value 5", "candidates 1, 6, 7, 9".
QString CellDescription(const CellText& text);
// What a finished run leaves: "Calc finished: 46 of 81 cells settled, 35 open",
// then how many are empty and how many hold a text that is no digit or
// candidates ("a", "0", "５"), which count as neither settled nor open.
QString RunReport(const GridTexts& texts);

}  // namespace noralim::ui
