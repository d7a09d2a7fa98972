// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridclipboard.h"

#include <algorithm>
#include <string>

#include "reader/linereader.h"
#include "reader/reader.h"
#include "reader/writer.h"
#include "solver/solve.h"
#include "ui/cellfield.h"

namespace noralim::ui {

QString GridToLine(const CellGrid& grid) { return QString::fromStdString(GridLine(ReadTexts(grid))); }

std::optional<GridTexts> LineToTexts(const QString& text) {
  const std::string bytes = text.toStdString();
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // The same bound as for a line of a file.
    if (line.size() > LineReader::kMaxLineBytes) return std::nullopt;
    LineResult result = ReadLine(line);
    if (std::holds_alternative<Skipped>(result)) continue;
    if (auto* puzzle = std::get_if<Puzzle>(&result)) return std::move(puzzle->texts);
    return std::nullopt;
  }
  return std::nullopt;
}

bool FitsCells(const GridTexts& texts) {
  return std::all_of(texts.begin(), texts.end(), [](const CellText& text) {
    return text.size() <= CellField::kMaxCharacters;
  });
}

void WriteTexts(CellGrid& grid, const GridTexts& texts) {
  for (CellIndex i = 1; i <= kCellCount; ++i) grid.SetCellText(i, texts[static_cast<std::size_t>(i - 1)]);
}

}  // namespace noralim::ui
