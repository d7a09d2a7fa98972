// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/knownsingles.h"

namespace noralim::board {
namespace {

// The units a board meets, as flags where the board keeps its cells: for
// each band, the boxes (bits 0, 3 and 6), the columns met in any band (bits
// 0-8) and the rows (RowsHolding).
struct UnitsMet {
  Board boxes;
  Board columns;
  Board rows;
};
UnitsMet Met(Board x) {
  const Coverage band = ColumnCounts(x);
  return {BoxCounts(band).once, ColumnCountsOverBands(band).once, RowsHolding(x)};
}

// The cells of the boxes (and unless kSingles is Boxes, of the rows and the
// columns) in which x has no cell; lane 3 may hold stray bits.
template <Singles kSingles>
Board EmptyUnits(Board x) {
  const UnitsMet met = Met(x);
  Board empty = OverBoxes(met.boxes ^ kFirsts);
  if constexpr (kSingles != Singles::Boxes) {
    empty |= OverRowStarts((met.rows ^ band_rows::kTop) >> 8) | OverRows(met.columns ^ kNine);
  }
  return empty;
}

// The cells of the boxes, rows and columns that meet x.
Board UnitsMeeting(Board x) {
  const UnitsMet met = Met(x);
  return OverBoxes(met.boxes) | OverRowStarts(met.rows >> 8) | OverRows(met.columns);
}

}  // namespace

// The clues of a digit meet each unit at most once, so the units they meet
// are what they see: nine digits of shifts and masks, where the clues one
// by one would be a loop of twenty or more.
KnownSingles::KnownSingles(const Grid& solution, const GridDigits& digits, Board clues)
    : solution_(&solution), digits_(&digits), settled_(clues) {
  for (int d = 0; d < 9; ++d) rivals_[d] = kAll & ~clues & ~UnitsMeeting(clues & solution[d]) & ~solution[d];
}

void KnownSingles::Settle(Board cells) {
  for (int d = 0; d < 9; ++d) {
    const Board kept = rivals_[d] & ~cells;
    stale_ |= static_cast<unsigned>(Any(kept ^ rivals_[d])) << d;
    rivals_[d] = kept;
  }
  ForEachCell(cells, [&](int pos) {
    const int d = (*digits_)[pos] - 1;
    rivals_[d] &= ~PeerBoard(pos);
    stale_ |= 1U << d;
  });
}

bool KnownSingles::Close(Singles singles, Board until) {
  if (singles != singles_) stale_ = kNine;  // no row or column looked at yet
  singles_ = singles;
  return singles == Singles::Boxes ? CloseWith<Singles::Boxes>(until) : CloseWith<Singles::AllUnits>(until);
}

template <Singles kSingles>
bool KnownSingles::CloseWith(Board until) {
  while (Any(until & ~settled_)) {
    Board any = {};
    for (const Board r : rivals_) any |= r;
    Board fresh = kAll & ~any;
    for (; stale_ != 0; stale_ &= stale_ - 1) {
      const int d = std::countr_zero(stale_);
      fresh |= (*solution_)[d] & EmptyUnits<kSingles>(rivals_[d]);
    }
    fresh &= ~settled_;
    if (!Any(fresh)) return false;
    settled_ |= fresh;
    Settle(fresh);
  }
  return true;
}

Node KnownSingles::Closure() const {
  Node n;
  for (int d = 0; d < 9; ++d) n.cand[d] = (*solution_)[d] | rivals_[d];
  n.done = settled_;
  n.stale = 0;
  return n;
}

}  // namespace noralim::board
