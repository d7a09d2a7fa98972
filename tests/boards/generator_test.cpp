// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The generator's puzzles checked without taking its word for anything: one
// solution by the counter, the rung by the rating of the givens, the clue
// pattern against the symmetry's own maps, and minimality by the counter
// with each clue taken away in turn.
#include "boards/generator.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <string>
#include <vector>

#include "boards/counting.h"
#include "boards/knownsingles.h"
#include "boards/randomgrid.h"
#include "boards/unavoidable.h"

namespace noralim {
namespace {

// The puzzle as a line, for messages.
std::string Line(const DigitCells& givens) {
  std::string line;
  for (int p = 0; p < kCellCount; ++p) {
    const DigitSet cell = givens[kSlotOfPosition[p]];
    line += cell == DigitSet() ? '.' : static_cast<char>('0' + DigitOf(cell));
  }
  return line;
}

// Checks one solution, the same as the generator's, whose digits the givens
// keep, and the rung the rating gives.
void ExpectSound(const GeneratedPuzzle& puzzle) {
  SCOPED_TRACE(Line(puzzle.givens));
  const DigitCells open = OpenEmptyCells(puzzle.givens);
  const SolutionCount count = CountSolutions(open);
  ASSERT_EQ(count.solutions, 1);
  EXPECT_EQ(*count.solution, puzzle.solution);
  EXPECT_EQ(Rate(open).level, puzzle.level);
  for (int slot = 0; slot < kCellCount; ++slot) {
    if (puzzle.givens[slot] != DigitSet()) {
      EXPECT_EQ(puzzle.givens[slot], puzzle.solution[slot]);
    }
  }
}

TEST(GeneratorTest, EachRungOverManySeeds) {
  // The rare rungs take longer to reach: fewer seeds of them.
  const std::vector<std::pair<std::string, int>> rungs = {{"calc", 12}, {"singles", 12}, {"locked", 8},
                                                          {"pairs", 6}, {"triples", 2},  {"quads", 1},
                                                          {"fish", 1},  {"wings", 4},    {"search", 6}};
  for (const auto& [name, seeds] : rungs) {
    const PuzzleOrder order{LevelNamed(name), Symmetry::None, false};
    ASSERT_TRUE(order.level) << name;
    for (int k = 0; k < seeds; ++k) {
      const GeneratedPuzzle puzzle = Generate(PuzzleSeed(31, static_cast<std::uint64_t>(k)), order);
      EXPECT_EQ(puzzle.level, *order.level) << name;
      ExpectSound(puzzle);
    }
  }
  EXPECT_FALSE(LevelNamed("any"));
}

// Each symmetry's maps of (row, column), 0-8, written out here.
using Map = std::function<std::pair<int, int>(int, int)>;
const std::vector<std::pair<std::string, std::vector<Map>>>& SymmetryMaps() {
  static const std::vector<std::pair<std::string, std::vector<Map>>> maps = {
      {"none", {}},
      {"central", {[](int r, int c) { return std::pair(8 - r, 8 - c); }}},
      {"quarter", {[](int r, int c) { return std::pair(c, 8 - r); }}},
      {"mirror", {[](int r, int c) { return std::pair(r, 8 - c); }}},
      {"flip", {[](int r, int c) { return std::pair(8 - r, c); }}},
      {"diagonal", {[](int r, int c) { return std::pair(c, r); }}},
      {"antidiagonal", {[](int r, int c) { return std::pair(8 - c, 8 - r); }}},
      {"fourway", {[](int r, int c) { return std::pair(r, 8 - c); }, [](int r, int c) { return std::pair(8 - r, c); }}},
  };
  return maps;
}

TEST(GeneratorTest, SymmetricPatternsAndMinimalPuzzles) {
  for (const auto& [name, maps] : SymmetryMaps()) {
    const std::optional<Symmetry> symmetry = SymmetryNamed(name);
    ASSERT_TRUE(symmetry) << name;
    EXPECT_EQ(SymmetryName(*symmetry), name);
    for (const bool minimal : {false, true}) {
      const GeneratedPuzzle puzzle = Generate(77, {std::nullopt, *symmetry, minimal});
      ExpectSound(puzzle);
      SCOPED_TRACE(name + (minimal ? " minimal " : " ") + Line(puzzle.givens));
      const auto given = [&](int r, int c) { return puzzle.givens[CellAt(r + 1, c + 1) - 1] != DigitSet(); };
      for (int p = 0; p < kCellCount; ++p) {
        for (const Map& map : maps) {
          const auto [r, c] = map(p / 9, p % 9);
          EXPECT_EQ(given(p / 9, p % 9), given(r, c)) << "position " << p;
        }
        if (!minimal || !given(p / 9, p % 9)) continue;
        DigitCells fewer = OpenEmptyCells(puzzle.givens);
        fewer[kSlotOfPosition[p]] = kAllDigits;
        EXPECT_EQ(CountSolutions(fewer).solutions, 2) << "without position " << p;
      }
    }
  }
  EXPECT_FALSE(SymmetryNamed("rotate"));
}

TEST(GeneratorTest, SeedsMakeTheSamePuzzleAndGridsMatchUpToDigitNames) {
  const PuzzleOrder order{Level::Pairs, Symmetry::Central, false};
  const GeneratedPuzzle first = Generate(PuzzleSeed(5, 3), order);
  const GeneratedPuzzle again = Generate(PuzzleSeed(5, 3), order);
  EXPECT_EQ(first.givens, again.givens);
  EXPECT_EQ(PuzzleSeed(5, 0), 5U);
  EXPECT_NE(PuzzleSeed(5, 1), PuzzleSeed(5, 2));
  EXPECT_NE(Generate(PuzzleSeed(5, 4), order).solution, first.solution);
  // The same grid with its digits renamed d -> 10 - d, and with two rows of a band swapped.
  DigitCells renamed = first.solution;
  for (DigitSet& cell : renamed) {
    unsigned bits = 0;
    for (int d = 0; d < 9; ++d) bits |= ((cell.Bits() >> d) & 1U) << (8 - d);
    cell = DigitSet::FromBits(static_cast<std::uint16_t>(bits));
  }
  DigitCells swapped = first.solution;
  for (int c = 1; c <= 9; ++c) std::swap(swapped[CellAt(1, c) - 1], swapped[CellAt(2, c) - 1]);
  EXPECT_EQ(Canonical(renamed), Canonical(first.solution));
  EXPECT_NE(Canonical(swapped), Canonical(first.solution));
  EXPECT_EQ(Canonical(first.solution)[8], 9);  // the first row reads 1 to 9
}

// Every set is unavoidable: the grid with the set's cells opened has a
// second solution. Sets of three digits are among them.
TEST(UnavoidableTest, OpeningASetLetsTheGridBeSolvedAnotherWay) {
  int three_digits = 0;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    Random random(seed);
    const GridDigits grid = RandomGrid(random);
    DigitCells cells{};
    for (int pos = 0; pos < kCellCount; ++pos) cells[kSlotOfPosition[pos]] = DigitSet::Of(grid[pos]);
    for (const board::Board set : UnavoidableSets(grid)) {
      DigitCells opened = cells;
      unsigned digits = 0;
      board::ForEachCell(set, [&](int pos) {
        opened[kSlotOfPosition[pos]] = kAllDigits;
        digits |= 1U << grid[pos];
      });
      three_digits += std::popcount(digits) == 3 ? 1 : 0;
      EXPECT_EQ(CountSolutions(opened).solutions, 2) << "seed " << seed;
    }
  }
  EXPECT_GT(three_digits, 0);
}

// Singles worked out from the known solution reach the node Propagate
// reaches from the same clues, in boxes and in every unit, straight or
// after the boxes' closure; a stop at `until` says whether it is settled.
// Clues from 17 to 60, so that some grids settle and most do not.
TEST(KnownSinglesTest, ReachWhatPropagateReaches) {
  using board::Singles;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    Random random(seed);
    const GridDigits grid = RandomGrid(random);
    const board::Grid solution = DigitBoards(grid);
    const int clue_count = 17 + random.Below(44);
    board::Board clues = {};
    while (board::Count(clues) < clue_count) clues |= board::CellBoard(random.Below(kCellCount));
    SCOPED_TRACE("seed " + std::to_string(seed));
    for (const Singles kind : {Singles::Boxes, Singles::AllUnits}) {
      board::Node expected;
      for (int d = 0; d < 9; ++d) expected.cand[d] = (solution[d] & clues) | (board::kAll & ~clues);
      ASSERT_TRUE(board::Propagate(expected, kind));
      board::KnownSingles singles(solution, grid, clues);
      if (kind == Singles::AllUnits && seed % 2 == 0) singles.Close(Singles::Boxes);
      EXPECT_EQ(singles.Close(kind), !board::Any(board::kAll & ~expected.done));
      const board::Node closed = singles.Closure();
      for (int d = 0; d < 9; ++d) EXPECT_TRUE(!board::Any(closed.cand[d] ^ expected.cand[d])) << "digit " << d + 1;
      EXPECT_TRUE(!board::Any(closed.done ^ expected.done));
      const board::Board open = board::kAll & ~expected.done;
      if (board::Any(open)) {
        EXPECT_FALSE(board::KnownSingles(solution, grid, clues).Close(kind, open));
      }
      const board::Board settled = expected.done & ~clues;
      if (board::Any(settled)) {
        EXPECT_TRUE(board::KnownSingles(solution, grid, clues).Close(kind, settled));
      }
    }
  }
}

}  // namespace
}  // namespace noralim
