// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Reading puzzles from lines of text: the puzzle-line and JSON-line formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "reader/message.h"
#include "solver/digitgrid.h"
#include "solver/gridtexts.h"

namespace noralim {

// An accepted line: the 81 texts by cell index - 1, and the "id" and "seed"
// of a JSON object line when it had them, as compact JSON text (object keys
// sorted).
struct Puzzle {
  GridTexts texts;
  std::optional<std::string> id;
  std::optional<std::string> seed;
};

// A blank or comment line.
struct Skipped {};

// A rejected line, operand or text: where ("FILE:LINE", "FILE", "puzzle";
// empty from ReadLine, which knows no place) and what is wrong, as a format
// from messages:: and its values ("expected %1 cells, got %2", {"81", "80"}).
struct Rejected {
  std::string where;
  const char* format = "";
  std::vector<std::string> args;
};

// In English: "where: what is wrong", or only what is wrong when where is
// empty.
std::string Describe(const Rejected& rejected);

// "NAME:LINE", the place of a line in the messages.
std::string LinePlace(std::string_view name, long line);

// What is wrong with character c at 1-based column `column` of a line: the
// character quoted when it is printable ASCII, else its byte in hex.
Rejected UnexpectedCharacter(char c, std::size_t column);

using LineResult = std::variant<Skipped, Puzzle, Rejected>;

// One line without its line feed. A trailing CR is ignored.
//  - blank (only spaces and tabs) or starting with '#': skipped;
//  - first non-blank character '[' or '{': a JSON array of 81 strings in
//    row-major order, or an object whose "cells" is such an array;
//  - anything else: 81 characters row-major, '1'-'9' givens, '.', '0' and '-'
//    empty cells, surrounding spaces and tabs ignored.
LineResult ReadLine(std::string_view line);

// The masks of a line that is a plain puzzle line (81 puzzle characters, with
// blanks around and a CR at the end as ReadLine allows), straight from its
// bytes; nullopt for any other line, which ReadLine then reads.
std::optional<DigitCells> ReadPuzzleMasks(std::string_view line);

}  // namespace noralim
