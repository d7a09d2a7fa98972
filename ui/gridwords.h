// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The grid's places, units and digits in words, in the user's language, for
// the sentences the window shows: "row 3", "columns 2 and 8", "4 and 7".
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "solver/digitgrid.h"
#include "solver/geometry.h"

namespace noralim::ui {

// "box 4", "column 5", "row 3".
QString UnitName(UnitKind kind, UnitNumber n);
// "row 3, column 5".
QString PlaceName(CellIndex i);
// "r3c5", the short name of a cell for lists of cells.
QString ShortPlace(CellIndex i);
// "a", "a and b", "a, b and c".
QString ListOf(const QStringList& items);
// "4 and 7": the digits of a set, ascending.
QString DigitsAnd(DigitSet digits);
// "4 7": the same, as the digits of a pair or a triple are named.
QString DigitsSpaced(DigitSet digits);
// Lines of one kind: "rows 2 and 7", "columns 3, 5 and 8".
QString LinesName(UnitKind kind, const std::vector<UnitNumber>& numbers);
// Where cells lie in a unit: "columns 2 and 8" in a row, "rows 1 and 4" in
// a column; in a box "columns 4 and 6 of row 7" or "rows 7 and 9 of column
// 4" when they share a line, else "r1c2 and r3c1".
QString PlacesIn(UnitKind kind, const std::vector<CellIndex>& cells);
// A part of a whole: "row 9 of column 3".
QString Of(const QString& part, const QString& whole);

}  // namespace noralim::ui
