// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Grids on paper: one grid drawn for the printer, a booklet of puzzles (and
// their solutions) as PDF, one puzzle as SVG. Digits are text, lines are
// vectors.
#pragma once

#include <QPainter>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "ui/gridhistory.h"

namespace noralim::ui {

// Draws the grid into the square: givens bold, entries plain, digits a run
// wrote in blue, candidates small in the places of their digits, any other
// text small.
void DrawGrid(QPainter& painter, const QRectF& square, const KeptGrid& grid);

// One puzzle of a booklet: its number, its rating (a rung of the ladder, or
// why there is none), the seed or id it came with, and its solution as 81
// digits row-major when it has exactly one.
struct BookletPuzzle {
  KeptGrid grid;
  int number = 1;
  QString rating;
  std::string seed;
  std::string solution;
};

struct BookletLayout {
  int per_page = 4;  // 1, 2, 4 or 6
  bool solutions = false;
};

// The booklet as a PDF at path, on A4 or Letter as the locale measures, all
// written or nothing; the reason when it could not be written.
std::optional<QString> WriteBooklet(const QString& path, const std::vector<BookletPuzzle>& puzzles,
                                    BookletLayout layout);

// One grid as an SVG document.
std::string GridSvg(const KeptGrid& grid);

}  // namespace noralim::ui
