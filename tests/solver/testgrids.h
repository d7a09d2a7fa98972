// Helpers that build grids for the solver tests from readable strings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "celltext.h"
#include "digitgrid.h"
#include "geometry.h"
#include "memorygrid.h"

namespace noralim::testing {

// A cell text from a UTF-8 literal.
inline CellText T(std::string_view utf8) { return DecodeUtf8(utf8).value(); }

// A grid from 81 row-major characters, '.' for an empty cell.
inline MemoryGrid FromRows(std::string_view rows) {
  std::array<CellText, kCellCount> texts{};
  for (int p = 0; p < kCellCount; ++p) {
    if (rows[p] != '.') texts[CellAtPosition(p) - 1] = CellText(1, static_cast<char32_t>(rows[p]));
  }
  return MemoryGrid(texts);
}

// The same grid as digit sets, for the compact grid.
inline std::array<DigitSet, kCellCount> DigitsFromRows(std::string_view rows) {
  std::array<DigitSet, kCellCount> cells{};
  for (int p = 0; p < kCellCount; ++p) {
    if (rows[p] != '.') cells[CellAtPosition(p) - 1] = DigitSet::Of(rows[p] - '0');
  }
  return cells;
}

// 81 row-major characters: the digit of a one-digit cell, '.' otherwise.
inline std::string ToRows(const MemoryGrid& grid) {
  std::string out;
  for (int p = 0; p < kCellCount; ++p) {
    const CellText t = grid.GetCellText(CellAtPosition(p));
    out.push_back(IsDigitValue(t) ? static_cast<char>(t[0]) : '.');
  }
  return out;
}

// The 28-given puzzle that propagation alone solves in seven sweeps.
inline constexpr std::string_view kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
inline constexpr std::string_view kTwentyEightSolved =
    "849713625175269384236458971713982546524136798968574213452391867381627459697845132";

// Contradictory givens on which the sweeps alternate and never settle.
inline constexpr std::string_view kCycling =
    "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

}  // namespace noralim::testing
