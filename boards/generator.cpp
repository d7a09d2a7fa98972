// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The generator: a random solution grid, its clues dug out orbit by orbit in
// a random order while the puzzle keeps one solution and stays within the
// rung asked for, then a walk through nearby clue patterns of the same grid
// (a few orbits of clues put back, then dug again in another order) that
// never moves away from the rung, until the puzzle is there. Only after many
// moves without reaching it does a new grid start.
#include "boards/generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <span>
#include <vector>

#include "boards/board.h"
#include "boards/knownsingles.h"
#include "boards/ladder.h"
#include "boards/random.h"
#include "boards/randomgrid.h"
#include "boards/unavoidable.h"

namespace noralim {
namespace {

using board::Board;
using board::Grid;

// Which orbits hold clues, and their cells.
class Clues {
 public:
  Clues(std::size_t orbits, const std::vector<Board>& orbit_cells) : orbit_cells_(&orbit_cells) {
    for (std::size_t o = 0; o < orbits; ++o) all_[o / 64] |= std::uint64_t{1} << (o % 64);
  }

  void PutAll() {
    held_ = all_;
    cells_ = board::kAll;
  }
  [[nodiscard]] bool Has(int o) const { return (held_[Word(o)] >> (o % 64) & 1U) != 0; }
  void Put(int o) {
    if (Has(o)) return;
    held_[Word(o)] |= std::uint64_t{1} << (o % 64);
    cells_ |= (*orbit_cells_)[static_cast<std::size_t>(o)];
  }
  void Take(int o) {
    if (!Has(o)) return;
    held_[Word(o)] &= ~(std::uint64_t{1} << (o % 64));
    cells_ &= ~(*orbit_cells_)[static_cast<std::size_t>(o)];
  }
  [[nodiscard]] Board Cells() const { return cells_; }

  // The orbits with clues (or without), ascending.
  [[nodiscard]] std::array<std::uint64_t, 2> Orbits(bool held) const {
    return held ? held_ : std::array<std::uint64_t, 2>{all_[0] & ~held_[0], all_[1] & ~held_[1]};
  }

 private:
  static std::size_t Word(int o) { return static_cast<std::size_t>(o / 64); }

  const std::vector<Board>* orbit_cells_;
  std::array<std::uint64_t, 2> all_{};
  std::array<std::uint64_t, 2> held_{};
  Board cells_ = {};
};

// The k-th (from 0) orbit of a set, or -1.
int NthOrbit(const std::array<std::uint64_t, 2>& orbits, int k) {
  for (int w = 0; w < 2; ++w) {
    std::uint64_t bits = orbits[static_cast<std::size_t>(w)];
    const int count = std::popcount(bits);
    if (k >= count) {
      k -= count;
      continue;
    }
    for (; k > 0; --k) bits &= bits - 1;
    return 64 * w + std::countr_zero(bits);
  }
  return -1;
}

// The moves tried on one grid before a new one starts: twice as many for
// quads, whose walk climbs for longer through pairs and triples (over 1,200
// quads from six seeds, 11 % less time; 400 moves do not help the other
// rungs, nor quads with central symmetry).
int MovesPerGrid(const PuzzleOrder& order) { return order.level == Level::Quads ? 400 : 200; }

// The most unavoidable sets learned on one grid.
constexpr int kMostLearned = 400;

// The units whose cells a move for quads puts no clue back into.
constexpr int kBarredUnits = 4;

// How many orbits a move puts back: from `least` to `most`, each as likely.
// Fish and quads want large moves: a fish is a pattern over several lines
// of one digit, and a quad needs a unit of eight open cells or more, which
// a clue or two moved seldom makes or breaks (over 300 fish, moves of 5 to
// 11 orbits took 17 % fewer instructions than moves of 1 to 11; over 900
// quads from three seeds, 15 % less time, and 15 % less over 80 with central
// symmetry). Pairs and triples do best with moves of middling size (3 to
// 8: over 9,000 pairs from three seeds, 8 % less time than 1 to 11, and
// over 900 triples 10 %; with central symmetry 9 % and 21 %, minimal 4 % and
// 18 %), the other rungs with moves of any size. A minimal puzzle's move
// digs in full, which larger moves make dearer for fish and quads.
struct MoveSize {
  int least;
  int most;
};
MoveSize AddsPerMove(const PuzzleOrder& order) {
  const std::optional<Level> level = order.level;
  if (level == Level::Pairs || level == Level::Triples) return {3, 8};
  if ((level == Level::Fish || level == Level::Quads) && !order.minimal) return {5, 11};
  return {1, 11};
}

// By position, the indices of the sets that hold the cell, at most
// kMostIndexed a cell: a set left out is only a judge not spared.
class SetsByCell {
 public:
  void Clear() { count_.fill(0); }
  void Add(Board set, std::size_t k) {
    board::ForEachCell(set, [&](int pos) {
      std::uint16_t& n = count_[static_cast<std::size_t>(pos)];
      if (n < kMostIndexed) at_[static_cast<std::size_t>(pos) * kMostIndexed + n++] = static_cast<std::uint16_t>(k);
    });
  }
  [[nodiscard]] std::span<const std::uint16_t> At(int pos) const {
    return {at_.get() + static_cast<std::size_t>(pos) * kMostIndexed, count_[static_cast<std::size_t>(pos)]};
  }

 private:
  static constexpr std::size_t kMostIndexed = 512;
  std::array<std::uint16_t, kCellCount> count_{};
  std::unique_ptr<std::uint16_t[]> at_ = std::make_unique_for_overwrite<std::uint16_t[]>(kCellCount * kMostIndexed);
};

class Search {
 public:
  Search(std::uint64_t seed, const PuzzleOrder& order)
      : random_(seed), order_(order), orbits_(OrbitsOf(order.symmetry)), given_(orbits_.size(), orbit_cells_) {
    for (const Orbit& orbit : orbits_) {
      Board cells = {};
      for (int k = 0; k < orbit.size; ++k) cells |= board::CellBoard(orbit.cells[static_cast<std::size_t>(k)]);
      orbit_cells_.push_back(cells);
    }
  }

  GeneratedPuzzle Run() {
    for (;;) {
      grid_ = RandomGrid(random_);
      digit_cells_ = DigitBoards(grid_);
      unavoidable_.clear();
      sets_at_.Clear();
      for (const Board set : UnavoidableSets(grid_)) AddUnavoidable(set);
      learned_ = 0;
      given_.PutAll();
      level_ = Level::Calc;
      Dig(Level::Calc);  // a full grid, and what the clues imply taken from it, rates calc
      barred_ =
          order_.level == Level::Quads ? OrbitsMeeting(EmptiestUnits(kBarredUnits)) : std::array<std::uint64_t, 2>{};
      for (int move = 0;; ++move) {
        if (Fits()) return Result();
        if (move == MovesPerGrid(order_)) break;
        Move();
        // At the rung after a move within it: dug in full, and checked again.
        if (Capped() && Fits()) Dig(level_);
      }
    }
  }

 private:
  // The puzzle's candidates: the grid's digit where a clue is, every digit
  // elsewhere.
  [[nodiscard]] Grid Cells() const {
    const Board given = given_.Cells();
    Grid cells;
    for (int d = 0; d < 9; ++d) cells[d] = (digit_cells_[d] & given) | (board::kAll & ~given);
    return cells;
  }

  // Whether the puzzle may be kept on the way: one solution, and a level at
  // most the rung asked for, unless minimal or for any rung (then only the
  // end result must meet it). The level, when the rung caps it; search caps
  // nothing that has one solution, which the counter alone tells sooner.
  struct Verdict {
    bool admissible = false;
    std::optional<Level> level;
  };
  // `taken` are the clues just taken away, and `before` the level of the
  // puzzle that had them, when known. When the other clues bring them back
  // by singles in boxes (or in every unit, when that puzzle needed more than
  // singles in boxes, as one with fewer clues then does too), the puzzle
  // closes to the grid it closed to before
  // (the rules only take candidates the solution does not use, so the order
  // they come in changes nothing) and keeps its level and its one solution:
  // the closure stops there, and no rating is needed. Otherwise the rating
  // starts from the closure, under singles in every unit once those in boxes
  // leave the grid open (it then needs them). The puzzle with the clues
  // always has one solution, the grid (clues are taken only while it
  // keeps one, and put back onto one), so a second solution of the puzzle
  // without them differs from the grid in one of them, and what singles
  // settle in it is the grid's (KnownSingles).
  Verdict Judge(Board taken, std::optional<Level> before) {
    if (MissesUnavoidableSet(taken)) return {};
    if (!Capped()) return {!Learn(given_.Cells(), taken), std::nullopt};
    // What the puzzle needs, as the one with the clues did, up to singles.
    // (Closing under pointing and claiming too would keep the level of a
    // few more without a rating, at a cost above what they save.)
    Level needs = before ? std::min(*before, Level::Singles) : Level::Calc;
    board::KnownSingles singles(digit_cells_, grid_, given_.Cells());
    const bool back = singles.Close(needs == Level::Singles ? board::Singles::AllUnits : board::Singles::Boxes,
                                    before ? taken : board::kAll);
    if (before && back) return {true, before};
    if (needs == Level::Calc && !singles.AllSettled() && *order_.level >= Level::Singles) {
      singles.Close(board::Singles::AllUnits);
      needs = Level::Singles;
    }
    std::optional<Grid> other;
    const std::optional<Level> level =
        ladder::RateWithin(singles.Closure(), *order_.level, digit_cells_, &other, taken, needs);
    if (other) Keep(*other);
    return {level.has_value(), level};
  }

  // Looks for a second solution of the puzzle of these clues; when there is
  // one, the cells where it differs from the grid are an unavoidable set,
  // kept for the judges to come. Whether there was one. Any second solution
  // differs from the grid in some cell of `taken`. (A judge capped by a
  // rung has the rating look, where it would climb above pointing and
  // claiming.)
  bool Learn(Board clues, Board taken) {
    board::KnownSingles singles(digit_cells_, grid_, clues);
    if (singles.Close(board::Singles::AllUnits)) return false;
    board::Node root = singles.Closure();
    Grid other;
    if (!board::CloseUnderLocked(root) || !board::AnotherSolution(root, digit_cells_, &other, taken)) return false;
    Keep(other);
    return true;
  }

  // Keeps the cells where another solution differs from the grid as one
  // more unavoidable set, while there is room: a puzzle with no clue among
  // them has that solution too.
  void Keep(const Grid& other) {
    if (learned_ == kMostLearned) return;
    Board differ = {};
    for (int d = 0; d < 9; ++d) differ |= other[d] ^ digit_cells_[d];
    AddUnavoidable(differ);
    ++learned_;
  }

  // Whether some unavoidable set has no clue, once the clues of `taken`
  // have gone from a puzzle that had a clue in each: then the puzzle has a
  // second solution, and the judge need not look. Only the sets that hold
  // a cell of `taken` can have lost their last clue.
  [[nodiscard]] bool MissesUnavoidableSet(Board taken) const {
    const Board clues = given_.Cells();
    bool missed = false;
    board::ForEachCell(taken, [&](int pos) {
      const std::span<const std::uint16_t> sets = sets_at_.At(pos);
      missed = missed || std::any_of(sets.begin(), sets.end(),
                                     [&](std::uint16_t k) { return !board::Any(unavoidable_[k] & clues); });
    });
    return missed;
  }

  void AddUnavoidable(Board set) {
    sets_at_.Add(set, unavoidable_.size());
    unavoidable_.push_back(set);
  }

  [[nodiscard]] bool Capped() const { return order_.level && !order_.minimal && *order_.level != Level::Search; }

  // How far a level is from the rung asked for.
  [[nodiscard]] int Distance(Level level) const {
    return order_.level ? std::abs(static_cast<int>(level) - static_cast<int>(*order_.level)) : 0;
  }

  // Takes away every orbit of clues, in a random order, whose going leaves the
  // puzzle admissible: first those the other clues imply, then the rest in
  // runs, a run twice as long after each that could go and half as long
  // after each that could not, down to one orbit, which then stays. `start`
  // is the puzzle's level, when known.
  void Dig(std::optional<Level> start) {
    std::vector<int> order;
    for (int o = 0; o < static_cast<int>(orbits_.size()); ++o) {
      if (given_.Has(o)) order.push_back(o);
    }
    random_.Shuffle(order.data(), static_cast<int>(order.size()));
    std::erase_if(order, [&](int o) { return TakeIfImplied(o); });
    std::optional<Level> level = start;
    std::size_t run = 1;
    for (std::size_t next = 0; next < order.size();) {
      run = std::min(run, order.size() - next);
      Board taken = {};
      for (std::size_t k = next; k < next + run; ++k) {
        given_.Take(order[k]);
        taken |= orbit_cells_[static_cast<std::size_t>(order[k])];
      }
      if (const Verdict verdict = Judge(taken, level); verdict.admissible) {
        level = verdict.level;
        next += run;
        run *= 2;
        continue;
      }
      for (std::size_t k = next; k < next + run; ++k) given_.Put(order[k]);
      if (run == 1) ++next;
      run = std::max<std::size_t>(1, run / 2);
    }
    level_ = level ? *level : *ladder::Rate(Cells()).level;
  }

  // Takes away the orbit's clues when the clues left imply each of them: every
  // other digit among the cell's peers, or every other cell of its box filled
  // by a clue left or seeing its digit among them. The first round of settled
  // cells or of hidden singles in boxes then puts them back, so the puzzle
  // keeps its solutions and its rating, and no judge is needed.
  bool TakeIfImplied(int o) {
    const Board rest = given_.Cells() & ~orbit_cells_[static_cast<std::size_t>(o)];
    bool implied = true;
    board::ForEachCell(orbit_cells_[static_cast<std::size_t>(o)], [&](int pos) {
      if (!implied) return;
      const Board peers = board::PeerBoard(pos) & rest;
      unsigned seen = 1U << (grid_[pos] - 1);
      for (int d = 0; d < 9; ++d) seen |= static_cast<unsigned>(board::Any(digit_cells_[d] & peers)) << d;
      if (seen == board::kNine) return;
      // Or the only cell of its box left to its digit.
      Board covered = rest | board::CellBoard(pos);
      board::ForEachCell(digit_cells_[grid_[pos] - 1] & rest, [&](int c) { covered |= board::PeerBoard(c); });
      implied = !board::Any(board::UnitBoard(board::UnitOf(pos, UnitKind::Box)) & ~covered);
    });
    if (implied) given_.Take(o);
    return implied;
  }

  // A few orbits of clues put back, then the puzzle dug again; kept when it
  // is no farther from the rung. Within a rung, only the orbits put back and
  // as many others are tried again, not every one as in a full dig: a move
  // then costs a few ratings, and the walk makes many. The others go first,
  // in a random order: none could go before the orbits came back, and the
  // walk moves only when some of them do; then the orbits put back, in a
  // random order. Minimal puzzles need the full dig.
  void Move() {
    const Clues before = given_;
    const Level level = level_;
    const MoveSize size = AddsPerMove(order_);
    const int adds = size.least + random_.Below(size.most - size.least + 1);
    std::vector<int> others;
    std::vector<int> added;
    for (int k = 0; k < adds; ++k) {
      const int to = Pick(false);
      const int other = Pick(true);
      if (to < 0 || other < 0) break;
      given_.Put(to);
      added.push_back(to);
      others.push_back(other);
    }
    if (Capped()) {
      TryAgainBarred(others);
      random_.Shuffle(others.data(), static_cast<int>(others.size()));
      random_.Shuffle(added.data(), static_cast<int>(added.size()));
      others.insert(others.end(), added.begin(), added.end());
      std::optional<Level> known;  // the puzzle's level once a judge has rated it
      for (const int o : others) {
        if (!given_.Has(o) || TakeIfImplied(o)) continue;
        given_.Take(o);
        if (const Verdict verdict = Judge(orbit_cells_[static_cast<std::size_t>(o)], known); verdict.admissible) {
          known = verdict.level;
        } else {
          given_.Put(o);
        }
      }
      level_ = known ? *known : *ladder::Rate(Cells()).level;
    } else {
      Dig(std::nullopt);
    }
    if (Distance(level_) > Distance(level)) {
      given_ = before;
      level_ = level;
    }
  }

  // Adds the orbits with clues among the barred ones to those a move tries
  // to take again, so that the units they meet empty as the walk goes.
  void TryAgainBarred(std::vector<int>& others) const {
    const std::array<std::uint64_t, 2> held = given_.Orbits(true);
    for (std::size_t w = 0; w < held.size(); ++w) {
      for (std::uint64_t bits = held[w] & barred_[w]; bits != 0; bits &= bits - 1) {
        const int o = static_cast<int>(64 * w) + std::countr_zero(bits);
        if (std::find(others.begin(), others.end(), o) == others.end()) others.push_back(o);
      }
    }
  }

  // The cells of the `count` units with the fewest clues, the first of
  // them on a tie.
  [[nodiscard]] Board EmptiestUnits(int count) const {
    std::array<int, board::kUnits> units{};
    std::iota(units.begin(), units.end(), 0);
    const auto clues = [&](int u) { return board::Count(board::UnitBoard(u) & given_.Cells()); };
    std::stable_sort(units.begin(), units.end(), [&](int a, int b) { return clues(a) < clues(b); });
    Board cells = {};
    for (int k = 0; k < count; ++k) cells |= board::UnitBoard(units[static_cast<std::size_t>(k)]);
    return cells;
  }

  // The orbits with a cell among the cells.
  [[nodiscard]] std::array<std::uint64_t, 2> OrbitsMeeting(Board cells) const {
    std::array<std::uint64_t, 2> orbits{};
    for (std::size_t o = 0; o < orbits_.size(); ++o) {
      if (board::Any(orbit_cells_[o] & cells)) orbits[o / 64] |= std::uint64_t{1} << (o % 64);
    }
    return orbits;
  }

  // A random orbit with clues (or without, and not barred); -1 when there is
  // none.
  int Pick(bool given) {
    std::array<std::uint64_t, 2> orbits = given_.Orbits(given);
    if (!given) {
      orbits[0] &= ~barred_[0];
      orbits[1] &= ~barred_[1];
    }
    const int count = std::popcount(orbits[0]) + std::popcount(orbits[1]);
    if (count == 0) return -1;
    return NthOrbit(orbits, random_.Below(count));
  }

  [[nodiscard]] bool Fits() {
    if (Distance(level_) != 0) return false;
    return !order_.minimal || Minimal();
  }

  // Whether every clue is needed: without any one of them, a second solution.
  [[nodiscard]] bool Minimal() {
    const Board clues = given_.Cells();
    bool minimal = true;
    board::ForEachCell(clues, [&](int pos) {
      if (!minimal) return;
      minimal = Learn(clues & ~board::CellBoard(pos), board::CellBoard(pos));
    });
    return minimal;
  }

  [[nodiscard]] GeneratedPuzzle Result() const {
    GeneratedPuzzle puzzle;
    const DigitCells cells = board::ToCells(Cells());
    for (int pos = 0; pos < kCellCount; ++pos) {
      const std::size_t slot = kSlotOfPosition[pos];
      puzzle.givens[slot] = cells[slot] == kAllDigits ? DigitSet() : cells[slot];
      puzzle.solution[slot] = DigitSet::Of(grid_[pos]);
    }
    puzzle.level = level_;
    return puzzle;
  }

  Random random_;
  const PuzzleOrder& order_;
  const std::vector<Orbit>& orbits_;
  std::vector<Board> orbit_cells_;  // by orbit
  Clues given_;
  Grid digit_cells_{};              // the grid's cells of each digit: the solution as candidates
  std::vector<Board> unavoidable_;  // of the grid, as UnavoidableSets finds them, then learned
  SetsByCell sets_at_;
  GridDigits grid_{};
  int learned_ = 0;  // sets learned on this grid
  // The orbits moves put no clue back into: for quads, those of the four
  // units with the fewest clues after the first dig. A quad takes something
  // the rungs below it cannot only in a unit with eight open cells or more
  // (in a unit of n open cells, a naked subset of k and the hidden subset of
  // the other n - k remove the same candidates), so the walk keeps a few
  // units nearly empty, and each move tries to take the clues still in
  // them. Over 450 quads (25 each of 18 seeds), the time fell by a third
  // with one unit barred, by another quarter with its clues tried on every
  // move, and by 42 % more with four units rather than one (two: 25 %,
  // three: 36 %, five: 47 % but slower with central symmetry, six: 32 %;
  // eight took 1.6 times as long).
  std::array<std::uint64_t, 2> barred_{};
  Level level_ = Level::Calc;
};

}  // namespace

GeneratedPuzzle Generate(std::uint64_t seed, const PuzzleOrder& order) { return Search(seed, order).Run(); }

// Derived seeds have 53 bits, which a JSON reader that keeps numbers as
// doubles keeps exact.
std::uint64_t PuzzleSeed(std::uint64_t run_seed, std::uint64_t index) {
  if (index == 0) return run_seed;
  std::uint64_t state = run_seed ^ (index * 0xD1B54A32D192ED03ULL);
  return SplitMix64(state) >> 11;
}

std::uint64_t NextSeed(std::uint64_t seed) { return SplitMix64(seed) >> 11; }

std::optional<Level> LevelNamed(std::string_view name) {
  for (int k = 1; k <= kLevelCount; ++k) {
    if (LevelName(static_cast<Level>(k)) == name) return static_cast<Level>(k);
  }
  return std::nullopt;
}

CanonicalGrid Canonical(const DigitCells& solution) {
  std::array<std::uint8_t, 10> label{};
  std::uint8_t next = 0;
  CanonicalGrid grid{};
  for (int pos = 0; pos < kCellCount; ++pos) {
    const int digit = DigitOf(solution[kSlotOfPosition[pos]]);
    if (label[digit] == 0) label[digit] = ++next;
    grid[pos] = label[digit];
  }
  return grid;
}

}  // namespace noralim
