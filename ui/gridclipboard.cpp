// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridclipboard.h"

#include <string>

#include "reader/gridtext.h"
#include "reader/reader.h"
#include "reader/writer.h"
#include "solver/solve.h"
#include "ui/startup.h"

namespace noralim::ui {

QString GridToLine(const CellGrid& grid) { return QString::fromStdString(GridLine(ReadTexts(grid))); }

std::variant<GridTexts, PasteRefusal> ReadPastedGrid(const QString& text) {
  GridRead read = ReadGrid(text.toStdString(), "clipboard");
  if (auto* puzzle = std::get_if<Puzzle>(&read.result)) return std::move(puzzle->texts);
  if (const auto* rejected = std::get_if<Rejected>(&read.result)) {
    return PasteRefusal{QString::fromStdString(Translated(*rejected)), rejected->format == messages::kTenthRow};
  }
  return PasteRefusal{};
}

void WriteTexts(CellGrid& grid, const GridTexts& texts) {
  for (CellIndex i = 1; i <= kCellCount; ++i) grid.SetCellText(i, texts[static_cast<std::size_t>(i - 1)]);
}

}  // namespace noralim::ui
