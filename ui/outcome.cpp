// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/outcome.h"

#include <algorithm>

#include "solver/celltext.h"
#include "solver/status.h"
#include "ui/gridwords.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

QString Plural(int n, const char* one, const char* many) { return Tr(n == 1 ? one : many).arg(n); }

QString NoCandidate(CellIndex cell) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "contradiction: row %1, column %2 has no candidate left"))
      .arg(RowOf(cell))
      .arg(ColumnOf(cell));
}

QString Twice(char32_t value, UnitKind kind, UnitNumber n) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "contradiction: %1 twice in %2"))
      .arg(QString::fromUcs4(&value, 1), UnitName(kind, n));
}

// Where a run stopped: the value found twice, or the cell left with nothing.
QString StoppedAt(const GridTexts& texts, const Contradiction& where) {
  const CellText& value = texts[static_cast<std::size_t>(where.cell - 1)];
  if (where.other == 0 || value.size() != 1) return NoCandidate(where.cell);
  return Twice(value[0], where.kind, where.unit);
}

// The first digit that no cell of a unit can hold, in words.
QString Placeless(const GridTexts& texts) {
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      const auto& cells = Unit(kind, n);
      for (int d = 1; d <= kUnitSize; ++d) {
        const CellText digit = DigitText(d);
        if (std::none_of(cells.begin(), cells.end(),
                         [&](CellIndex c) { return ContainsText(texts[static_cast<std::size_t>(c - 1)], digit); })) {
          return Tr(QT_TRANSLATE_NOOP("noralim", "contradiction: %1 has no place in %2")).arg(d).arg(UnitName(kind, n));
        }
      }
    }
  }
  return {};
}

// What makes the texts a run ended with invalid: an empty cell, a repeat,
// or a digit with no place in a unit.
QString Contradiction(const GridTexts& texts) {
  for (int row = 1; row <= kUnitSize; ++row) {
    for (int column = 1; column <= kUnitSize; ++column) {
      if (texts[static_cast<std::size_t>(CellAt(row, column) - 1)].empty()) return NoCandidate(CellAt(row, column));
    }
  }
  QString found;
  ForEachRepeat(texts, [&](UnitKind kind, UnitNumber n, CellIndex a, CellIndex /*b*/) {
    found = Twice(texts[static_cast<std::size_t>(a - 1)][0], kind, n);
    return true;
  });
  return found.isEmpty() ? Placeless(texts) : found;
}

}  // namespace

QString Outcome(const GridTexts& texts, SolveResult result) {
  if (result.end == SolveEnd::Contradiction) return StoppedAt(texts, result.contradiction);
  switch (Classify(texts, result.end)) {
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

MarkReasons ReasonsForMarks(const GridTexts& texts, const CellFlags& stopped, const CellFlags& wrong) {
  MarkReasons reasons;
  const auto add = [&](std::size_t k, const QString& reason) {
    reasons[k] += (reasons[k].isEmpty() ? QString() : QStringLiteral("; ")) + reason;
  };
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (!WellFormedDigits(texts[k])) add(k, Tr(QT_TRANSLATE_NOOP("noralim", "not a digit or candidates")));
  }
  ForEachRepeat(texts, [&](UnitKind kind, UnitNumber n, CellIndex a, CellIndex b) {
    const char32_t value = texts[static_cast<std::size_t>(a - 1)][0];
    const QString twice =
        Tr(QT_TRANSLATE_NOOP("noralim", "%1 twice in %2")).arg(QString::fromUcs4(&value, 1), UnitName(kind, n));
    for (const CellIndex i : {a, b}) add(static_cast<std::size_t>(i - 1), twice);
    return false;
  });
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (stopped[k]) add(k, Tr(QT_TRANSLATE_NOOP("noralim", "Calc stopped here at a contradiction")));
    if (wrong[k]) add(k, Tr(QT_TRANSLATE_NOOP("noralim", "Check found it wrong")));
  }
  return reasons;
}

}  // namespace noralim::ui
