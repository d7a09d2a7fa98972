// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/advice.h"

#include <algorithm>
#include <array>
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

// The cells kept as they are, every other one opened to all nine digits.
DigitCells Keep(const DigitCells& held, const CellFlags& kept) {
  DigitCells puzzle{};
  for (std::size_t k = 0; k < held.size(); ++k) puzzle[k] = kept[k] ? held[k] : kAllDigits;
  return puzzle;
}

// The puzzle has no solution: the digits among `suspects` without which it
// has one are marked; failing those, the ones without which it has any.
CheckResult Blame(const DigitCells& puzzle, const CellFlags& suspects) {
  std::array<int, kCellCount> without_it{};  // solutions without the digit
  for (std::size_t k = 0; k < puzzle.size(); ++k) {
    if (!suspects[k]) continue;
    DigitCells without = puzzle;
    without[k] = kAllDigits;
    without_it[k] = CountSolutions(without).solutions;
  }
  const bool one = std::find(without_it.begin(), without_it.end(), 1) != without_it.end();
  CheckResult result;
  std::vector<CellIndex> wrong;
  for (std::size_t k = 0; k < puzzle.size(); ++k) {
    result.mistakes[k] = one ? without_it[k] == 1 : without_it[k] != 0;
    if (result.mistakes[k]) wrong.push_back(static_cast<CellIndex>(k + 1));
  }
  if (wrong.empty()) {
    result.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "The typed digits have no solution together."));
  } else if (wrong.size() == 1) {
    const CellIndex i = wrong.front();
    result.sentence =
        (one ? Tr(QT_TRANSLATE_NOOP("noralim", "The %1 at %2 is wrong: without it the puzzle has one solution."))
             : Tr(QT_TRANSLATE_NOOP("noralim", "The %1 at %2 is wrong: without it the digits have a solution.")))
            .arg(DigitOf(puzzle[static_cast<std::size_t>(i - 1)]))
            .arg(PlaceName(i));
  } else {
    result.sentence =
        Tr(QT_TRANSLATE_NOOP(
               "noralim", "The typed digits have no solution together; without any one of the %1 marked there is one."))
            .arg(wrong.size());
  }
  return result;
}

// The cells that disagree with the one solution: settled to another digit,
// or candidates without its digit.
CheckResult Compare(const DigitCells& held, const DigitCells& solution) {
  CheckResult result;
  std::vector<CellIndex> wrong;
  for (std::size_t k = 0; k < held.size(); ++k) {
    result.mistakes[k] = (held[k].Bits() & solution[k].Bits()) == 0 || (Length(held[k]) == 1 && held[k] != solution[k]);
    if (result.mistakes[k]) wrong.push_back(static_cast<CellIndex>(k + 1));
  }
  if (wrong.empty()) {
    result.sentence = Tr(QT_TRANSLATE_NOOP("noralim", "No mistakes: every cell agrees with the one solution."));
  } else if (const auto k = static_cast<std::size_t>(wrong.front() - 1); wrong.size() == 1 && Length(held[k]) == 1) {
    result.sentence =
        Tr(QT_TRANSLATE_NOOP("noralim", "The %1 at %2 is wrong.")).arg(DigitOf(held[k])).arg(PlaceName(wrong.front()));
  } else {
    result.sentence = (wrong.size() == 1 ? Tr(QT_TRANSLATE_NOOP("noralim", "%1 cell disagrees with the one solution."))
                                         : Tr(QT_TRANSLATE_NOOP("noralim", "%1 cells disagree with the one solution.")))
                          .arg(wrong.size());
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

CheckResult Check(const GridTexts& texts, const CellFlags& givens, const CellFlags& entries) {
  const auto candidates = Candidates(texts);
  if (const auto* cell = std::get_if<CellIndex>(&candidates)) return {NotDigits(*cell), {}};
  const auto& held = std::get<DigitCells>(candidates);
  // The givens alone, when they decide the puzzle: then no given is blamed
  // for what an entry explains.
  DigitCells puzzle = Keep(held, givens);
  SolutionCount count = CountSolutions(puzzle);
  if (count.solutions == 0) return Blame(puzzle, givens);
  if (count.solutions == 2) {
    CellFlags typed{};
    for (std::size_t k = 0; k < typed.size(); ++k) typed[k] = givens[k] || entries[k];
    puzzle = Keep(held, typed);
    count = CountSolutions(puzzle);
    if (count.solutions == 0) return Blame(puzzle, entries);
  }
  if (count.solutions == 2) {
    return {
        Tr(QT_TRANSLATE_NOOP("noralim", "The typed digits allow more than one solution: nothing to check against.")),
        {}};
  }
  return Compare(held, *count.solution);
}

}  // namespace noralim::ui
