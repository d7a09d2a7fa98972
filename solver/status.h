// What a grid's texts say about the puzzle once a run has ended.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "solver/geometry.h"
#include "solver/gridtexts.h"
#include "solver/solveresult.h"

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

namespace detail {
template <class Text>
bool HasRepeatedValue(const std::array<Text, kCellCount>& texts) {
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      const UnitCells& cells = Unit(kind, n);
      for (std::size_t a = 0; a < cells.size(); ++a) {
        const Text& first = texts[static_cast<std::size_t>(cells[a] - 1)];
        if (Length(first) != 1) continue;
        for (std::size_t b = a + 1; b < cells.size(); ++b) {
          if (texts[static_cast<std::size_t>(cells[b] - 1)] == first) return true;
        }
      }
    }
  }
  return false;
}
}  // namespace detail

// Texts indexed by cell index - 1, of any text type the passes run on (one
// that also provides IsDigitValue), so the compact grid is classified from its
// masks without building strings.
template <class Text>
GridStatus Classify(const std::array<Text, kCellCount>& texts, SolveEnd end) {
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  bool solved = true;
  for (const Text& t : texts) {
    if (Length(t) == 0) return GridStatus::Invalid;
    solved = solved && IsDigitValue(t);
  }
  if (detail::HasRepeatedValue(texts)) return GridStatus::Invalid;
  return solved ? GridStatus::Solved : GridStatus::Open;
}

std::string_view StatusName(GridStatus status);

}  // namespace noralim
