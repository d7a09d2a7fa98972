// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Reading one puzzle from a block of text in any of the forms in which people
// copy a grid: the clipboard, or a file given to the window.
//
// The first line that is not blank or a comment decides the form. Comments
// are lines starting with '#' or '!', and section headers such as "[Puzzle]"
// ('[' and a capital letter, which no JSON line starts with).
//  - A puzzle line or a JSON line, read as ReadLine reads it.
//  - A candidate line of exactly 729 characters: nine a cell, row-major; place
//    d of a cell holds the digit d when d is a candidate there, else a blank
//    ('.', '0', '-' or a space). "1.3......" is a cell with candidates 1 and 3;
//    a cell with one candidate is that digit, a cell with none is empty.
//  - A grid of nine rows, as web pages, forums and .sdk and .ss files write
//    it: lines made only of '-', '=', '+', '|', '*' and blanks are borders,
//    and borders, blank lines and comments may stand between the rows. A row
//    is split into fields at blanks and '|'; nine fields are nine cells, each
//    a blank ('.', '0', '_', 'x' or 'X') or the digits it may hold ("5",
//    "134"); otherwise the row must hold nine characters, a digit or a blank
//    each ("53..7....", "..3|.5.|..."). The grid's first row starts it when
//    it is no puzzle line: it reads as a row, holds a '|', or is too short
//    for a puzzle line (at most 40 characters).
// The texts are the digits a cell may hold in ascending order ("13"), one
// digit for a given, empty for a blank. A grid ends at its ninth row and the
// borders under it; a line after them that reads as a row is refused as a
// tenth row. Anything else after the puzzle is not read.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "reader/reader.h"

namespace noralim {

// The outcome of reading one puzzle: the puzzle, what is wrong (where is
// "NAME:LINE" of the line at fault), or Skipped when the text holds no line
// but blank ones and comments. `line` is where the puzzle starts or the line
// at fault; 0 for Skipped.
struct GridRead {
  std::variant<Puzzle, Rejected, Skipped> result;
  long line = 0;
};

// Reads one puzzle from lines given one at a time, for readers that split
// the lines themselves.
class GridReader {
 public:
  // name: what the messages call the text, such as its file name. With
  // first_line_starts, the first line given must start the puzzle: a blank
  // line or a comment there is rejected.
  explicit GridReader(std::string_view name, bool first_line_starts = false)
      : name_(name), first_line_starts_(first_line_starts) {}

  // Reads the next line (without its line feed; a trailing CR is ignored),
  // numbered `number`. The outcome once the puzzle is read or rejected, after
  // which Add is not called again; nullopt while more lines are wanted.
  std::optional<GridRead> Add(std::string_view line, long number);

  // The outcome when the text ends: a grid cut short is rejected at its first
  // line; a text with no puzzle begun is Skipped.
  [[nodiscard]] GridRead Finish() const;

  // Whether a grid's nine rows are read, so that the text may end here; Add
  // still wants the next line, to see that no tenth row follows.
  [[nodiscard]] bool Complete() const { return rows_ == kUnitSize; }

 private:
  std::optional<GridRead> Begin(std::string_view line, std::string_view content, long number);
  std::optional<Rejected> ReadRow(std::string_view line);
  std::optional<Rejected> ReadFields(std::string_view line, const std::array<std::string_view, kUnitSize>& fields);
  void SetCell(int column, CellText text);
  [[nodiscard]] GridRead At(Rejected rejected, long number) const;

  std::string name_;
  bool first_line_starts_;
  long start_ = 0;  // the grid's first line; 0 before it
  int rows_ = 0;
  GridTexts texts_;
};

// Whether a line of a file of puzzle lines starts a grid of nine rows
// instead: it is no puzzle line or JSON line, and it is a border or reads as
// a row. A puzzle line (81 characters) or a JSON line is told at a glance,
// so a file of them costs nothing more.
bool StartsRows(std::string_view line);

// The first puzzle of a whole text, such as the clipboard's, named `name` in
// the messages. A UTF-8 byte-order mark at its start is skipped, and a line
// longer than LineReader::kMaxLineBytes is rejected.
GridRead ReadGrid(std::string_view text, std::string_view name);

}  // namespace noralim
