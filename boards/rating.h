// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// How hard a puzzle is: the ladder of solving techniques, the steps each
// one takes on a grid, and the rating of a whole puzzle.
//
// Every technique here is sound: it never removes a candidate that some
// solution uses. So a grid the ladder settles has exactly that one solution,
// and one it empties has none.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "solver/digitgrid.h"
#include "solver/geometry.h"

namespace noralim {

// The rungs of the ladder; each level uses its own techniques and those of
// every level below it.
enum class Level : std::uint8_t {
  Calc = 1,  // settled cells clear their digit from row, column and box; hidden singles in boxes
  Singles,   // hidden singles in rows and columns
  Locked,    // pointing and claiming
  Pairs,     // naked and hidden pairs
  Triples,   // naked and hidden triples
  Quads,     // naked and hidden quads
  Fish,      // X-wing, swordfish and jellyfish
  Wings,     // XY-wing and XYZ-wing
  Search,    // one solution, which levels 1 to 8 do not reach
};
inline constexpr int kLevelCount = 9;

// "calc", "singles", "locked", "pairs", "triples", "quads", "fish", "wings" or "search".
std::string_view LevelName(Level level);

enum class Technique : std::uint8_t {
  SettledCell,         // a settled cell's digit goes from its row, column and box
  BoxHiddenSingle,     // a digit only one cell of a box can take goes there
  ColumnHiddenSingle,  // ... of a column
  RowHiddenSingle,     // ... of a row
  Pointing,            // a box's candidates of a digit all in one line: the digit goes from the rest of the line
  Claiming,            // a line's candidates of a digit all in one box: the digit goes from the rest of the box
  NakedPair,           // n cells of a unit with n candidates between them: those go from the unit's other cells
  HiddenPair,          // n digits with n places in a unit between them: other digits go from those cells
  NakedTriple,
  HiddenTriple,
  NakedQuad,
  HiddenQuad,
  XWing,      // n lines (base) whose places of a digit lie in n crossing lines (cover): the digit goes
  Swordfish,  // from the rest of the cover lines
  Jellyfish,
  XyWing,   // pivot {x,y}, pincers {x,z} and {y,z} that see it: z goes from cells that see both pincers
  XyzWing,  // pivot {x,y,z}, pincers {x,z} and {y,z}: z goes from cells that see all three
};

Level LevelOf(Technique technique);

struct UnitRef {
  UnitKind kind = UnitKind::Box;
  UnitNumber number = 1;
  friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

struct Placement {
  CellIndex cell = 1;
  int digit = 1;
  friend bool operator==(const Placement&, const Placement&) = default;
};

struct Elimination {
  CellIndex cell = 1;
  DigitSet digits;  // the candidates that go from the cell
  friend bool operator==(const Elimination&, const Elimination&) = default;
};

// One use of one technique, with what justifies it:
// - units: the unit of a hidden single or a subset; the box then the line of
//   a pointing, the line then the box of a claiming; the base lines then
//   the cover lines of a fish; the box, column and row of a settled cell;
//   none for a wing.
// - digits: the digit of a single, a settled cell, a locked candidate or a
//   fish; the digits of a subset; x, y and z of a wing.
// - cells: the cell of a single or a settled cell; the candidates of the
//   digit in the box or line that point or claim, or in the base lines of a
//   fish; the cells of a naked subset or the places of a hidden one; pivot
//   then pincers of a wing. Ascending cell index, except for the wings.
// - placement or eliminations (ascending cell index), never both; a step
//   always changes the grid it was found on.
struct Step {
  Technique technique = Technique::SettledCell;
  std::vector<UnitRef> units;
  DigitSet digits;
  std::vector<CellIndex> cells;
  std::optional<Placement> placement;
  std::vector<Elimination> eliminations;
  friend bool operator==(const Step&, const Step&) = default;
};

// Every step the techniques of `level` (not of a lower one) take on the grid
// (candidates by cell index - 1), each found on the grid as given: by
// technique in the order of the enum, then by their units in the order box
// 1-9, column 1-9, row 1-9, then by ascending digits and cells. Empty for
// Search.
std::vector<Step> StepsOf(const DigitCells& cells, Level level);

// The first step of the lowest level that has one.
std::optional<Step> SimplestStep(const DigitCells& cells);

// The grid once the step is taken.
DigitCells ApplyStep(DigitCells cells, const Step& step);

struct Rating {
  // 0, 1, or 2 for two or more.
  int solutions = 0;
  // The hardest level the ladder used to settle the grid, Search when it
  // stalls on a grid with one solution; none unless there is exactly one.
  std::optional<Level> level;
  // The solution, when there is exactly one.
  std::optional<DigitCells> solution;
};

// Rates the grid (candidates by cell index - 1): from the lowest level up,
// the first level with any step takes all its steps at once, all found on
// the same grid (level 1 repeated until it has none); then up again from
// level 1, until every cell is settled, a cell is empty or no level has a
// step. A grid the ladder settles at once rates Calc. Allocates nothing.
Rating Rate(const DigitCells& cells);

// Rate for a grid that level 1 leaves as it is (no settled cell's digit
// among its peers, no digit alone in a box that is not settled there), such
// as where a run of Calc ended open or solved: the same rating, without the
// first look for what level 1 would change.
Rating RateCalcClosure(const DigitCells& cells);

// Rate's level when it is at most `highest`, nullopt when Rate gives a
// higher one or none; quicker than Rate where the ladder would go higher,
// since it stops there.
std::optional<Level> RateWithin(const DigitCells& cells, Level highest);

// A puzzle's givens as the candidates Rate and CountSolutions take: each
// empty cell (no digit) opened to all nine digits, the others as they are.
DigitCells OpenEmptyCells(DigitCells cells);

}  // namespace noralim
