// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The whole grid as one line of text, for the clipboard.
#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "solver/cellgrid.h"
#include "solver/gridtexts.h"

namespace noralim::ui {

// The 81 texts as a puzzle line when every cell is empty or one digit, else
// as the JSON object line the command line reads.
QString GridToLine(const CellGrid& grid);

// The texts of the first puzzle in `text`, in any form a grid is copied in,
// or why there is none, in the user's language ("clipboard:10: a tenth row:
// ..."; empty for a text with nothing but blank lines and comments).
std::variant<GridTexts, QString> ReadPastedGrid(const QString& text);

// The texts of the first puzzle in `text`, in any form a grid is copied in
// (a puzzle or JSON line, nine rows with borders, 729 candidates), when the
// text starts with one; nullopt for anything else.
std::optional<GridTexts> TextToGrid(const QString& text);

// Writes the texts into cells 1 to 81 in order, through the grid's ordinary
// writes (so each raises its change notification).
void WriteTexts(CellGrid& grid, const GridTexts& texts);

}  // namespace noralim::ui
