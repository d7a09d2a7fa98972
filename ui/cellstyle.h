// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The look of a cell: its font at creation and the style its text selects.
#pragma once

#include <QFont>
#include <cstddef>

namespace noralim::ui {

class CellField;

// What the length of a cell's text selects.
struct CellStyle {
  bool bold = false;
  double points = 10.0;
};

// Length 1 (settled): bold 20 pt; 2: 12 pt; 3: 11 pt; 0 and 4 or more: 10 pt.
[[nodiscard]] CellStyle CellStyleFor(std::size_t length);

// The cells' font when created: a fixed-pitch Japanese Gothic face, regular,
// 9 points, falling back on other Gothic faces and the system's fixed font.
[[nodiscard]] QFont CellFont();

// Sets the cell's weight, then its size at the window's base size, from the
// length of its text (line breaks count as CR and LF), and lays the text out
// to fit, at the cell's scale. Face and family list stay as they are.
// Changing the font leaves the text alone, so it raises no textChanged.
void ApplyCellStyle(CellField& cell);

}  // namespace noralim::ui
