// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The rating: the ladder on a sink that only collects, per digit, the cells
// that lose it, then the solution counter where the ladder stalls.
#include "boards/rating.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "boards/ladderpatterns.h"

namespace noralim {
namespace ladder {

namespace {

// A board's cells as places in every unit (bit p: the unit's p-th cell),
// each given to store(unit, places). Rows straight from the bands; a box's
// three rows of three from the band, all three bands at once:
//
//   band bits  ...  20 19 18 | ... 11 10 9 | ... 2 1 0   (box 1 of the band)
//   places          8  7  6  |     5  4  3 |     2 1 0
//
// and columns by turning the rows over (Transpose9).
template <class Store>
void StoreUnitPlaces(Board cells, Store&& store) {
  std::array<std::uint16_t, 9> rows{};
  for (int k = 0; k < 3; ++k) {
    const Board x = cells >> (3 * k);
    const Board box = (x & 07) | ((x >> 6) & 070) | ((x >> 12) & 0700);
    const Board row = (cells >> (9 * k)) & board::kNine;
    for (int b = 0; b < 3; ++b) {
      store(board::UnitIndex(UnitKind::Box, 3 * b + k), static_cast<std::uint16_t>(box[b]));
      rows[3 * b + k] = static_cast<std::uint16_t>(row[b]);
    }
  }
  const std::array<std::uint16_t, 9> columns = board::Transpose9(rows);
  for (int n = 0; n < 9; ++n) {
    store(board::UnitIndex(UnitKind::Row, n), rows[n]);
    store(board::UnitIndex(UnitKind::Column, n), columns[n]);
  }
}

}  // namespace

std::array<std::uint16_t, board::kUnits> UnitPlaces(Board cells) {
  std::array<std::uint16_t, board::kUnits> places{};
  StoreUnitPlaces(cells, [&](int u, std::uint16_t p) { places[u] = p; });
  return places;
}

// Each digit's places in each unit; the cells' candidates by turning each
// row's places over, which are a row's cells and, gathered, a column's or a
// box's; the open cells, and those with more than two, three and four
// digits, from counting each cell's digits on the boards.
UnitTables MakeUnitTables(const Grid& g) {
  UnitTables t;
  for (int d = 0; d < 9; ++d) StoreUnitPlaces(g[d], [&](int u, std::uint16_t p) { t.places[u][d] = p; });
  for (int r = 0; r < 9; ++r) {
    const int row = board::UnitIndex(UnitKind::Row, r);
    t.cells[row] = board::Transpose9(t.places[row]);
    std::copy(t.cells[row].begin(), t.cells[row].end(), t.mask.begin() + std::ptrdiff_t{9} * r);
  }
  for (int u = 0; u < board::UnitIndex(UnitKind::Row, 0); ++u) {
    for (int i = 0; i < 9; ++i) t.cells[u][i] = t.mask[board::UnitPosition(u, i)];
  }
  // How many candidates each cell has, counted up to five, bit-sliced.
  std::array<Board, 5> at_least{};
  for (const Board b : g) {
    for (std::size_t k = at_least.size() - 1; k > 0; --k) at_least[k] |= at_least[k - 1] & b;
    at_least[0] |= b;
  }
  t.open = at_least[1];
  t.crowded = {at_least[2], at_least[3], at_least[4]};
  t.open_cells = UnitPlaces(t.open);
  return t;
}

}  // namespace ladder

namespace {

using board::Board;
using board::Grid;

// Per digit, the cells that lose it. The rating takes levels 3 and up
// through it, which only remove candidates (levels 1 and 2, the ones that
// place digits, are closed by propagation).
class MaskSink {
 public:
  template <class Describe>
  void Remove(Technique /*technique*/, Board cells, unsigned digits, Describe&& /*describe*/) {
    reported_ |= digits;
    for (; digits != 0; digits &= digits - 1) remove_[std::countr_zero(digits)] |= cells;
  }

  // Takes every removal at once. The digits that lost a cell.
  unsigned ApplyTo(Grid& g) const {
    unsigned changed = 0;
    for (unsigned rest = reported_; rest != 0; rest &= rest - 1) {
      const int d = std::countr_zero(rest);
      const Board next = g[d] & ~remove_[d];
      if (board::Any(next ^ g[d])) changed |= 1U << d;
      g[d] = next;
    }
    return changed;
  }

 private:
  std::array<Board, 9> remove_{};
  unsigned reported_ = 0;  // the digits of every report
};

// The rating's ladder on one grid.
//
// Levels 1 and 2 are closed by propagation, not pass by pass and level by
// level: each newly settled cell clears its peers at once, and hidden singles
// are looked for again only in digits that lost a cell. On a grid with a
// solution these rules only ever remove what no solution uses and stay true
// once true, so any order reaches the same closure; and the closure of level
// 1 alone decides between calc and anything higher, as the ladder tries
// level 2 exactly when level 1 alone does not settle the grid. On a grid
// with no solution the rating is none whatever the order. Levels 3 and up
// take all their steps at once, as StepsOf finds them.
class Ladder {
 public:
  // On a grid not known to have a solution, the first closure under rows
  // and columns, when it leaves the grid open, ends with a look for a digit
  // left with no place in some unit: a wrong given mostly shows by then,
  // and the grid ends before the ladder climbs and the counter searches.
  explicit Ladder(const Grid& g, bool has_solution = false) : has_solution_(has_solution) { node_.cand = g; }
  // `needs`: a level the grid is known to need at least (its closure under
  // the levels below does not settle it), calc or singles.
  Ladder(const board::Node& start, bool has_solution, Level needs = Level::Calc)
      : node_(start), has_solution_(has_solution), lines_(needs >= Level::Singles) {
    Used(needs);
  }

  // How the ladder ends: the grid settled, a cell emptied, or no level up
  // to the highest allowed has a step.
  enum class End : std::uint8_t { Settled, Empty, Stuck };

  End Run(Level highest) {
    for (;;) {
      if (!Close(highest)) return End::Empty;
      if (AllSettled()) return End::Settled;
      if (!Climb(highest)) return End::Stuck;
    }
  }

  // The level of the grid when the levels up to the highest settle it.
  std::optional<Level> LevelWithin(Level highest) {
    if (Run(highest) != End::Settled) return std::nullopt;
    return Highest();
  }

  // Closes the grid under level 1, or levels 1 and 2 once level 1 alone has
  // failed to settle it and level 2 is allowed. False on a contradiction.
  bool Close(Level highest) {
    node_.lost = 0;
    bool ok = board::Propagate(node_, lines_ ? board::Singles::AllUnits : board::Singles::Boxes);
    if (ok && !lines_ && !AllSettled() && highest >= Level::Singles) {
      lines_ = true;
      Used(Level::Singles);
      node_.stale = board::kNine;  // no row or column has been looked at yet
      ok = board::Propagate(node_, board::Singles::AllUnits);
      if (ok && !has_solution_ && !AllSettled()) {
        ok = std::all_of(node_.cand.begin(), node_.cand.end(), board::InEveryUnit);
      }
    }
    lost_ |= node_.lost;
    return ok;
  }

  // Takes the steps of the lowest level from 3 to 8, and at most `highest`,
  // that has any. False when none has.
  bool Climb(Level highest) {
    if (highest < Level::Locked) return false;
    return TakeLocked() || ClimbAboveLocked(highest);
  }

  // Takes the steps of level 3, if it has any, and those they lead to
  // (board::WithoutLocked): the ladder comes back to level 3 before any
  // level above it, so the same grid reaches level 4 either way.
  bool TakeLocked() {
    unsigned lost = 0;
    for (unsigned rest = Scope(Level::Locked).digits; rest != 0; rest &= rest - 1) {
      const int d = std::countr_zero(rest);
      const Board kept = board::WithoutLocked(node_.cand[d]);
      lost |= static_cast<unsigned>(board::Any(kept ^ node_.cand[d])) << d;
      node_.cand[d] = kept;
    }
    node_.stale |= lost;
    lost_ |= lost;
    return lost != 0 && Used(Level::Locked);
  }

  // Takes the steps of the lowest level from 4 to 8, and at most `highest`,
  // that has any.
  bool ClimbAboveLocked(Level highest) {
    const int top = std::min(static_cast<int>(highest), static_cast<int>(Level::Wings));
    if (top < static_cast<int>(Level::Pairs)) return false;
    const ladder::UnitTables t = ladder::MakeUnitTables(node_.cand);
    for (int level = static_cast<int>(Level::Pairs); level <= top; ++level) {
      MaskSink sink;
      ladder::FindAbove(static_cast<Level>(level), t, Scope(static_cast<Level>(level)), sink);
      if (Take(sink)) return Used(static_cast<Level>(level));
    }
    return false;
  }

  [[nodiscard]] bool AllSettled() const { return !board::Any(board::kAll & ~node_.done); }
  [[nodiscard]] const Grid& Cells() const { return node_.cand; }
  [[nodiscard]] const board::Node& Node() const { return node_; }
  [[nodiscard]] Level Highest() const { return highest_; }

 private:
  // The digits a level searches, marked as searched.
  ladder::Scope Scope(Level level) {
    if (lost_ != 0) {
      for (unsigned& unseen : unseen_) unseen |= lost_;
      lost_ = 0;
    }
    unsigned& unseen = unseen_[static_cast<std::size_t>(level)];
    const ladder::Scope scope{unseen, true};
    unseen = 0;
    return scope;
  }

  // Applies what the sink collected. Whether the grid changed.
  bool Take(const MaskSink& sink) {
    const unsigned lost = sink.ApplyTo(node_.cand);
    node_.stale |= lost;
    lost_ |= lost;
    return lost != 0;
  }

  bool Used(Level level) {
    highest_ = std::max(highest_, level);
    return true;
  }

  board::Node node_;
  bool has_solution_;
  bool lines_ = false;  // level 2 is in use
  unsigned lost_ = 0;   // digits that lost a cell, not yet in unseen_
  // By level: digits that lost a cell since the level last searched them.
  std::array<unsigned, kLevelCount + 1> unseen_ = {0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF,
                                                   0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF};
  Level highest_ = Level::Calc;
};

}  // namespace

std::string_view LevelName(Level level) {
  static constexpr std::array<std::string_view, kLevelCount> kNames = {"calc",  "singles", "locked", "pairs", "triples",
                                                                       "quads", "fish",    "wings",  "search"};
  return kNames[static_cast<std::size_t>(level) - 1];
}

Level LevelOf(Technique technique) {
  static constexpr std::array<Level, 17> kLevels = {
      Level::Calc,  Level::Calc,  Level::Singles, Level::Singles, Level::Locked, Level::Locked,
      Level::Pairs, Level::Pairs, Level::Triples, Level::Triples, Level::Quads,  Level::Quads,
      Level::Fish,  Level::Fish,  Level::Fish,    Level::Wings,   Level::Wings};
  return kLevels[static_cast<std::size_t>(technique)];
}

// A digit with no place left in some unit ends the ladder no sooner than
// an empty cell: the grid cannot then be settled (a settled grid that level 1
// leaves alone is a solution), so the ladder stalls or empties a cell later,
// and the counter finds no solution either way.
//
// The solutions are counted where levels 1 to 3 stall, so that the counter
// starts from the ladder's propagation instead of its own, and the levels
// above are climbed only on a grid with one solution: on others they are
// slow and tell nothing. The ladder's steps are the same either way, and so
// is the rating.
namespace ladder {
namespace {

Rating RateFrom(const board::Node& start) {
  Ladder ladder(start, /*has_solution=*/false);
  bool counted = false;
  Grid solution{};
  for (;;) {
    if (!ladder.Close(Level::Search)) return {};
    if (ladder.AllSettled()) return {1, ladder.Highest(), board::ToCells(ladder.Cells())};
    if (ladder.TakeLocked()) continue;
    if (!counted) {
      if (const int count = board::CountUpToTwo(ladder.Node(), &solution); count != 1) return {count, {}, {}};
      counted = true;
    }
    if (!ladder.ClimbAboveLocked(Level::Wings)) break;
  }
  return {1, Level::Search, board::ToCells(solution)};
}

}  // namespace

Rating Rate(const Grid& g) {
  board::Node start;
  start.cand = g;
  return RateFrom(start);
}

std::optional<Level> RateWithin(const Grid& g, Level highest) {
  if (highest == Level::Search) return Rate(g).level;
  return Ladder(g).LevelWithin(highest);
}

std::optional<Level> RateWithin(const board::Node& start, Level highest, const Grid& solution,
                                std::optional<Grid>* other, Board differ_in, Level needs) {
  if (highest < needs) return std::nullopt;
  if (highest == Level::Search) {
    const std::optional<Level> level = Rate(start.cand).level;
    return level ? std::max(*level, needs) : level;
  }
  Ladder ladder(start, /*has_solution=*/true, needs);
  if (highest < Level::Pairs) return ladder.LevelWithin(highest);
  for (bool searched = false;;) {
    if (!ladder.Close(highest)) return std::nullopt;
    if (ladder.AllSettled()) return ladder.Highest();
    if (ladder.TakeLocked()) continue;
    if (!searched) {
      searched = true;
      if (Grid found; board::AnotherSolution(ladder.Node(), solution, &found, differ_in)) {
        other->emplace(found);
        return std::nullopt;
      }
    }
    if (!ladder.ClimbAboveLocked(highest)) return std::nullopt;
  }
}

}  // namespace ladder

Rating Rate(const DigitCells& cells) { return ladder::Rate(board::FromCells(cells)); }

// Level 1 would settle no cell and clear no peer: the settled cells are
// done already and no digit is stale.
Rating RateCalcClosure(const DigitCells& cells) {
  board::Node start;
  start.cand = board::FromCells(cells);
  start.done = board::Settled(board::Cover(start.cand));
  start.stale = 0;
  return ladder::RateFrom(start);
}

std::optional<Level> RateWithin(const DigitCells& cells, Level highest) {
  return ladder::RateWithin(board::FromCells(cells), highest);
}

DigitCells OpenEmptyCells(DigitCells cells) {
  for (DigitSet& cell : cells) {
    if (cell == DigitSet()) cell = kAllDigits;
  }
  return cells;
}

}  // namespace noralim
