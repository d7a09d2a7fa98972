// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The ladder's techniques that span several units: fish (level 7) and wings
// (level 8). The sink is the one of ladder.h.
#pragma once

#include "boards/ladder.h"

namespace noralim::ladder {

// The cells of the lines of one kind set in `lines` (bit n: line n + 1).
inline Board LinesBoard(UnitKind kind, unsigned lines) {
  Board b = {};
  for (; lines != 0; lines &= lines - 1) b |= board::UnitBoard(board::UnitIndex(kind, std::countr_zero(lines)));
  return b;
}

// The places of digit d in each line of a kind, bit p for the line's p-th cell.
inline std::array<std::uint16_t, 9> LinePlaces(const UnitTables& t, UnitKind kind, int d) {
  std::array<std::uint16_t, 9> places{};
  for (int n = 0; n < 9; ++n) places[n] = t.places[board::UnitIndex(kind, n)][d];
  return places;
}

// Fish of digit d on base lines of one kind; the cover lines are of the
// other kind. With m lines of each kind still open to d, the fish on k rows
// and the one on the other m - k columns remove the same candidates; so
// once the lower levels are done (no line holds d in one open cell), rows
// need only k <= m - 2 and columns only the k whose rows, m - k, are too
// many for a jellyfish.
template <class Sink>
void FindFishOn(const UnitTables& t, int d, UnitKind base, const Scope& scope, Sink& sink) {
  const UnitKind cover = base == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
  const std::array<std::uint16_t, 9> places = LinePlaces(t, base, d);
  unsigned open = 0;
  int most = 4;
  if (scope.lower_levels_done) {
    // Under the singles a line holds d in one cell where d is settled and
    // in two or more elsewhere, or in none on a grid with no solution, which
    // no removal settles. A line of more places than the fish has lines
    // ends its branch at once.
    for (int n = 0; n < 9; ++n) {
      const unsigned settled = places[n] & ~t.open_cells[board::UnitIndex(base, n)];
      open |= static_cast<unsigned>(settled == 0) << n;
    }
    most = std::min(most, board::Count9(open) - (base == UnitKind::Row ? 2 : 5));
  } else {
    open = WithTwoTo(places, 4);
  }
  const auto report = [&](unsigned lines, unsigned crossing) {
    const auto technique = static_cast<Technique>(static_cast<int>(Technique::XWing) + board::Count9(lines) - 2);
    sink.Remove(technique, LinesBoard(cover, crossing) & ~LinesBoard(base, lines), 1U << d, [=](Step& s) {
      Board cells = {};
      for (unsigned rest = lines; rest != 0; rest &= rest - 1) {
        const int n = std::countr_zero(rest);
        s.units.push_back(RefOf(board::UnitIndex(base, n)));
        cells |= board::PlacesBoard(board::UnitIndex(base, n), places[n]);
      }
      for (unsigned rest = crossing; rest != 0; rest &= rest - 1) {
        s.units.push_back(RefOf(board::UnitIndex(cover, std::countr_zero(rest))));
      }
      s.digits = DigitSet::Of(d + 1);
      s.cells = CellList(cells);
    });
  };
  switch (most) {
    case 2:
      ForEachCover<true, 2>(places, open, report);
      break;
    case 3:
      ForEachCover<true, 3>(places, open, report);
      break;
    case 4:
      ForEachCover<true, 4>(places, open, report);
      break;
    default:  // no fish of fewer than two lines
      break;
  }
}

// Level 7: X-wings, swordfish and jellyfish of every digit, rows over
// columns and columns over rows.
template <class Sink>
void FindFish(const UnitTables& t, const Scope& scope, Sink& sink) {
  for (unsigned rest = scope.digits; rest != 0; rest &= rest - 1) {
    FindFishOn(t, std::countr_zero(rest), UnitKind::Row, scope, sink);
    FindFishOn(t, std::countr_zero(rest), UnitKind::Column, scope, sink);
  }
}

// The cells with exactly two candidates, by their two digits and by each
// digit: a pincer of given digits is then one AND away.
class Bivalues {
 public:
  explicit Bivalues(const UnitTables& t) : all_(t.open & ~t.crowded[0]) {
    board::ForEachCell(all_, [&](int pos) {
      const unsigned pair = t.mask[pos];
      const Board cell = board::CellBoard(pos);
      by_pair_[PairIndex(pair)] |= cell;
      by_digit_[std::countr_zero(pair)] |= cell;
      by_digit_[std::countr_zero(pair & (pair - 1))] |= cell;
    });
  }
  [[nodiscard]] Board All() const { return all_; }
  // The cells whose candidates are exactly the two digits of `pair`.
  [[nodiscard]] Board With(unsigned pair) const { return by_pair_[PairIndex(pair)]; }
  // The cells with the one digit of `digit` (a single bit) among their two.
  [[nodiscard]] Board WithDigit(unsigned digit) const { return by_digit_[std::countr_zero(digit)]; }

 private:
  // Pairs {a < b} numbered by b * (b - 1) / 2 + a, 0 to 35.
  static int PairIndex(unsigned pair) {
    const int a = std::countr_zero(pair);
    const int b = 31 - std::countl_zero(pair);
    return b * (b - 1) / 2 + a;
  }
  std::array<Board, 36> by_pair_{};
  std::array<Board, 9> by_digit_{};
  Board all_ = {};
};

// A report of one wing: z goes from `cells`.
template <class Sink>
void ReportWing(Sink& sink, Technique technique, Board cells, const std::array<int, 3>& wing, unsigned digits,
                unsigned z) {
  sink.Remove(technique, cells, z, [=](Step& s) {
    s.digits = Digits(digits);
    for (const int pos : wing) s.cells.push_back(board::CellOfPosition(pos));
  });
}

// XY-wings on a pivot {x,y}: pincer a is {x,z} (x the lower pivot digit, so
// each wing is found once), pincer b is {y,z}; both see the pivot.
template <class Sink>
void FindXyWingsAt(const UnitTables& t, const Bivalues& pairs, int pivot, Sink& sink) {
  const Board near = board::PeerBoard(pivot);
  const unsigned m = t.mask[pivot];
  const unsigned x = m & (0 - m);
  const Board x_not_y = pairs.WithDigit(x) & ~pairs.WithDigit(m & ~x);
  board::ForEachCell(near & x_not_y, [&](int a) {
    const unsigned z = t.mask[a] & ~m;
    board::ForEachCell(near & pairs.With((m & ~x) | z), [&](int b) {
      ReportWing(sink, Technique::XyWing, board::PeerBoard(a) & board::PeerBoard(b), {pivot, a, b}, m | z, z);
    });
  });
}

// XYZ-wings on a pivot {x,y,z}: pincer a is {x,z}, pincer b {y,z}, x < y.
template <class Sink>
void FindXyzWingsAt(const UnitTables& t, const Bivalues& pairs, int pivot, Sink& sink) {
  const Board near = board::PeerBoard(pivot);
  const unsigned m = t.mask[pivot];
  const unsigned low = m & (0 - m);
  const unsigned high = std::bit_floor(m);
  const unsigned middle = m & ~low & ~high;
  const Board within = pairs.With(low | middle) | pairs.With(low | high) | pairs.With(middle | high);
  board::ForEachCell(near & within, [&](int a) {
    const unsigned y = m & ~t.mask[a];
    for (unsigned rest = t.mask[a]; rest != 0; rest &= rest - 1) {
      const unsigned z = rest & (0 - rest);
      if ((t.mask[a] & ~z) > y) continue;
      const Board seen = near & board::PeerBoard(a);
      board::ForEachCell(near & pairs.With(y | z), [&](int b) {
        ReportWing(sink, Technique::XyzWing, seen & board::PeerBoard(b), {pivot, a, b}, m, z);
      });
    }
  });
}

// Level 8: XY-wings and XYZ-wings on every pivot, a cell of two or three
// candidates.
template <class Sink>
void FindWings(const UnitTables& t, Sink& sink) {
  const Bivalues pairs(t);
  board::ForEachCell(pairs.All(), [&](int pivot) { FindXyWingsAt(t, pairs, pivot, sink); });
  board::ForEachCell(t.crowded[0] & ~t.crowded[1], [&](int pivot) { FindXyzWingsAt(t, pairs, pivot, sink); });
}

}  // namespace noralim::ladder

namespace noralim::ladder {

// The techniques of levels 4 to 8. Wings and subsets ignore scope.digits:
// they hang on several digits at once.
template <class Sink>
void FindAbove(Level level, const UnitTables& t, const Scope& scope, Sink& sink) {
  switch (level) {
    case Level::Pairs:
      FindSubsets<2>(t, scope, sink);
      break;
    case Level::Triples:
      FindSubsets<3>(t, scope, sink);
      break;
    case Level::Quads:
      FindSubsets<4>(t, scope, sink);
      break;
    case Level::Fish:
      FindFish(t, scope, sink);
      break;
    case Level::Wings:
      FindWings(t, sink);
      break;
    default:
      break;
  }
}

}  // namespace noralim::ladder
