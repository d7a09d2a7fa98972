// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzle files as the window opens and saves them: a puzzle of a file, and
// the grid written in the form a file's name asks for.
#pragma once

#include <QString>
#include <string>
#include <variant>
#include <vector>

#include "reader/reader.h"
#include "ui/gridhistory.h"

namespace noralim::ui {

// The longest line the window reads from a file: the JSON line of a grid
// of 81 cells of max_cell_characters, each character escaped in at most
// six bytes.
std::size_t LongestGridLine(std::size_t max_cell_characters);

// A puzzle of a file and the line it starts on.
struct FilePuzzle {
  Puzzle puzzle;
  long line = 0;
};

// Every puzzle of a file, in order; the first rejection, or what keeps the
// file from being read, instead when there is one.
std::variant<std::vector<FilePuzzle>, Rejected> ReadPuzzles(const std::string& path, std::size_t max_cell_characters);

// Which puzzle of a file: the first that starts after line `after`
// (forward), or the last that starts before it. Puzzles that are rejected,
// or have a cell longer than max_cell_characters, are passed over; when no
// puzzle is found, the first rejection says why, else "no puzzle".
struct PuzzleWanted {
  long after = 0;
  bool forward = true;
};
std::variant<FilePuzzle, Rejected> FindPuzzle(const std::string& path, PuzzleWanted wanted,
                                              std::size_t max_cell_characters);

// The forms a grid is saved in, by the end of the file's name: ".sdk" nine
// rows, ".json" the JSON line of every cell's text, anything else (".txt")
// a puzzle line. The first two hold the givens and entries only.
enum class SavedForm { Line, Rows, Json };
SavedForm FormOfName(const QString& path);
std::string SavedText(const KeptGrid& grid, SavedForm form);

// Writes the text whole or not at all; the reason when it could not.
std::optional<QString> WriteWhole(const QString& path, const std::string& text);

}  // namespace noralim::ui
