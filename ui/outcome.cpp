// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/outcome.h"

#include "solver/status.h"
#include "ui/gridwords.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

QString Plural(int n, const char* one, const char* many) { return Tr(n == 1 ? one : many).arg(n); }

QString Contradiction(const GridTexts& texts) {
  for (int row = 1; row <= kUnitSize; ++row) {
    for (int column = 1; column <= kUnitSize; ++column) {
      if (!texts[static_cast<std::size_t>(CellAt(row, column) - 1)].empty()) continue;
      return Tr(QT_TRANSLATE_NOOP("noralim", "contradiction: row %1, column %2 has no candidate left"))
          .arg(row)
          .arg(column);
    }
  }
  QString repeat;
  ForEachRepeat(texts, [&](UnitKind kind, UnitNumber n, CellIndex a, CellIndex /*b*/) {
    const char32_t value = texts[static_cast<std::size_t>(a - 1)][0];
    repeat = Tr(QT_TRANSLATE_NOOP("noralim", "contradiction: %1 twice in %2"))
                 .arg(QString::fromUcs4(&value, 1), UnitName(kind, n));
    return true;
  });
  return repeat;
}

}  // namespace

QString Outcome(const GridTexts& texts, SolveResult result) {
  switch (Classify(texts, result.end)) {
    case GridStatus::Cycle:
      return Tr(QT_TRANSLATE_NOOP("noralim", "cycle: the sweeps repeat; edit the grid or press Clear"));
    case GridStatus::Invalid:
      return Contradiction(texts);
    case GridStatus::Solved:
      return Plural(result.sweeps, QT_TRANSLATE_NOOP("noralim", "solved in %1 sweep"),
                    QT_TRANSLATE_NOOP("noralim", "solved in %1 sweeps"));
    case GridStatus::Open:
      break;
  }
  int open = 0;
  for (const CellText& text : texts) open += text.size() == 1 ? 0 : 1;
  return Plural(open, QT_TRANSLATE_NOOP("noralim", "%1 cell open"), QT_TRANSLATE_NOOP("noralim", "%1 cells open")) +
         Plural(result.sweeps, QT_TRANSLATE_NOOP("noralim", " after %1 sweep"),
                QT_TRANSLATE_NOOP("noralim", " after %1 sweeps"));
}

std::optional<DigitSet> WellFormedDigits(const CellText& text) {
  unsigned seen = 0;
  for (const char32_t c : text) {
    if (c < U'1' || c > U'9' || (seen & (1U << (c - U'1'))) != 0) return std::nullopt;
    seen |= 1U << (c - U'1');
  }
  return DigitSet::FromBits(static_cast<std::uint16_t>(seen));
}

CellFlags ConflictingCells(const GridTexts& texts) {
  CellFlags flags{};
  for (std::size_t k = 0; k < texts.size(); ++k) flags[k] = !WellFormedDigits(texts[k]);
  ForEachRepeat(texts, [&](UnitKind /*kind*/, UnitNumber /*n*/, CellIndex a, CellIndex b) {
    flags[static_cast<std::size_t>(a - 1)] = flags[static_cast<std::size_t>(b - 1)] = true;
    return false;
  });
  return flags;
}

}  // namespace noralim::ui
