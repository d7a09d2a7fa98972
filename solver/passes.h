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
//
// A pass never writes an empty text. A target whose working string comes out
// empty (its value settled again elsewhere in the unit, or every one of its
// candidates settled elsewhere) is a contradiction in the givens: the pass
// stops there, before that write, and reports it; every earlier write stays.
#pragma once

#include <optional>

#include "solver/cellgrid.h"
#include "solver/geometry.h"
#include "solver/solveresult.h"
#include "solver/textgrid.h"

namespace noralim {

// What a pass reports: nothing, or the contradiction at which it stopped.
using PassEnd = std::optional<Contradiction>;

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

// The contradiction of a target that would come out empty: for a settled
// target, the first other cell of the unit holding the same value.
template <TextGrid G>
Contradiction ContradictionAt(const G& grid, UnitKind kind, UnitNumber n, CellIndex target) {
  Contradiction found{target, 0, kind, n};
  const typename G::Text value = grid.GetCellText(target);
  if (Length(value) != 1) return found;
  for (const CellIndex c : Unit(kind, n)) {
    if (c != target && grid.GetCellText(c) == value) {
      found.other = c;
      break;
    }
  }
  return found;
}

// Column and row passes: elimination only, settled targets are not written.
// The target is among the cells it removes from (its own test changes nothing
// written: an unsettled target has no one-character text to remove).
template <TextGrid G>
PassEnd SolveLine(G& grid, UnitKind kind, UnitNumber n) {
  const UnitCells& cells = Unit(kind, n);
  for (const CellIndex target : cells) {
    auto w = RemoveSettled(grid, WorkingString(grid.GetCellText(target)), cells, 0);
    if (Length(grid.GetCellText(target)) == 1) continue;
    if (Length(w) == 0) return ContradictionAt(grid, kind, n, target);
    grid.SetCellText(target, w);
  }
  return std::nullopt;
}

}  // namespace detail

// Box pass: elimination writes all nine cells, then each digit that only one
// cell of the box can hold is written there. A value settled twice in the box
// empties the working string of its first copy: a contradiction.
template <TextGrid G>
PassEnd SolveBox(G& grid, UnitNumber n) {
  using Text = typename G::Text;
  const UnitCells& box = Unit(UnitKind::Box, n);
  for (const CellIndex k : box) {
    auto w = detail::RemoveSettled(grid, detail::WorkingString(grid.GetCellText(k)), box, k);
    if (Length(w) == 0) return detail::ContradictionAt(grid, UnitKind::Box, n, k);
    grid.SetCellText(k, w);
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
  return std::nullopt;
}

// Column pass for column n (1 to 9, left to right).
template <TextGrid G>
PassEnd SolveColumn(G& grid, UnitNumber n) {
  return detail::SolveLine(grid, UnitKind::Column, n);
}

// Row pass for row n (1 to 9, top to bottom).
template <TextGrid G>
PassEnd SolveRow(G& grid, UnitNumber n) {
  return detail::SolveLine(grid, UnitKind::Row, n);
}

// The passes over the general grid, compiled once in the library.
extern template PassEnd SolveBox<CellGrid>(CellGrid&, UnitNumber);
extern template PassEnd SolveColumn<CellGrid>(CellGrid&, UnitNumber);
extern template PassEnd SolveRow<CellGrid>(CellGrid&, UnitNumber);

}  // namespace noralim
