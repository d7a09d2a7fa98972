// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The three unit passes: box, column and row.
//
// Every pass reads each text through the grid at the moment it uses it and
// holds no text across a write of its own, because a write can process
// pending events and the user may have changed any cell by the time it
// returns. Which cells are read, and where SetCellText is called (also when
// the text does not change), is the observable behaviour of a pass: every
// write shows in the window.
#pragma once

#include "solver/cellgrid.h"
#include "solver/geometry.h"
#include "solver/textgrid.h"

namespace noralim {

namespace detail {

// The text a pass narrows for a target: its own text, or every digit when empty.
template <class Text>
Text WorkingString(Text cell) {
  return Length(cell) == 0 ? Text(TextConstants<Text>::Full()) : cell;
}

// Removes from w every value settled in one of the cells, skipping `except`.
template <TextGrid G>
typename G::Text RemoveSettled(const G& grid, typename G::Text w, const UnitCells& cells, CellIndex except) {
  for (const CellIndex c : cells) {
    if (c == except) continue;
    const typename G::Text t = grid.GetCellText(c);
    if (Length(t) == 1) w = RemoveAll(std::move(w), t);
  }
  return w;
}

// Column and row passes: elimination only, settled targets are not written.
// The target is among the cells it removes from (its own test changes nothing
// written: an unsettled target has no one-character text to remove).
template <TextGrid G>
void SolveLine(G& grid, const UnitCells& cells) {
  for (const CellIndex target : cells) {
    auto w = RemoveSettled(grid, WorkingString(grid.GetCellText(target)), cells, 0);
    if (Length(grid.GetCellText(target)) != 1) grid.SetCellText(target, w);
  }
}

}  // namespace detail

// Box pass: elimination writes all nine cells (so a value settled twice loses
// its lower-indexed copies), then each digit that only one cell of the box
// can hold is written there.
template <TextGrid G>
void SolveBox(G& grid, UnitNumber n) {
  using Text = typename G::Text;
  const UnitCells& box = Unit(UnitKind::Box, n);
  for (const CellIndex k : box) {
    grid.SetCellText(k, detail::RemoveSettled(grid, detail::WorkingString(grid.GetCellText(k)), box, k));
  }
  for (int d = 1; d <= 9; ++d) {
    const Text digit = TextConstants<Text>::Digit(d);
    int count = 0;
    CellIndex last = 0;
    for (const CellIndex i : box) {
      if (ContainsText(grid.GetCellText(i), digit)) {
        ++count;
        last = i;
      }
    }
    if (count == 1) grid.SetCellText(last, digit);
  }
}

// Column pass for column n (1 to 9, left to right).
template <TextGrid G>
void SolveColumn(G& grid, UnitNumber n) {
  detail::SolveLine(grid, Unit(UnitKind::Column, n));
}

// Row pass for row n (1 to 9, top to bottom).
template <TextGrid G>
void SolveRow(G& grid, UnitNumber n) {
  detail::SolveLine(grid, Unit(UnitKind::Row, n));
}

// The passes over the general grid, compiled once in the library.
extern template void SolveBox<CellGrid>(CellGrid&, UnitNumber);
extern template void SolveColumn<CellGrid>(CellGrid&, UnitNumber);
extern template void SolveRow<CellGrid>(CellGrid&, UnitNumber);

}  // namespace noralim
