// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/puzzlefiles.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>
#include <optional>

#include "reader/gridtext.h"
#include "reader/linereader.h"
#include "reader/source.h"

namespace noralim::ui {

std::size_t LongestGridLine(std::size_t max_cell_characters) {
  return std::max(LineReader::kMaxLineBytes, kCellCount * (6 * max_cell_characters + 3) + 64);
}

namespace {

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

// Reads the puzzles of a file one by one, handing each outcome (a puzzle, or
// a rejection) to `take` until it says that it has what it wants. What keeps
// the file from being read, if anything.
template <typename Take>
std::optional<Rejected> ScanPuzzles(const std::string& path, std::size_t max_cell_characters, Take take) {
  const std::string name = FileName(path);
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file) return Rejected{name, messages::kSystemError, {std::strerror(errno)}};
  LineReader lines(file.get(), LineReader::Overlong::Skip, LongestGridLine(max_cell_characters));
  std::optional<GridReader> grid;
  std::string text;
  for (;;) {
    const LineReader::Status status = lines.Next(&text);
    if (status == LineReader::Status::Error) return Rejected{name, messages::kReadError, {std::strerror(errno)}};
    if (status == LineReader::Status::End) break;
    if (status == LineReader::Status::TooLong) {
      const Rejected too_long{LinePlace(name, lines.LineNumber()),
                              messages::kLineTooLong,
                              {std::to_string(LongestGridLine(max_cell_characters))}};
      if (take(GridRead{too_long, lines.LineNumber()})) return std::nullopt;
      grid.reset();  // no puzzle runs across a line too long to read
      continue;
    }
    if (!grid) grid.emplace(name);
    if (auto read = grid->Add(text, lines.LineNumber())) {
      grid.reset();
      if (take(std::move(*read))) return std::nullopt;
    }
  }
  if (grid) take(grid->Finish());
  return std::nullopt;
}

// A puzzle with a cell too long for the window is rejected.
GridRead Bounded(GridRead read, const std::string& path, std::size_t max_cell_characters) {
  const auto* puzzle = std::get_if<Puzzle>(&read.result);
  if (puzzle == nullptr || FitsCells(puzzle->texts, max_cell_characters)) return read;
  read.result =
      Rejected{LinePlace(FileName(path), read.line), messages::kCellTooLong, {std::to_string(max_cell_characters)}};
  return read;
}

}  // namespace

std::variant<std::vector<FilePuzzle>, Rejected> ReadPuzzles(const std::string& path, std::size_t max_cell_characters) {
  std::vector<FilePuzzle> puzzles;
  std::optional<Rejected> problem;
  const auto error = ScanPuzzles(path, max_cell_characters, [&](GridRead read) {
    read = Bounded(std::move(read), path, max_cell_characters);
    if (auto* rejected = std::get_if<Rejected>(&read.result)) problem = std::move(*rejected);
    if (auto* puzzle = std::get_if<Puzzle>(&read.result)) puzzles.push_back({std::move(*puzzle), read.line});
    return problem.has_value();
  });
  if (error) return *error;
  if (problem) return *problem;
  if (puzzles.empty()) return Rejected{FileName(path), messages::kNoPuzzleInFile, {}};
  return puzzles;
}

std::variant<FilePuzzle, Rejected> FindPuzzle(const std::string& path, PuzzleWanted wanted,
                                              std::size_t max_cell_characters) {
  std::optional<FilePuzzle> found;
  std::optional<Rejected> problem;
  const auto error = ScanPuzzles(path, max_cell_characters, [&](GridRead read) {
    read = Bounded(std::move(read), path, max_cell_characters);
    if (auto* rejected = std::get_if<Rejected>(&read.result)) {
      if (!problem) problem = std::move(*rejected);
      return false;
    }
    auto* puzzle = std::get_if<Puzzle>(&read.result);
    if (puzzle == nullptr) return false;
    // Backward, the search is over at the first puzzle not before the line.
    if (wanted.forward ? read.line <= wanted.after : read.line >= wanted.after) return !wanted.forward;
    found = FilePuzzle{std::move(*puzzle), read.line};
    return wanted.forward;
  });
  if (error) return *error;
  if (found) return std::move(*found);
  if (problem) return std::move(*problem);
  return Rejected{FileName(path), messages::kNoPuzzleInFile, {}};
}

SavedForm FormOfName(const QString& path) {
  if (path.endsWith(QStringLiteral(".sdk"), Qt::CaseInsensitive)) return SavedForm::Rows;
  if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) return SavedForm::Json;
  return SavedForm::Line;
}

std::string SavedText(const KeptGrid& grid, SavedForm form) {
  if (form == SavedForm::Json) {
    nlohmann::json cells = nlohmann::json::array();
    for (int p = 0; p < kCellCount; ++p) cells.push_back(EncodeUtf8(grid.texts[CellAtPosition(p) - 1]));
    return nlohmann::json{{"cells", std::move(cells)}}.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +
           '\n';
  }
  std::string text;
  for (int p = 0; p < kCellCount; ++p) {
    const auto k = static_cast<std::size_t>(CellAtPosition(p) - 1);
    const bool kept = grid.kinds[k] != Origin::Written && IsDigitValue(grid.texts[k]);
    text.push_back(kept ? static_cast<char>(grid.texts[k][0]) : '.');
    if (form == SavedForm::Rows && p % kUnitSize == kUnitSize - 1) text.push_back('\n');
  }
  return form == SavedForm::Rows ? text : text + '\n';
}

std::optional<QString> WriteWhole(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  file.write(text.data(), static_cast<qint64>(text.size()));
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace noralim::ui
