// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solve and clear commands behind the window's two buttons.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "solver/cellgrid.h"
#include "solver/passes.h"
#include "solver/solveresult.h"
#include "solver/textgrid.h"
#include "solver/windowservices.h"

namespace noralim {

namespace detail {
template <class Text>
using GridState = std::array<Text, kCellCount>;
}  // namespace detail

// Every text of a grid, cell 1 first.
template <TextGrid G>
detail::GridState<typename G::Text> ReadTexts(const G& grid) {
  detail::GridState<typename G::Text> state;
  for (CellIndex i = 1; i <= kCellCount; ++i) state[static_cast<std::size_t>(i - 1)] = grid.GetCellText(i);
  return state;
}

namespace detail {

// Puts the window back to idle ("Calc" enabled, then the default pointer)
// however the run ends, also when a service stops it with an exception.
template <class Services>
class IdleOnExit {
 public:
  explicit IdleOnExit(Services& window) : window_(window) {}
  IdleOnExit(const IdleOnExit&) = delete;
  IdleOnExit& operator=(const IdleOnExit&) = delete;
  ~IdleOnExit() {
    window_.SetCalcEnabled(true);
    window_.SetMousePointer(MousePointer::Default);
  }

 private:
  Services& window_;
};

}  // namespace detail

// Runs sweeps of box, column and row passes until a sweep changes nothing,
// or until a pass finds a contradiction, where the run ends at once. Each
// sweep: for n = 1 to 9, SolveBox(n), SolveColumn(n), SolveRow(n), then one
// processing of pending events; then all 81 texts are compared with the
// snapshot taken at the start of the sweep. No pass empties a cell, so the
// texts only ever lose characters and the run ends, unless someone keeps
// editing the grid meanwhile.
template <TextGrid G, class Services>
SolveResult RunSolve(G& grid, Services& window) {
  window.SetMousePointer(MousePointer::Hourglass);
  window.SetCalcEnabled(false);
  const detail::IdleOnExit<Services> idle(window);

  // Nothing runs between one sweep's comparison and the next sweep's
  // snapshot, so the texts read for the comparison are that snapshot.
  detail::GridState<typename G::Text> snapshot = ReadTexts(grid);
  for (int sweeps = 1;; ++sweeps) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      PassEnd found = SolveBox(grid, n);
      if (!found) found = SolveColumn(grid, n);
      if (!found) found = SolveRow(grid, n);
      if (found) return {sweeps, SolveEnd::Contradiction, *found};
      window.ProcessPendingEvents();
    }
    auto end = ReadTexts(grid);
    if (end == snapshot) return {sweeps, SolveEnd::Settled};
    snapshot = std::move(end);
  }
}

// Empties the 81 cells in index order; touches neither pointer nor buttons.
template <TextGrid G>
void ClearGrid(G& grid) {
  const typename G::Text empty{};
  for (CellIndex i = 1; i <= kCellCount; ++i) grid.SetCellText(i, empty);
}

// Button index of the window's command buttons.
inline constexpr std::int16_t kCalcButton = 0;
inline constexpr std::int16_t kClearButton = 1;

// The click handler of both buttons: index 0 ("Calc") solves, any other
// index ("Clear") empties the grid. Gives how a run ended.
std::optional<SolveResult> cmdExec_Click(std::int16_t index, CellGrid& grid, WindowServices& window);

extern template SolveResult RunSolve<CellGrid, WindowServices>(CellGrid&, WindowServices&);
extern template void ClearGrid<CellGrid>(CellGrid&);

}  // namespace noralim
