// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridclipboard.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "reader/gridtext.h"
#include "reader/reader.h"
#include "reader/writer.h"
#include "solver/solve.h"
#include "ui/startup.h"

namespace noralim::ui {

QString GridToLine(const CellGrid& grid) { return QString::fromStdString(GridLine(ReadTexts(grid))); }

std::variant<GridTexts, PasteRefusal> ReadPastedGrid(const QString& text) {
  const std::string bytes = text.toStdString();
  // A grid copied as a JSON line is read as one line, so that every grid the
  // window holds pastes back, however far past the longest line a file may
  // have it goes.
  const std::string_view start =
      std::string_view(bytes).substr(std::min(bytes.find_first_not_of(" \t\r\n"), bytes.size()));
  if (start.starts_with('{') || start.starts_with('[')) {
    LineResult line = ReadLine(start.substr(0, start.find('\n')));
    if (auto* puzzle = std::get_if<Puzzle>(&line)) return std::move(puzzle->texts);
  }
  GridRead read = ReadGrid(bytes, "clipboard");
  if (auto* puzzle = std::get_if<Puzzle>(&read.result)) return std::move(puzzle->texts);
  if (const auto* rejected = std::get_if<Rejected>(&read.result)) {
    // Formats compared by their text: a literal's address may differ from
    // one translation unit to another.
    const bool tenth_row = std::string_view(rejected->format) == messages::kTenthRow;
    return PasteRefusal{QString::fromStdString(Translated(*rejected)), tenth_row};
  }
  return PasteRefusal{};
}

void WriteTexts(CellGrid& grid, const GridTexts& texts) {
  for (CellIndex i = 1; i <= kCellCount; ++i) grid.SetCellText(i, texts[static_cast<std::size_t>(i - 1)]);
}

}  // namespace noralim::ui
