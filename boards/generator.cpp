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
#include <cstdlib>
#include <vector>

#include "boards/counting.h"
#include "boards/random.h"
#include "boards/randomgrid.h"

namespace noralim {
namespace {

// The moves tried on one grid before a new one starts.
constexpr int kMovesPerGrid = 200;
// The most orbits a move puts back.
constexpr int kMaxAdds = 16;

class Search {
 public:
  Search(std::uint64_t seed, const PuzzleOrder& order)
      : random_(seed), order_(order), orbits_(OrbitsOf(order.symmetry)) {}

  GeneratedPuzzle Run() {
    for (;;) {
      grid_ = RandomGrid(random_);
      given_.assign(orbits_.size(), true);
      level_ = Level::Calc;
      Dig();
      for (int move = 0;; ++move) {
        if (Fits()) return Result();
        if (move == kMovesPerGrid) break;
        Move();
        // At the rung after a move within it: dug in full, and checked again.
        if (Capped() && Fits()) Dig();
      }
    }
  }

 private:
  // The puzzle's cells: the grid's digit where a clue is, every digit elsewhere.
  [[nodiscard]] DigitCells Cells() const {
    DigitCells cells;
    cells.fill(kAllDigits);
    for (std::size_t o = 0; o < orbits_.size(); ++o) {
      if (!given_[o]) continue;
      for (int k = 0; k < orbits_[o].size; ++k) {
        const int pos = orbits_[o].cells[static_cast<std::size_t>(k)];
        cells[kSlotOfPosition[pos]] = DigitSet::Of(grid_[pos]);
      }
    }
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
  [[nodiscard]] Verdict Judge() const {
    if (Capped()) {
      const std::optional<Level> level = RateWithin(Cells(), *order_.level);
      return {level.has_value(), level};
    }
    return {CountSolutions(Cells()).solutions == 1, std::nullopt};
  }
  [[nodiscard]] bool Capped() const { return order_.level && !order_.minimal && *order_.level != Level::Search; }

  // How far a level is from the rung asked for.
  [[nodiscard]] int Distance(Level level) const {
    return order_.level ? std::abs(static_cast<int>(level) - static_cast<int>(*order_.level)) : 0;
  }

  // Takes away every orbit of clues, in a random order, whose going leaves the
  // puzzle admissible: runs of them at once, a run twice as long after each
  // that could go and half as long after each that could not, down to one
  // orbit, which then stays. Then rates what is left.
  void Dig() {
    std::vector<int> order;
    for (std::size_t o = 0; o < orbits_.size(); ++o) {
      if (given_[o]) order.push_back(static_cast<int>(o));
    }
    random_.Shuffle(order.data(), static_cast<int>(order.size()));
    std::size_t run = 1;
    for (std::size_t next = 0; next < order.size();) {
      run = std::min(run, order.size() - next);
      for (std::size_t k = next; k < next + run; ++k) given_[order[k]] = false;
      if (Judge().admissible) {
        next += run;
        run *= 2;
        continue;
      }
      for (std::size_t k = next; k < next + run; ++k) given_[order[k]] = true;
      if (run == 1) ++next;
      run = std::max<std::size_t>(1, run / 2);
    }
    level_ = *Rate(Cells()).level;
  }

  // A few orbits of clues put back, then the puzzle dug again; kept when it
  // is no farther from the rung. Within a rung, only the orbits put back and
  // as many others are tried again, in a random order, not every one as in
  // a full dig: a move then costs a few ratings, and the walk makes many.
  // Minimal puzzles need the full dig.
  void Move() {
    const std::vector<bool> before = given_;
    const Level level = level_;
    const int adds = 1 + random_.Below(kMaxAdds);
    std::vector<int> tried;
    for (int k = 0; k < adds; ++k) {
      const int to = Pick(false);
      const int other = Pick(true);
      if (to < 0 || other < 0) break;
      given_[to] = true;
      tried.insert(tried.end(), {to, other});
    }
    if (Capped()) {
      random_.Shuffle(tried.data(), static_cast<int>(tried.size()));
      for (const int o : tried) {
        if (!given_[o]) continue;
        given_[o] = false;
        if (!Judge().admissible) given_[o] = true;
      }
      level_ = *Rate(Cells()).level;
    } else {
      Dig();
    }
    if (Distance(level_) > Distance(level)) {
      given_ = before;
      level_ = level;
    }
  }

  // A random orbit with clues (or without); -1 when there is none.
  int Pick(bool given) {
    const auto count = std::count(given_.begin(), given_.end(), given);
    if (count == 0) return -1;
    int k = random_.Below(static_cast<int>(count));
    for (std::size_t o = 0; o < given_.size(); ++o) {
      if (given_[o] == given && k-- == 0) return static_cast<int>(o);
    }
    return -1;
  }

  [[nodiscard]] bool Fits() const {
    if (Distance(level_) != 0) return false;
    return !order_.minimal || Minimal();
  }

  // Whether every clue is needed: without any one of them, a second solution.
  [[nodiscard]] bool Minimal() const {
    DigitCells cells = Cells();
    for (DigitSet& cell : cells) {
      if (cell == kAllDigits) continue;
      const DigitSet held = cell;
      cell = kAllDigits;
      const bool needed = CountSolutions(cells).solutions > 1;
      cell = held;
      if (!needed) return false;
    }
    return true;
  }

  [[nodiscard]] GeneratedPuzzle Result() const {
    GeneratedPuzzle puzzle;
    const DigitCells cells = Cells();
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
  GridDigits grid_{};
  std::vector<bool> given_;  // by orbit
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
