// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The whole grid as one line of text, for the clipboard.
#pragma once

#include <QString>
#include <variant>

#include "solver/cellgrid.h"
#include "solver/gridtexts.h"

namespace noralim::ui {

// The 81 texts as a puzzle line when every cell is empty or one digit, else
// as the JSON object line the command line reads.
QString GridToLine(const CellGrid& grid);

// Why a text holds no puzzle, in the user's language ("clipboard:1:
// unexpected character 'c' at column 1"; empty for a text with nothing but
// blank lines and comments). `tenth_row`: the text holds a grid's nine rows
// and then a tenth, so it is a grid all the same, only not one to take.
struct PasteRefusal {
  QString message;
  bool tenth_row = false;
};

// The texts of the first puzzle in `text`, in any form a grid is copied in,
// or why there is none.
std::variant<GridTexts, PasteRefusal> ReadPastedGrid(const QString& text);

// Writes the texts into cells 1 to 81 in order, through the grid's ordinary
// writes (so each raises its change notification).
void WriteTexts(CellGrid& grid, const GridTexts& texts);

}  // namespace noralim::ui
