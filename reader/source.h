// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Finding one puzzle from a command-line operand.
#pragma once

#include <string_view>
#include <variant>

#include "reader/reader.h"

namespace noralim {

// The puzzle an operand names:
//  - exactly 81 puzzle-line characters: that puzzle;
//  - a JSON line (first character '[' or '{') that names no file: that
//    puzzle;
//  - FILE: the first puzzle of the file, in any form ReadGrid reads;
//  - FILE:LINE (FILE:LINE itself not the name of a file): the puzzle that
//    starts on line LINE of the file, a positive decimal number.
// A Rejected names where the problem is: "FILE:LINE" for the line at fault,
// "FILE" for the file as a whole, the operand as typed for a line number that
// names no line, "puzzle" for a mistyped puzzle.
// A puzzle with a cell longer than max_cell_characters is rejected, naming
// the line it starts on.
std::variant<Puzzle, Rejected> LoadPuzzle(std::string_view operand, std::size_t max_cell_characters);

// Whether the operand is a puzzle line itself: exactly 81 of the characters
// 1-9, '.', '0' and '-'.
bool IsPuzzleLiteral(std::string_view operand);

// Whether no text is longer than max_cell_characters, the bound LoadPuzzle
// holds every cell to.
bool FitsCells(const GridTexts& texts, std::size_t max_cell_characters);

}  // namespace noralim
