// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/knownsingles.h"

namespace noralim::board {
namespace {

// The units a board meets, as flags where the board keeps its cells: for
// each band, the columns (bits 0-8), the boxes (bits 0, 3 and 6) and the
// rows (bit 8 of each row's field, set when the row's field is not zero, as
// in Everywhere).
struct UnitsMet {
  Board columns;
  Board boxes;
  Board rows;
};
UnitsMet Met(Board x) {
  using band_rows::kLow, band_rows::kTop;
  const Board columns = (x | x >> 9 | x >> 18) & kNine;
  return {columns, (columns | columns >> 1 | columns >> 2) & kFirsts, (((x & kLow) + kLow) | x) & kTop};
}

// The cells of the rows whose flag is set.
Board OverRowFlags(Board rows) {
  Board fill = rows | rows >> 1;
  fill |= fill >> 2;
  fill |= fill >> 4;
  return fill | rows >> 8;
}

// A band's column flags for the columns met in any band.
Board InAnyBand(Board columns) {
  return columns | __builtin_shufflevector(columns, columns, 1, 2, 0, 3) |
         __builtin_shufflevector(columns, columns, 2, 0, 1, 3);
}

// The cells of the boxes (and unless kSingles is Boxes, of the rows and the
// columns) in which x has no cell; lane 3 may hold stray bits.
template <Singles kSingles>
Board EmptyUnits(Board x) {
  const UnitsMet met = Met(x);
  Board empty = OverBoxes(met.boxes ^ kFirsts);
  if constexpr (kSingles != Singles::Boxes) {
    empty |= OverRowFlags(met.rows ^ band_rows::kTop) | OverRows(InAnyBand(met.columns) ^ kNine);
  }
  return empty;
}

// The cells of the boxes, rows and columns that meet x.
Board UnitsMeeting(Board x) {
  const UnitsMet met = Met(x);
  return OverBoxes(met.boxes) | OverRowFlags(met.rows) | OverRows(InAnyBand(met.columns));
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
