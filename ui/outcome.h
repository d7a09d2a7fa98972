// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the grid says to a person looking at it: how a run ended, and which
// cells are in conflict.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "solver/digitgrid.h"
#include "solver/gridtexts.h"
#include "solver/solveresult.h"

namespace noralim::ui {

// One flag a cell, by cell index - 1.
using CellFlags = std::array<bool, kCellCount>;

// How a run that left these texts ended, in a few words: "solved in 7
// sweeps", "35 cells open after 4 sweeps", "contradiction: row 3, column 5
// has no candidate left", "contradiction: 5 twice in box 4",
// "contradiction: 7 has no place in row 2".
QString Outcome(const GridTexts& texts, SolveResult result);

// The digits of a text that is one a cell is meant to hold: empty, one digit
// 1 to 9, or two or more different digits 1 to 9 (candidates); nullopt for
// any other text.
std::optional<DigitSet> WellFormedDigits(const CellText& text);

// Why each cell is marked, in words ("5 twice in row 3", "not a digit or
// candidates"), or empty for a cell that is not: the conflicts of the
// texts, the cells a run stopped at (`stopped`) and those Check found wrong.
using MarkReasons = std::array<QString, kCellCount>;
MarkReasons ReasonsForMarks(const GridTexts& texts, const CellFlags& stopped, const CellFlags& wrong);

}  // namespace noralim::ui
