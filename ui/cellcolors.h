// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The colours the cells are drawn in, taken from the window's palette and
// made readable on the cells' background in light and dark palettes alike.
#pragma once

#include <QColor>
#include <QPalette>

namespace noralim::ui {

// The contrast ratio of two colours, 1 to 21, as accessibility guidelines
// measure it.
double ContrastRatio(const QColor& a, const QColor& b);

struct CellColors {
  QColor written;        // digits and candidates a run wrote
  QColor entry;          // digits the user typed after the puzzle came
  QColor conflict;       // the text of a cell in conflict
  QColor conflict_base;  // the background of a cell in conflict
  QColor focus;          // the frame of the cell with the focus
  QColor tint;           // over a cell that holds the highlighted digit (translucent)
  QColor cause;          // the frame of a cell that justifies a step
  QColor placed;         // a digit a step places
  QColor struck;         // the stroke over a candidate a step removes
};

CellColors ColorsFor(const QPalette& palette);

}  // namespace noralim::ui
