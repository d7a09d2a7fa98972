// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/advice.h"

#include <vector>

#include "boards/counting.h"
#include "ui/gridwords.h"
#include "ui/stepsentence.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// The candidates of every cell, an empty one holding all nine; or the first
// cell, row by row, whose text is no digits.
std::variant<DigitCells, CellIndex> Candidates(const GridTexts& texts) {
  DigitCells cells{};
  for (int p = 0; p < kCellCount; ++p) {
    const CellIndex i = CellAtPosition(p);
    const CellText& text = texts[static_cast<std::size_t>(i - 1)];
    const std::optional<DigitSet> digits = WellFormedDigits(text);
    if (!digits) return i;
    cells[static_cast<std::size_t>(i - 1)] = *digits;
  }
  return OpenEmptyCells(cells);
}

QString NotDigits(CellIndex i) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "%1 holds something that is not digits: mend it first.")).arg(PlaceName(i));
}

QString Unsolvable(int solutions) {
  return solutions == 0 ? Tr(QT_TRANSLATE_NOOP(
                              "noralim", "The grid as it stands has no solution: Check (F7) finds what is wrong."))
                        : Tr(QT_TRANSLATE_NOOP("noralim", "The grid as it stands has more than one solution."));
}

// The puzzle of the typed digits has no solution: the typed digits without
// which it has exactly one are the suspects.
CheckResult CheckTyped(const DigitCells& puzzle, const CellFlags& typed) {
  CheckResult result;
  std::vector<CellIndex> suspects;
  for (std::size_t k = 0; k < puzzle.size(); ++k) {
    if (!typed[k]) continue;
    DigitCells without = puzzle;
    without[k] = kAllDigits;
    if (CountSolutions(without).solutions == 1) {
      result.mistakes[k] = true;
      suspects.push_back(static_cast<CellIndex>(k + 1));
    }
  }
  if (suspects.empty()) {
    result.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "The typed digits have no solution together."));
  } else if (suspects.size() == 1) {
    const CellIndex i = suspects.front();
    result.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "The %1 at %2 is wrong: without it the puzzle has one solution."))
                          .arg(DigitOf(puzzle[static_cast<std::size_t>(i - 1)]))
                          .arg(PlaceName(i));
  } else {
    result.sentence =
        Tr(QT_TRANSLATE_NOOP(
               "noralim", "The typed digits have no solution together; without any one of the %1 marked there is one."))
            .arg(suspects.size());
  }
  return result;
}

}  // namespace

Advice NextStep(const GridTexts& texts) {
  const auto candidates = Candidates(texts);
  if (const auto* cell = std::get_if<CellIndex>(&candidates)) return {NotDigits(*cell), std::nullopt};
  Advice advice;
  advice.grid = std::get<DigitCells>(candidates);
  const SolutionCount count = CountSolutions(advice.grid);
  if (count.solutions != 1) {
    advice.sentence = Unsolvable(count.solutions);
    return advice;
  }
  advice.step = SimplestStep(advice.grid);
  if (advice.step) {
    advice.sentence = DescribeStep(*advice.step, advice.grid);
  } else if (count.solution == advice.grid) {
    advice.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "The grid is solved."));
  } else {
    advice.sentence = Tr(QT_TRANSLATE_NOOP(
        "noralim", "No technique up to the wings takes a step here: only trying digits (search) would go on."));
  }
  return advice;
}

GridTexts TakeStep(const GridTexts& texts, const DigitCells& grid, const Step& step) {
  const DigitCells cells = ApplyStep(grid, step);
  GridTexts taken = texts;
  const auto write = [&](CellIndex i) {
    taken[static_cast<std::size_t>(i - 1)] = ToCellText(cells[static_cast<std::size_t>(i - 1)]);
  };
  if (step.placement) write(step.placement->cell);
  for (const Elimination& gone : step.eliminations) write(gone.cell);
  return taken;
}

CheckResult Check(const GridTexts& texts, const CellFlags& typed) {
  const auto candidates = Candidates(texts);
  if (const auto* cell = std::get_if<CellIndex>(&candidates)) return {NotDigits(*cell), {}};
  DigitCells puzzle{};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const DigitSet held = std::get<DigitCells>(candidates)[k];
    puzzle[k] = typed[k] ? held : kAllDigits;
  }
  CheckResult result;
  const SolutionCount count = CountSolutions(puzzle);
  if (count.solutions == 2) {
    result.sentence =
        Tr(QT_TRANSLATE_NOOP("noralim", "The typed digits allow more than one solution: nothing to check against."));
    return result;
  }
  if (count.solutions == 0) return CheckTyped(puzzle, typed);
  int wrong = 0;
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const DigitSet held = std::get<DigitCells>(candidates)[k];
    const DigitSet right = (*count.solution)[k];
    result.mistakes[k] = (held.Bits() & right.Bits()) == 0 || (Length(held) == 1 && held != right);
    wrong += result.mistakes[k] ? 1 : 0;
  }
  if (wrong == 0) {
    result.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "No mistakes: every cell agrees with the one solution."));
  } else {
    result.sentence = (wrong == 1 ? Tr(QT_TRANSLATE_NOOP("noralim", "%1 cell disagrees with the one solution."))
                                  : Tr(QT_TRANSLATE_NOOP("noralim", "%1 cells disagree with the one solution.")))
                          .arg(wrong);
  }
  return result;
}

}  // namespace noralim::ui
