// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solution counter, the rating and the rating within a level against
// plain references, on a sample of Royle's 17-clue puzzles
// (tests/data/puzzles17.txt) as given, with one clue taken away and with one
// wrong clue added: a backtracking search that tries every digit of the cell
// with fewest choices, and the ladder taken one step at a time in a shuffled
// order, as StepsOf lists the steps; and the cells turned into digit boards
// both ways there are.
#include "boards/counting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "boards/board.h"
#include "boards/ladder.h"
#include "boards/rating.h"

namespace noralim {
namespace {

// Counts solutions up to two by backtracking over (cell, digit) choices:
// at each node, every digit of the open cell with fewest digits, or every
// cell of the unit and digit with fewest cells, whichever are fewer. Each
// solution gives one digit to that cell and puts that digit in one cell of
// that unit, so either way every solution is met exactly once.
class Reference {
 public:
  explicit Reference(const DigitCells& cells) : cells_(cells) {
    for (std::size_t u = 0; u < units_.size(); ++u) {
      units_[u] = Unit(kUnitKinds[u / 9], static_cast<UnitNumber>(u % 9 + 1));
      for (const CellIndex c : units_[u]) unit_of_[c - 1].push_back(static_cast<int>(u));
    }
    Run();
    if (count_.solutions != 1) count_.solution.reset();
  }
  [[nodiscard]] const SolutionCount& Count() const { return count_; }

 private:
  [[nodiscard]] unsigned Choices(int k) const {
    unsigned used = 0;
    for (const int u : unit_of_[k]) used |= used_[u];
    return given_[k] != 0 ? 0 : cells_[k].Bits() & ~used;
  }

  void Give(int k, int d) {
    given_[k] = d;
    for (const int u : unit_of_[k]) used_[u] ^= 1U << (d - 1);
  }

  // Where to branch: the open cell with fewest digits, or the unit and
  // digit with fewest cells when that is fewer; no cell and no unit when
  // the grid is full.
  struct Branch {
    int choices = 10;
    int cell = -1;
    int unit = -1;
    int digit = 0;
  };
  [[nodiscard]] Branch Best() const {
    Branch best;
    for (int k = 0; k < kCellCount; ++k) {
      const int n = given_[k] != 0 ? 10 : std::popcount(Choices(k));
      if (n < best.choices) best = {n, k, -1, 0};
    }
    const bool full = best.cell < 0;
    for (int u = 0; u < 27 && !full; ++u) {
      for (int d = 1; d <= 9; ++d) {
        int n = 0;
        for (const CellIndex c : units_[u]) n += static_cast<int>(Choices(c - 1) >> (d - 1) & 1U);
        if ((used_[u] >> (d - 1) & 1U) == 0 && n < best.choices) best = {n, -1, u, d};
      }
    }
    return best;
  }

  void Try(int k, int d) {
    if (count_.solutions >= 2) return;
    Give(k, d);
    Run();
    Give(k, d);
    given_[k] = 0;
  }

  void Run() {
    const Branch best = Best();
    if (best.cell < 0 && best.unit < 0) {
      if (++count_.solutions == 1) {
        count_.solution.emplace();
        for (int k = 0; k < kCellCount; ++k) (*count_.solution)[k] = DigitSet::Of(given_[k]);
      }
    } else if (best.cell >= 0) {
      for (int d = 1; d <= 9; ++d) {
        if ((Choices(best.cell) >> (d - 1) & 1U) != 0) Try(best.cell, d);
      }
    } else {
      for (const CellIndex c : units_[best.unit]) {
        if ((Choices(c - 1) >> (best.digit - 1) & 1U) != 0) Try(c - 1, best.digit);
      }
    }
  }

  const DigitCells& cells_;
  std::array<UnitCells, 27> units_{};
  std::array<std::vector<int>, kCellCount> unit_of_{};
  std::array<unsigned, 27> used_{};
  std::array<int, kCellCount> given_{};
  SolutionCount count_;
};

SolutionCount SlowCount(const DigitCells& cells) { return Reference(cells).Count(); }

// An empty cell, or a digit no cell of some unit can take.
bool Contradiction(const DigitCells& cells) {
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      unsigned seen = 0;
      for (const CellIndex c : Unit(kind, n)) {
        if (cells[c - 1] == DigitSet()) return true;
        seen |= cells[c - 1].Bits();
      }
      if (seen != kAllDigits.Bits()) return true;
    }
  }
  return false;
}

// The ladder as the rating describes it, each step applied on its own.
Rating SlowRate(DigitCells cells, std::mt19937& rng) {
  std::optional<Level> highest;
  for (;;) {
    if (Contradiction(cells)) return {};
    if (std::all_of(cells.begin(), cells.end(), [](DigitSet s) { return Length(s) == 1; })) {
      return {1, highest.value_or(Level::Calc), cells};
    }
    int level = 1;
    std::vector<Step> steps;
    for (; level < kLevelCount && steps.empty(); ++level) steps = StepsOf(cells, static_cast<Level>(level));
    if (steps.empty()) break;
    std::shuffle(steps.begin(), steps.end(), rng);
    for (const Step& step : steps) cells = ApplyStep(cells, step);
    highest = std::max(highest.value_or(Level::Calc), static_cast<Level>(level - 1));
  }
  SolutionCount count = CountSolutions(cells);
  return {count.solutions, count.solutions == 1 ? std::optional(Level::Search) : std::nullopt, count.solution};
}

// Each sample puzzle as given, with its (k % 17)-th clue taken away, and with
// its solution's digit plus one given in its (k % 64)-th empty cell.
std::vector<DigitCells> Sample() {
  std::ifstream in(std::string(NORALIM_TEST_DATA) + "/puzzles17.txt");
  std::vector<DigitCells> grids;
  int k = 0;
  for (std::string line; std::getline(in, line); ++k) {
    DigitCells puzzle;
    std::vector<int> givens;
    std::vector<int> empties;
    for (int p = 0; p < kCellCount; ++p) {
      const int slot = kSlotOfPosition[p];
      const bool given = line[p] >= '1' && line[p] <= '9';
      puzzle[slot] = given ? DigitSet::Of(line[p] - '0') : kAllDigits;
      (given ? givens : empties).push_back(slot);
    }
    DigitCells fewer = puzzle;
    fewer[givens[k % givens.size()]] = kAllDigits;
    DigitCells wrong = puzzle;
    const int slot = empties[k % empties.size()];
    wrong[slot] = DigitSet::Of(DigitOf((*CountSolutions(puzzle).solution)[slot]) % 9 + 1);
    grids.insert(grids.end(), {puzzle, fewer, wrong});
  }
  return grids;
}

TEST(CountingTest, AgreesWithBacktrackingAndTheLadderStepByStep) {
  const std::vector<DigitCells> grids = Sample();
  ASSERT_EQ(grids.size(), 300U);
  std::mt19937 rng(20261207);
  std::array<int, 3> by_count{};
  for (std::size_t k = 0; k < grids.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "grid " << k);
    const SolutionCount expected = SlowCount(grids[k]);
    const SolutionCount count = CountSolutions(grids[k]);
    EXPECT_EQ(count.solutions, expected.solutions);
    EXPECT_EQ(count.solution, expected.solution);
    const Rating rating = Rate(grids[k]);
    const Rating slow = SlowRate(grids[k], rng);
    EXPECT_EQ(rating.solutions, expected.solutions);
    EXPECT_EQ(rating.solution, expected.solution);
    EXPECT_EQ(rating.level, slow.level);
    for (int highest = 1; highest <= kLevelCount; ++highest) {
      const bool within = rating.level && static_cast<int>(*rating.level) <= highest;
      EXPECT_EQ(RateWithin(grids[k], static_cast<Level>(highest)), within ? rating.level : std::nullopt) << highest;
    }
    ++by_count[static_cast<std::size_t>(expected.solutions)];
  }
  for (const int n : by_count) EXPECT_GT(n, 0);  // the sample has grids with 0, 1 and 2 solutions
}

// Random masks, each cell any subset of the nine digits: the digit boards
// made band by band are those made row by row, and turn back into the masks.
TEST(BoardTest, CellsBecomeTheSameBoardsEitherWayAndComeBack) {
  std::mt19937 rng(20261209);
  std::uniform_int_distribution<int> mask(0, 0x1FF);
  for (int k = 0; k < 1000; ++k) {
    DigitCells cells{};
    for (DigitSet& cell : cells) cell = DigitSet::FromBits(static_cast<std::uint16_t>(mask(rng)));
    const board::Grid g = board::FromCells(cells);
    const board::Grid by_rows = board::FromCellsByRows(cells);
    for (int d = 0; d < 9; ++d) ASSERT_FALSE(board::Any(g[d] ^ by_rows[d])) << "digit " << d + 1 << ", grid " << k;
    ASSERT_EQ(board::ToCells(g), cells) << "grid " << k;
  }
}

// Random rows of sixteen bits: both turns of a 9x9 bit matrix give
// out[c] bit r = in[r] bit c, whatever lies above a row's nine bits.
TEST(BoardTest, BitMatricesTurnOverTheirDiagonalBothWays) {
  std::mt19937 rng(20261210);
  std::uniform_int_distribution<int> row(0, 0xFFFF);
  for (int k = 0; k < 1000; ++k) {
    std::array<std::uint16_t, 9> in{};
    for (std::uint16_t& r : in) r = static_cast<std::uint16_t>(row(rng));
    std::array<std::uint16_t, 9> expected{};
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) expected[c] |= static_cast<std::uint16_t>((in[r] >> c & 1U) << r);
    }
    ASSERT_EQ(board::Transpose9(in), expected) << "matrix " << k;
    ASSERT_EQ(board::Transpose9ByWords(in), expected) << "matrix " << k;
  }
}

// Each sample grid against the solution of the puzzle it came from: another
// solution exactly when it has two or more, one that keeps every cell within
// its candidates and differs from the known one.
TEST(CountingTest, AnotherSolutionIsFoundExactlyWhenThereAreTwo) {
  const std::vector<DigitCells> grids = Sample();
  for (std::size_t k = 0; k < grids.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "grid " << k);
    const board::Grid known = board::FromCells(*CountSolutions(grids[k - k % 3]).solution);
    board::Node root;
    root.cand = board::FromCells(grids[k]);
    board::Grid other{};
    const bool found = board::CloseUnderLocked(root) && board::AnotherSolution(root, known, &other);
    EXPECT_EQ(found, CountSolutions(grids[k]).solutions == 2);
    if (!found) continue;
    const DigitCells cells = board::ToCells(other);
    EXPECT_EQ(CountSolutions(cells).solutions, 1);
    EXPECT_NE(cells, board::ToCells(known));
    for (std::size_t slot = 0; slot < cells.size(); ++slot) EXPECT_EQ(cells[slot].Bits() & ~grids[k][slot].Bits(), 0);
  }
}

// Each sample puzzle with a clue put back in every fourth cell, then one,
// two and five of its clues taken away: the look narrowed to where another
// solution must differ finds one exactly when the puzzle has two or more,
// and one that differs there.
TEST(CountingTest, AnotherSolutionWhereTheCluesWereTakenIsFoundExactlyWhenThereAreTwo) {
  const std::vector<DigitCells> grids = Sample();
  std::array<int, 2> by_found{};
  for (std::size_t k = 0; k < grids.size(); k += 3) {
    const DigitCells solution = *CountSolutions(grids[k]).solution;
    const board::Grid known = board::FromCells(solution);
    DigitCells more = grids[k];
    for (int p = static_cast<int>(k / 3) % 4; p < kCellCount; p += 4) {
      more[kSlotOfPosition[p]] = solution[kSlotOfPosition[p]];
    }
    for (const int taken_count : {1, 2, 5}) {
      SCOPED_TRACE(testing::Message() << "grid " << k << ", " << taken_count << " taken");
      DigitCells fewer = more;
      board::Board taken = {};
      for (int p = static_cast<int>(k) % kCellCount, n = 0; n < taken_count; p = (p + 7) % kCellCount) {
        DigitSet& cell = fewer[kSlotOfPosition[p]];
        if (cell == kAllDigits) continue;
        cell = kAllDigits;
        taken |= board::CellBoard(p);
        ++n;
      }
      board::Node root;
      root.cand = board::FromCells(fewer);
      board::Grid other{};
      const bool found = board::CloseUnderLocked(root) && board::AnotherSolution(root, known, &other, taken);
      ASSERT_EQ(found, CountSolutions(fewer).solutions == 2);
      ++by_found[found ? 1 : 0];
      if (!found) continue;
      EXPECT_EQ(CountSolutions(board::ToCells(other)).solutions, 1);
      board::Board differ = {};
      for (int d = 0; d < 9; ++d) differ |= other[d] ^ known[d];
      EXPECT_TRUE(board::Any(differ & taken));
      EXPECT_FALSE(board::Any(differ & ~(board::kAll & ~root.done)));
    }
  }
  EXPECT_GT(by_found[0], 0);
  EXPECT_GT(by_found[1], 0);
}

// The rating within each level given the solution of the puzzle a sample
// grid came from, from the grid and from its closure under singles in boxes
// (or in every unit, told so, when the grid needs more than calc): the level
// it gives without it, and another solution, when it finds one, only on a
// grid with two or more, and within its candidates.
TEST(CountingTest, RatingWithinGivenTheSolutionRatesAlikeAndFindsOnlyRealSecondSolutions) {
  const std::vector<DigitCells> grids = Sample();
  int others = 0;
  for (std::size_t k = 0; k < grids.size(); ++k) {
    if (k % 3 == 2) continue;  // a wrong clue: the solution given is none of its own
    SCOPED_TRACE(testing::Message() << "grid " << k);
    const board::Grid known = board::FromCells(*CountSolutions(grids[k - k % 3]).solution);
    const board::Grid g = board::FromCells(grids[k]);
    board::Node node;
    node.cand = g;
    board::Node closed = node;
    ASSERT_TRUE(board::Propagate(closed, board::Singles::Boxes));
    board::Node lines = node;
    ASSERT_TRUE(board::Propagate(lines, board::Singles::AllUnits));
    const std::optional<Level> rated = ladder::Rate(g).level;
    const bool beyond_calc = !rated || *rated > Level::Calc;
    const int solutions = CountSolutions(grids[k]).solutions;
    for (int highest = 1; highest <= kLevelCount; ++highest) {
      const auto level = static_cast<Level>(highest);
      std::optional<board::Grid> from_closed;
      EXPECT_EQ(ladder::RateWithin(closed, level, known, &from_closed), ladder::RateWithin(g, level)) << highest;
      if (std::optional<board::Grid> from_lines; beyond_calc) {
        EXPECT_EQ(ladder::RateWithin(lines, level, known, &from_lines, board::kAll, Level::Singles),
                  ladder::RateWithin(g, level))
            << highest;
      }
      std::optional<board::Grid> other;
      EXPECT_EQ(ladder::RateWithin(node, level, known, &other), ladder::RateWithin(g, level)) << highest;
      EXPECT_EQ(other.has_value(), from_closed.has_value()) << highest;
      if (!other) continue;
      ++others;
      const DigitCells cells = board::ToCells(*other);
      EXPECT_EQ(solutions, 2);
      EXPECT_NE(cells, board::ToCells(known));
      EXPECT_EQ(CountSolutions(cells).solutions, 1);
      for (std::size_t slot = 0; slot < cells.size(); ++slot) EXPECT_EQ(cells[slot].Bits() & ~grids[k][slot].Bits(), 0);
    }
  }
  EXPECT_GT(others, 0);
}

// A grid of candidates whose contradiction shows only deep down, where the
// counter's search runs long and changes how it narrows and splits: five
// cells of box 3 hold exactly five digits, so box 1 can give row 1 at most
// one of them and row 1 cannot hold all five. As given it has no solution;
// with box 1 left open, or box 3, it has many.
TEST(CountingTest, ALongSearchFindsWhatBacktrackingFinds) {
  const std::string kBand =
      ".,.,.,.,.,.,.,.,.,.,24568,245689,.,.,.,24568,24568,24568,245689,24568,245689,.,.,.,.,24568,24568,"
      ".,.,.,.,.,.,1489,.,.,24568,24568,24568,2456,.,.,.,.,.";
  DigitCells band;
  band.fill(kAllDigits);
  std::size_t p = 0;
  for (std::size_t at = 0; at <= kBand.size(); ++p) {
    const std::size_t end = std::min(kBand.find(',', at), kBand.size());
    unsigned bits = 0;
    for (std::size_t k = at; k < end; ++k) bits |= kBand[k] == '.' ? 0U : 1U << (kBand[k] - '1');
    if (bits != 0) band[kSlotOfPosition[p]] = DigitSet::FromBits(static_cast<std::uint16_t>(bits));
    at = end + 1;
  }
  EXPECT_EQ(CountSolutions(band).solutions, 0);
  for (const int box : {1, 3}) {
    DigitCells open = band;
    for (const CellIndex c : Unit(UnitKind::Box, static_cast<UnitNumber>(box))) {
      open[static_cast<std::size_t>(c - 1)] = kAllDigits;
    }
    EXPECT_EQ(CountSolutions(open).solutions, Reference(open).Count().solutions) << "box " << box;
  }
}

}  // namespace
}  // namespace noralim
