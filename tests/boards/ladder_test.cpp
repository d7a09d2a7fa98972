// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The technique ladder: every technique on a hand-made grid whose steps are
// known (tests/data/techniques.jsonl), and the ratings of named puzzles
// (tests/data/ratings.jsonl).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "boards/counting.h"
#include "boards/rating.h"
#include "solver/solution.h"
#include "tests/support/golden.h"

namespace noralim {

void PrintTo(const Step& s, std::ostream* os) {
  *os << "technique " << static_cast<int>(s.technique) << ", digits " << s.digits.Bits() << ", cells";
  for (const CellIndex c : s.cells) *os << ' ' << c;
  if (s.placement) *os << ", place " << s.placement->cell << '=' << s.placement->digit;
  for (const Elimination& e : s.eliminations) *os << ", " << e.cell << '-' << e.digits.Bits();
}

namespace {

constexpr std::array<std::string_view, 17> kTechniques = {
    "SettledCell", "BoxHiddenSingle", "ColumnHiddenSingle", "RowHiddenSingle", "Pointing",  "Claiming",
    "NakedPair",   "HiddenPair",      "NakedTriple",        "HiddenTriple",    "NakedQuad", "HiddenQuad",
    "XWing",       "Swordfish",       "Jellyfish",          "XyWing",          "XyzWing"};

// "r4c7", "b5", "47": a cell, a unit, digits.
CellIndex CellNamed(const std::string& name) { return CellAt(name[1] - '0', name[3] - '0'); }
UnitRef UnitNamed(const std::string& name) {
  const UnitKind kind = name[0] == 'b' ? UnitKind::Box : name[0] == 'c' ? UnitKind::Column : UnitKind::Row;
  return {kind, static_cast<UnitNumber>(name[1] - '0')};
}
DigitSet DigitsNamed(const std::string& digits) {
  unsigned bits = 0;
  for (const char c : digits) bits |= 1U << (c - '1');
  return DigitSet::FromBits(static_cast<std::uint16_t>(bits));
}

// All nine digits everywhere, less the "without" digits in each named unit,
// then the named cells as given.
DigitCells GridOf(const golden::Row& row) {
  DigitCells cells;
  cells.fill(kAllDigits);
  for (const auto& [name, digits] : row["without"].items()) {
    const UnitRef unit = UnitNamed(name);
    const DigitSet lose = DigitsNamed(digits.get<std::string>());
    for (const CellIndex c : Unit(unit.kind, unit.number)) cells[c - 1] = RemoveAll(cells[c - 1], lose);
  }
  for (const auto& [name, digits] : row["cells"].items()) {
    cells[CellNamed(name) - 1] = DigitsNamed(digits.get<std::string>());
  }
  return cells;
}

Step StepOf(const golden::Row& row) {
  Step s;
  const auto* const technique = std::find(kTechniques.begin(), kTechniques.end(), row["technique"].get<std::string>());
  s.technique = static_cast<Technique>(technique - kTechniques.begin());
  for (const golden::Row& unit : row["units"]) s.units.push_back(UnitNamed(unit.get<std::string>()));
  s.digits = DigitsNamed(row["digits"].get<std::string>());
  for (const golden::Row& cell : row["cells"]) s.cells.push_back(CellNamed(cell.get<std::string>()));
  if (LevelOf(s.technique) != Level::Wings) std::sort(s.cells.begin(), s.cells.end());
  if (row.contains("place")) {
    const auto place = row["place"].get<std::string>();
    s.placement = Placement{CellNamed(place), place[5] - '0'};
  }
  const golden::Row removed = row.value("remove", golden::Row::object());
  for (const auto& [name, digits] : removed.items()) {
    s.eliminations.push_back({CellNamed(name), DigitsNamed(digits.get<std::string>())});
  }
  std::sort(s.eliminations.begin(), s.eliminations.end(), [](auto& a, auto& b) { return a.cell < b.cell; });
  return s;
}

Level LevelNamed(const std::string& name) {
  for (int level = 1; level <= kLevelCount; ++level) {
    if (LevelName(static_cast<Level>(level)) == name) return static_cast<Level>(level);
  }
  throw std::invalid_argument("no level " + name);
}

TEST(LadderTest, FindsTheStepsOfEachTechnique) {
  for (const golden::Row& row : golden::Rows("techniques.jsonl")) {
    SCOPED_TRACE(row["name"].get<std::string>());
    const DigitCells grid = GridOf(row);
    std::vector<Step> expected;
    for (const golden::Row& step : row["steps"]) expected.push_back(StepOf(step));
    EXPECT_EQ(StepsOf(grid, LevelNamed(row["level"].get<std::string>())), expected);
    const std::optional<Step> simplest = SimplestStep(grid);
    ASSERT_TRUE(simplest.has_value());
    EXPECT_EQ(kTechniques[static_cast<std::size_t>(simplest->technique)], row["simplest"].get<std::string>());
  }
}

// A puzzle line's givens, and all nine digits in its empty cells.
DigitCells PuzzleOf(const golden::Row& grid) { return OpenEmptyCells(*AsDigitSets(golden::Grid(grid))); }

TEST(LadderTest, RatesTheGoldenPuzzles) {
  for (const golden::Row& row : golden::Rows("ratings.jsonl")) {
    SCOPED_TRACE(row["name"].get<std::string>());
    const Rating rating = Rate(PuzzleOf(row["grid"]));
    EXPECT_EQ(rating.solutions, row["solutions"].get<int>());
    EXPECT_EQ(rating.level ? LevelName(*rating.level) : "none", row["level"].get<std::string>());
    EXPECT_EQ(rating.solution.has_value(), rating.solutions == 1);
    EXPECT_EQ(CountSolutions(PuzzleOf(row["grid"])).solutions, rating.solutions);  // the counter alone, from the givens
    if (rating.solution) {
      EXPECT_FALSE(SimplestStep(*rating.solution).has_value());  // a solved grid leaves nothing to do
    }
    EXPECT_TRUE(StepsOf(PuzzleOf(row["grid"]), Level::Search).empty());
    if (row.contains("solution")) {
      EXPECT_EQ(rating.solution, PuzzleOf(row["solution"]));
    }
  }
}

}  // namespace
}  // namespace noralim
