// What a grid's texts say about the puzzle once a run has ended.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "celltext.h"
#include "geometry.h"
#include "solve.h"

namespace noralim {

enum class GridStatus : std::uint8_t {
  // The run ended by the repeat rule.
  Cycle,
  // A cell is empty, or one unit holds the same one-character text twice.
  Invalid,
  // Every cell holds one digit 1 to 9.
  Solved,
  // Candidate strings are left.
  Open,
};

using GridTexts = std::array<CellText, kCellCount>;

// Texts indexed by cell index - 1.
GridStatus Classify(const GridTexts& texts, SolveEnd end);

std::string_view StatusName(GridStatus status);

}  // namespace noralim
