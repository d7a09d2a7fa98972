// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/accessibility.h"

#include <QStringList>

#include "ui/outcome.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// A description spells at most this many characters of a text.
constexpr std::size_t kSpelledCharacters = 40;

QString Character(char32_t c) {
  if (c == U'\r' || c == U'\n') return Tr(QT_TRANSLATE_NOOP("noralim", "line break"));
  if (c == U' ') return Tr(QT_TRANSLATE_NOOP("noralim", "space"));
  return QString::fromUcs4(&c, 1);
}

}  // namespace

QString CellName(CellIndex i) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "Row %1, column %2, box %3")).arg(RowOf(i)).arg(ColumnOf(i)).arg(BoxOf(i));
}

QString CellDescription(const CellText& text) {
  if (text.empty()) return Tr(QT_TRANSLATE_NOOP("noralim", "empty"));
  if (text.size() == 1) return Tr(QT_TRANSLATE_NOOP("noralim", "value %1")).arg(Character(text[0]));
  QStringList spelled;
  for (std::size_t k = 0; k < text.size() && k < kSpelledCharacters; ++k) {
    if (text[k] == U'\r' && k + 1 < text.size() && text[k + 1] == U'\n') continue;  // one line break, not two
    spelled << Character(text[k]);
  }
  if (text.size() > kSpelledCharacters) spelled << Tr(QT_TRANSLATE_NOOP("noralim", "and more"));
  return Tr(QT_TRANSLATE_NOOP("noralim", "candidates %1")).arg(spelled.join(QStringLiteral(", ")));
}

QString RunReport(const GridTexts& texts) {
  int settled = 0;
  int open = 0;
  int empty = 0;
  int other = 0;  // a letter, '0', a digit of another script, a repeat
  for (const CellText& text : texts) {
    const std::optional<DigitSet> digits = WellFormedDigits(text);
    if (!digits) {
      ++other;
    } else {
      (text.empty() ? empty : text.size() == 1 ? settled : open) += 1;
    }
  }
  QString report =
      Tr(QT_TRANSLATE_NOOP("noralim", "Calc finished: %1 of 81 cells settled, %2 open")).arg(settled).arg(open);
  if (empty > 0) report += Tr(QT_TRANSLATE_NOOP("noralim", ", %1 empty")).arg(empty);
  if (other > 0) {
    report += Tr(other == 1 ? QT_TRANSLATE_NOOP("noralim", ", %1 not a digit")
                            : QT_TRANSLATE_NOOP("noralim", ", %1 not digits"))
                  .arg(other);
  }
  return report;
}

}  // namespace noralim::ui
