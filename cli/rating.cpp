// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/rating.h"

#include "cli/output.h"

namespace noralim::cli {

Rating RatePuzzle(const DigitCells& givens) { return Rate(OpenEmptyCells(givens)); }

Rating RatePuzzle(const DigitCells& givens, const DigitCells& calculated, GridStatus status) {
  // Every deduction of a run is sound, so a run that comes to a
  // contradiction proves that the givens have no solution.
  if (status == GridStatus::Invalid) return {};
  // Every cell looked at, without a branch on each: whether a cell is given
  // follows no pattern a predictor can learn.
  unsigned changed = 0;
  for (std::size_t k = 0; k < givens.size(); ++k) {
    const unsigned given = givens[k].Bits();
    changed |= static_cast<unsigned>(given != 0) & static_cast<unsigned>(calculated[k].Bits() != given);
  }
  return changed != 0 ? RatePuzzle(givens) : Rate(calculated);
}

void AppendRatingPlain(const Rating& rating, std::string* out) {
  *out += ' ';
  out->push_back(static_cast<char>('0' + rating.solutions));
  *out += ' ';
  *out += rating.level ? LevelName(*rating.level) : "-";
  *out += ' ';
  if (rating.solution) {
    AppendPlainCells(*rating.solution, out);
  } else {
    *out += '-';
  }
}

void AppendRatingJson(const Rating& rating, std::string* out) {
  *out += ",\"solutions\":";
  out->push_back(static_cast<char>('0' + rating.solutions));
  *out += ",\"rating\":";
  if (rating.level) {
    *out += '"';
    *out += LevelName(*rating.level);
    *out += '"';
  } else {
    *out += "null";
  }
  *out += ",\"solution\":";
  if (rating.solution) {
    *out += '"';
    AppendPlainCells(*rating.solution, out);
    *out += '"';
  } else {
    *out += "null";
  }
}

}  // namespace noralim::cli
