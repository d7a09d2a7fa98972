// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Finding one puzzle from a command-line operand.
#pragma once

#include <string_view>

#include "reader/reader.h"

namespace noralim {

// The puzzle an operand names:
//  - exactly 81 puzzle-line characters: that puzzle;
//  - FILE: the first accepted line of the file;
//  - FILE:LINE (LINE a positive decimal number, and FILE:LINE itself not the
//    name of a file): line LINE of the file, which must hold a puzzle.
// A Rejected names where the problem is: "FILE:LINE" or "FILE", and "puzzle"
// for a mistyped literal puzzle.
std::variant<Puzzle, Rejected> LoadPuzzle(std::string_view operand);

}  // namespace noralim
