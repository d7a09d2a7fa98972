// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the window can tell about the grid as it stands, without changing
// it: the next step of the technique ladder, and a check of the cells
// against the puzzle's solution.
#pragma once

#include <QString>
#include <optional>

#include "boards/rating.h"
#include "solver/gridtexts.h"
#include "ui/outcome.h"

namespace noralim::ui {

// The next step from the cells as they are (an empty cell holding all nine
// digits), with the sentence that names it; or, with no step, why there is
// none: a cell that holds no digits, no solution, several, or only search
// would go on.
struct Advice {
  QString sentence;
  std::optional<Step> step;
  DigitCells grid{};  // the candidates the step was found on
};
Advice NextStep(const GridTexts& texts);

// The texts once the step is taken on `grid`, the candidates of `texts` it
// was found on (Advice::grid): each changed cell's digits in ascending order.
GridTexts TakeStep(const GridTexts& texts, const DigitCells& grid, const Step& step);

// The cells that disagree with the puzzle's solution, and the sentence that
// says what was found. The puzzle is the givens (the digits that came with
// it) when they have one solution, else the givens and the entries (the
// digits typed since) together; `givens` and `entries` flag settled cells
// only. With one solution, every settled cell that differs from it and
// every cell whose candidates have lost its digit disagree. With none, the
// digits without which there is a solution are blamed: entries, unless the
// givens alone have none.
struct CheckResult {
  QString sentence;
  CellFlags mistakes{};
};
CheckResult Check(const GridTexts& texts, const CellFlags& givens, const CellFlags& entries);

}  // namespace noralim::ui
