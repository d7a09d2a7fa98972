// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Singles on a puzzle whose solution is known, which the generator's judges
// ask of one grid's clue patterns many times over. The singles are sound, so
// no cell ever loses its own digit: a cell is settled or open, and a digit
// is described by its rivals, the open cells where it can still go but the
// solution has another digit. An open cell in which no digit is a rival is
// a naked single; a unit in which a digit has no rival gives that digit's
// cell there as a hidden single. A round finds all of them at once, with no
// count of candidates and no digit read back from the boards. What it
// settles is what Propagate settles: the singles reach the same closure in
// any order.
#pragma once

#include "boards/board.h"
#include "boards/randomgrid.h"

namespace noralim::board {

class KnownSingles {
 public:
  // `solution`: the grid's digit boards; `digits`: the same grid by cell;
  // `clues`: cells of it. Both grids must outlive this.
  KnownSingles(const Grid& solution, const GridDigits& digits, Board clues);

  // Settles the singles of boxes, or of every unit, until none is left or
  // every cell of `until` is settled. Whether they all are.
  bool Close(Singles singles, Board until = kAll);

  [[nodiscard]] bool AllSettled() const { return !Any(kAll & ~settled_); }

  // The node Propagate leaves at the same closure, once Close has ended
  // with none left: each digit's candidates its own cells and its rivals,
  // the settled cells done, no digit stale.
  [[nodiscard]] Node Closure() const;

 private:
  template <Singles kSingles>
  bool CloseWith(Board until);
  // The cells just settled go from every digit's rivals, and each one's
  // digit from the rivals among its peers.
  void Settle(Board cells);

  const Grid* solution_;
  const GridDigits* digits_;
  Grid rivals_{};
  Board settled_ = {};
  unsigned stale_ = kNine;  // digits whose rivals changed since their hidden singles were looked for
  Singles singles_ = Singles::Boxes;
};

}  // namespace noralim::board
