// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzles made to order: from a 64-bit seed, a puzzle with exactly one
// solution whose rating is the rung asked for, its clues in a symmetric
// pattern when asked, and minimal when asked (no clue can go without a
// second solution).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "boards/rating.h"
#include "boards/symmetry.h"
#include "solver/digitgrid.h"

namespace noralim {

struct PuzzleOrder {
  std::optional<Level> level;  // none: any rung
  Symmetry symmetry = Symmetry::None;
  bool minimal = false;
};

struct GeneratedPuzzle {
  DigitCells givens;    // by cell index - 1; an empty set is a blank
  DigitCells solution;  // the one solution
  Level level = Level::Calc;
};

// The puzzle of the seed: the same for the same seed and order on every
// machine. Its level is what Rate gives for its givens with the blanks
// opened to every digit, as noralim-solve --rate rates it.
GeneratedPuzzle Generate(std::uint64_t seed, const PuzzleOrder& order);

// The seed of puzzle `index` of a run: the run's seed itself for puzzle 0,
// a mix of the two for the others.
std::uint64_t PuzzleSeed(std::uint64_t run_seed, std::uint64_t index);

// A seed in place of one whose puzzle repeats an earlier one of the run.
std::uint64_t NextSeed(std::uint64_t seed);

// The level of a rung's name ("calc" ... "search"), as LevelName writes it.
std::optional<Level> LevelNamed(std::string_view name);

// A solution grid written so that grids that differ only in which digit is
// which are equal: row-major, each digit replaced by the order of its first
// appearance (the first row always reads 1 to 9).
using CanonicalGrid = std::array<std::uint8_t, kCellCount>;
CanonicalGrid Canonical(const DigitCells& solution);

}  // namespace noralim
