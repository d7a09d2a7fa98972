// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The rating: the ladder on a sink that only collects, per digit, the cells
// that lose it, then the solution counter where the ladder stalls.
#include "solver/rating.h"

#include <array>

#include "solver/ladderpatterns.h"

namespace noralim {
namespace ladder {

// Rows straight from the bands; a box's three rows of three from the band,
// all three bands at once:
//
//   band bits  ...  20 19 18 | ... 11 10 9 | ... 2 1 0   (box 1 of the band)
//   places          8  7  6  |     5  4  3 |     2 1 0
//
// columns and the cells' candidates by turning rows over (Transpose9).
UnitTables MakeUnitTables(const Grid& g) {
  UnitTables t;
  std::array<std::array<std::uint16_t, 9>, 9> rows{};  // [digit][row]
  for (int d = 0; d < 9; ++d) {
    for (int k = 0; k < 3; ++k) {
      const Board x = g[d] >> (3 * k);
      const Board box = (x & 07) | ((x >> 6) & 070) | ((x >> 12) & 0700);
      const Board row = (g[d] >> (9 * k)) & board::kNine;
      for (int b = 0; b < 3; ++b) {
        t.places[board::UnitIndex(UnitKind::Box, 3 * b + k)][d] = static_cast<std::uint16_t>(box[b]);
        rows[d][3 * b + k] = static_cast<std::uint16_t>(row[b]);
        t.places[board::UnitIndex(UnitKind::Row, 3 * b + k)][d] = static_cast<std::uint16_t>(row[b]);
      }
    }
    const std::array<std::uint16_t, 9> columns = board::Transpose9(rows[d]);
    for (int c = 0; c < 9; ++c) t.places[board::UnitIndex(UnitKind::Column, c)][d] = columns[c];
  }
  for (int r = 0; r < 9; ++r) {
    const std::array<std::uint16_t, 9> masks = board::Transpose9(t.places[board::UnitIndex(UnitKind::Row, r)]);
    for (int c = 0; c < 9; ++c) t.mask[9 * r + c] = masks[c];
  }
  return t;
}

}  // namespace ladder

namespace {

using board::Board;
using board::Grid;

// Per digit, the cells that lose it and the cells it is placed in.
class MaskSink {
 public:
  void Place(Technique /*technique*/, int d, Board cells) { place_[d] |= cells; }

  template <class Describe>
  void Remove(Technique /*technique*/, Board cells, unsigned digits, Describe&& /*describe*/) {
    for (; digits != 0; digits &= digits - 1) remove_[std::countr_zero(digits)] |= cells;
  }

  // Takes every report at once: a placement keeps only its digit in its
  // cell (a cell given two digits keeps neither), a removal clears its bits.
  // The digits that lost a cell.
  unsigned ApplyTo(Grid& g) const {
    Board placed = {};
    for (const Board b : place_) placed |= b;
    unsigned changed = 0;
    for (int d = 0; d < 9; ++d) {
      const Board next = g[d] & ~remove_[d] & ~(placed & ~place_[d]);
      if (board::Any(next ^ g[d])) changed |= 1U << d;
      g[d] = next;
    }
    return changed;
  }

 private:
  std::array<Board, 9> place_{};
  std::array<Board, 9> remove_{};
};

// The rating's ladder on one grid.
//
// Level 1 is closed here by propagation, not pass by pass: each newly
// settled cell clears its peers at once, and box singles are looked for
// again only in digits that lost a cell. On a grid with a solution both rules
// only ever remove what no solution uses and stay true once true, so any
// order reaches the same closure; on one without, the rating is none either
// way. Levels 2 and up take all their steps at once, as StepsOf finds them.
class Ladder {
 public:
  explicit Ladder(const Grid& g) : g_(g) {}

  // Level 1 until it changes nothing. False when a cell has become empty.
  bool Calc() {
    for (;;) {
      if (!ClearSettledPeers()) return false;
      const Board settled = board::Settled(board::Cover(g_));
      unsigned changed = 0;
      for (unsigned rest = stale_; rest != 0; rest &= rest - 1) {
        const int d = std::countr_zero(rest);
        const Board alone = board::AloneInBox(g_[d]) & ~settled;
        if (!board::Any(alone)) continue;
        for (int e = 0; e < 9; ++e) {
          if (e != d && board::Any(g_[e] & alone)) {
            g_[e] &= ~alone;
            changed |= 1U << e;
          }
        }
      }
      stale_ = 0;
      if (!Changed(changed)) return true;
      Used(Level::Calc);
    }
  }

  // Takes the steps of the lowest level from 2 to 8 that has any. False when none has.
  bool Climb() {
    MaskSink singles;
    ladder::FindSingles(g_, Scope(Level::Singles), singles);
    if (Changed(singles.ApplyTo(g_))) return Used(Level::Singles);
    const ladder::UnitTables t = ladder::MakeUnitTables(g_);
    for (int level = static_cast<int>(Level::Locked); level <= static_cast<int>(Level::Wings); ++level) {
      MaskSink sink;
      ladder::FindAbove(static_cast<Level>(level), t, Scope(static_cast<Level>(level)), sink);
      if (Changed(sink.ApplyTo(g_))) return Used(static_cast<Level>(level));
    }
    return false;
  }

  [[nodiscard]] bool AllSettled() const { return !board::Any(board::kAll & ~done_); }
  [[nodiscard]] const Grid& Cells() const { return g_; }
  [[nodiscard]] Level Highest() const { return highest_; }

 private:
  // Newly settled cells clear their digit from their peers, until no cell
  // settles any more. False on an empty cell.
  bool ClearSettledPeers() {
    for (;;) {
      const board::Coverage c = board::Cover(g_);
      if (board::Any(board::kAll & ~c.once)) return false;
      const Board fresh = board::Settled(c) & ~done_;
      if (!board::Any(fresh)) return true;
      done_ |= fresh;
      unsigned lost = 0;
      for (int d = 0; d < 9; ++d) {
        if (!board::Any(fresh & g_[d])) continue;
        Board peers = {};
        board::ForEachCell(fresh & g_[d], [&](int pos) { peers |= board::PeerBoard(pos); });
        if (!board::Any(peers & g_[d])) continue;
        g_[d] &= ~peers;
        lost |= 1U << d;
      }
      if (Changed(lost)) Used(Level::Calc);
    }
  }

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

  // Marks digits that lost a cell. Whether there are any.
  bool Changed(unsigned digits) {
    stale_ |= digits;
    lost_ |= digits;
    return digits != 0;
  }

  bool Used(Level level) {
    highest_ = std::max(highest_, level);
    return true;
  }

  Grid g_;
  Board done_ = {};         // settled cells whose digit has gone from their peers
  unsigned stale_ = 0x1FF;  // digits that lost a cell since their box singles were placed
  unsigned lost_ = 0;       // digits that lost a cell, not yet in unseen_
  // By level: digits that lost a cell since the level last searched them.
  std::array<unsigned, kLevelCount + 1> unseen_ = {0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF};
  Level highest_ = Level::Calc;
};

}  // namespace

std::string_view LevelName(Level level) {
  static constexpr std::array<std::string_view, kLevelCount> kNames = {
      "calc", "singles", "locked", "pairs", "triples", "quads", "fish", "wings", "search"};
  return kNames[static_cast<std::size_t>(level) - 1];
}

Level LevelOf(Technique technique) {
  static constexpr std::array<Level, 17> kLevels = {
      Level::Calc,  Level::Calc,    Level::Singles, Level::Singles, Level::Locked, Level::Locked,
      Level::Pairs, Level::Pairs,   Level::Triples, Level::Triples, Level::Quads,  Level::Quads,
      Level::Fish,  Level::Fish,    Level::Fish,    Level::Wings,   Level::Wings};
  return kLevels[static_cast<std::size_t>(technique)];
}

// A digit with no place left in some unit ends the ladder no sooner than
// an empty cell: the grid cannot then be settled (a settled grid that level 1
// leaves alone is a solution), so the ladder stalls or empties a cell later,
// and the counter finds no solution either way.
Rating Rate(const DigitCells& cells) {
  Ladder ladder(board::FromCells(cells));
  for (;;) {
    if (!ladder.Calc()) return {};
    if (ladder.AllSettled()) return {1, ladder.Highest(), board::ToCells(ladder.Cells())};
    if (!ladder.Climb()) break;
  }
  Grid solution{};
  Rating rating;
  rating.solutions = board::CountUpToTwo(ladder.Cells(), &solution);
  if (rating.solutions == 1) {
    rating.level = Level::Search;
    rating.solution = board::ToCells(solution);
  }
  return rating;
}

}  // namespace noralim
