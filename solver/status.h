// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What a grid's texts say about the puzzle once a run has ended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "solver/digitgrid.h"
#include "solver/geometry.h"
#include "solver/gridtexts.h"
#include "solver/solveresult.h"

namespace noralim {

enum class GridStatus : std::uint8_t {
  // The run stopped at a contradiction, a cell is empty, one unit holds the
  // same one-character text twice, or a unit has a digit that no cell of it
  // can hold.
  Invalid,
  // Every cell holds one digit 1 to 9.
  Solved,
  // Candidate strings are left.
  Open,
};

// What the final texts of a run say, given how it ended.
GridStatus Classify(const GridTexts& texts, SolveEnd end);
// The same for masks, by bit operations.
GridStatus Classify(const DigitCells& cells, SolveEnd end);

std::string_view StatusName(GridStatus status);

// Calls found(kind, n, a, b) for every two cells a < b of unit n of that
// kind, boxes first, that hold the same one-character text, until it
// returns true: the repeats that make a grid invalid.
template <class Found>
void ForEachRepeat(const GridTexts& texts, Found&& found) {
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      const UnitCells& cells = Unit(kind, n);
      for (std::size_t a = 0; a < cells.size(); ++a) {
        const CellText& first = texts[static_cast<std::size_t>(cells[a] - 1)];
        if (first.size() != 1) continue;
        for (std::size_t b = a + 1; b < cells.size(); ++b) {
          if (texts[static_cast<std::size_t>(cells[b] - 1)] == first && found(kind, n, cells[a], cells[b])) return;
        }
      }
    }
  }
}

}  // namespace noralim
