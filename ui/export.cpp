// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/export.h"

#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "boards/rating.h"
#include "reader/source.h"
#include "ui/booklet.h"
#include "ui/puzzlefiles.h"
#include "ui/startup.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// The puzzles an operand names: a FILE all of its own.
std::variant<std::vector<Puzzle>, Rejected> PuzzlesOf(const std::string& operand, std::size_t max_cell_characters) {
  std::error_code error;
  if (!IsPuzzleLiteral(operand) && std::filesystem::is_regular_file(operand, error)) {
    auto read = ReadPuzzles(operand, max_cell_characters);
    if (auto* rejected = std::get_if<Rejected>(&read)) return std::move(*rejected);
    std::vector<Puzzle> puzzles;
    for (FilePuzzle& found : std::get<std::vector<FilePuzzle>>(read)) puzzles.push_back(std::move(found.puzzle));
    return puzzles;
  }
  auto loaded = LoadPuzzle(operand, max_cell_characters);
  if (auto* rejected = std::get_if<Rejected>(&loaded)) return std::move(*rejected);
  return std::vector<Puzzle>{std::move(std::get<Puzzle>(loaded))};
}

// A puzzle numbered and rated, with its solution when it has one.
BookletPuzzle Rated(Puzzle puzzle, int number) {
  // The id as JSON text: a string without its quotes.
  // A generated puzzle's own seed, else the line's id.
  std::string seed = puzzle.seed ? *puzzle.seed : puzzle.id.value_or(std::string());
  if (seed.size() >= 2 && seed.front() == '"' && seed.back() == '"') seed = seed.substr(1, seed.size() - 2);
  BookletPuzzle out{{std::move(puzzle.texts), {}, {}}, number, {}, std::move(seed), {}};
  out.grid.kinds.fill(Origin::Given);
  DigitCells cells{};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const auto set = ToDigitSet(out.grid.texts[k]);
    if (!set) {
      out.rating = Tr(QT_TRANSLATE_NOOP("noralim", "not rated"));
      return out;
    }
    cells[k] = *set;
  }
  const Rating rating = Rate(OpenEmptyCells(cells));
  if (rating.solutions != 1) {
    out.rating = rating.solutions == 0 ? Tr(QT_TRANSLATE_NOOP("noralim", "no solution"))
                                       : Tr(QT_TRANSLATE_NOOP("noralim", "several solutions"));
    return out;
  }
  out.rating =
      QString::fromLatin1(LevelName(*rating.level).data(), static_cast<qsizetype>(LevelName(*rating.level).size()));
  for (int p = 0; p < kCellCount; ++p) {
    out.solution.push_back(static_cast<char>('0' + DigitOf((*rating.solution)[CellAtPosition(p) - 1])));
  }
  return out;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "%s\n", message.toStdString().c_str());
  return 2;
}

}  // namespace

int RunExport(const ExportBooklet& command, std::size_t max_cell_characters) {
  std::vector<BookletPuzzle> booklet;
  for (const std::string& operand : command.operands) {
    auto puzzles = PuzzlesOf(operand, max_cell_characters);
    if (auto* rejected = std::get_if<Rejected>(&puzzles)) return Fail(QString::fromStdString(Translated(*rejected)));
    for (Puzzle& puzzle : std::get<std::vector<Puzzle>>(puzzles)) {
      booklet.push_back(Rated(std::move(puzzle), static_cast<int>(booklet.size()) + 1));
    }
  }
  const QString out = QString::fromStdString(command.out);
  std::optional<QString> error;
  if (out.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    if (booklet.size() != 1) {
      return Fail(QStringLiteral("noralim: ") +
                  Tr(QT_TRANSLATE_NOOP("noralim", "an SVG file holds one puzzle, not %1")).arg(booklet.size()));
    }
    error = WriteWhole(out, GridSvg(booklet.front().grid));
  } else {
    error = WriteBooklet(out, booklet, {command.per_page, command.solutions});
  }
  if (error) return Fail(QStringLiteral("%1: %2").arg(out, *error));
  return 0;
}

}  // namespace noralim::ui
