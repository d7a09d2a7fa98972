// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the passes and the sweep loop need of a grid and of its text type.
//
// The passes are written once, as templates over the grid. The window and the
// general headless path instantiate them over CellGrid (texts of any
// characters); the batch path over DigitGrid (texts that are ascending digit
// sets, held as bit masks). A text type provides, as free functions found by
// argument-dependent lookup, what TextGrid below checks: Length, RemoveAll
// (of a one-character text), ContainsText and equality; and a
// specialisation of TextConstants with Full() and Digit(d). Classify also
// needs IsDigitValue.
#pragma once

#include <concepts>
#include <cstddef>
#include <utility>

#include "solver/celltext.h"
#include "solver/geometry.h"

namespace noralim {

template <class Text>
struct TextConstants;

template <>
struct TextConstants<CellText> {
  static const CellText& Full() { return FullCandidateString(); }
  static CellText Digit(int d) { return DigitText(d); }
};

// One SetCellText call, as a grid records it for a write trace.
template <class Text>
using Write = std::pair<CellIndex, Text>;

template <class G>
concept TextGrid = requires(G& grid, const G& cgrid, CellIndex i, const typename G::Text& t) {
  typename G::Text;
  { cgrid.GetCellText(i) } -> std::convertible_to<typename G::Text>;
  grid.SetCellText(i, t);
  { Length(t) } -> std::convertible_to<std::size_t>;
  { RemoveAll(t, t) } -> std::convertible_to<typename G::Text>;
  { ContainsText(t, t) } -> std::same_as<bool>;
  { t == t } -> std::same_as<bool>;
};

}  // namespace noralim
