// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solve and clear commands behind the window's two buttons.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

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

template <class Text>
std::size_t HashState(const GridState<Text>& state) {
  std::size_t h = 0;
  for (const Text& t : state) h = h * 1000003U ^ HashText(t);
  return h;
}

// The end states of the sweeps of one run. Hashes only narrow the search:
// a repeat is declared on equal texts, so a run that would settle is never
// cut short by a collision.
template <class Text>
class SweepHistory {
 public:
  [[nodiscard]] bool Contains(const GridState<Text>& state, std::size_t hash) const {
    for (std::size_t k = 0; k < hashes_.size(); ++k) {
      if (hashes_[k] == hash && states_[k] == state) return true;
    }
    return false;
  }
  void Add(GridState<Text> state, std::size_t hash) {
    hashes_.push_back(hash);
    states_.push_back(std::move(state));
  }

 private:
  std::vector<std::size_t> hashes_;
  std::vector<GridState<Text>> states_;
};

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

// Runs sweeps of box, column and row passes until a sweep changes nothing
// (or ends where an earlier sweep ended, see SolveEnd::Cycle). Each sweep:
// for n = 1 to 9, SolveBox(n), SolveColumn(n), SolveRow(n), then one
// processing of pending events; then all 81 texts are compared with the
// snapshot taken at the start of the sweep.
template <TextGrid G, class Services>
SolveResult RunSolve(G& grid, Services& window) {
  using Text = typename G::Text;
  window.SetMousePointer(MousePointer::Hourglass);
  window.SetCalcEnabled(false);
  const detail::IdleOnExit<Services> idle(window);

  detail::SweepHistory<Text> history;
  // Nothing runs between one sweep's comparison and the next sweep's
  // snapshot, so the texts read for the comparison are that snapshot.
  detail::GridState<Text> snapshot = ReadTexts(grid);
  for (int sweeps = 1;; ++sweeps) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      SolveBox(grid, n);
      SolveColumn(grid, n);
      SolveRow(grid, n);
      window.ProcessPendingEvents();
    }
    detail::GridState<Text> end = ReadTexts(grid);
    if (end == snapshot) return {sweeps, SolveEnd::Settled};
    const std::size_t hash = detail::HashState(end);
    if (history.Contains(end, hash)) return {sweeps, SolveEnd::Cycle};
    history.Add(end, hash);
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
