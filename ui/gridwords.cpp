// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridwords.h"

#include <algorithm>

#include "ui/translation.h"

namespace noralim::ui {

QString UnitName(UnitKind kind, UnitNumber n) {
  switch (kind) {
    case UnitKind::Box:
      return Tr(QT_TRANSLATE_NOOP("noralim", "box %1")).arg(n);
    case UnitKind::Column:
      return Tr(QT_TRANSLATE_NOOP("noralim", "column %1")).arg(n);
    case UnitKind::Row:
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("noralim", "row %1")).arg(n);
}

QString PlaceName(CellIndex i) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "row %1, column %2")).arg(RowOf(i)).arg(ColumnOf(i));
}

QString ShortPlace(CellIndex i) { return Tr(QT_TRANSLATE_NOOP("noralim", "r%1c%2")).arg(RowOf(i)).arg(ColumnOf(i)); }

QString ListOf(const QStringList& items) {
  if (items.size() <= 1) return items.value(0);
  const QString head = items.mid(0, items.size() - 1).join(Tr(QT_TRANSLATE_NOOP("noralim", ", ")));
  return Tr(QT_TRANSLATE_NOOP("noralim", "%1 and %2")).arg(head, items.back());
}

namespace {

QStringList Digits(DigitSet digits) {
  QStringList list;
  for (const char32_t digit : ToCellText(digits)) list << QString::fromUcs4(&digit, 1);
  return list;
}

}  // namespace

QString DigitsAnd(DigitSet digits) { return ListOf(Digits(digits)); }

QString DigitsSpaced(DigitSet digits) { return Digits(digits).join(QLatin1Char(' ')); }

QString LinesName(UnitKind kind, const std::vector<UnitNumber>& numbers) {
  QStringList list;
  for (const UnitNumber n : numbers) list << QString::number(n);
  const QString joined = ListOf(list);
  if (numbers.size() == 1) return UnitName(kind, numbers.front());
  return kind == UnitKind::Row ? Tr(QT_TRANSLATE_NOOP("noralim", "rows %1")).arg(joined)
                               : Tr(QT_TRANSLATE_NOOP("noralim", "columns %1")).arg(joined);
}

QString PlacesIn(UnitKind kind, const std::vector<CellIndex>& cells) {
  std::vector<UnitNumber> rows;
  std::vector<UnitNumber> columns;
  QStringList places;
  for (const CellIndex i : cells) {
    rows.push_back(static_cast<UnitNumber>(RowOf(i)));
    columns.push_back(static_cast<UnitNumber>(ColumnOf(i)));
    places << ShortPlace(i);
  }
  if (kind == UnitKind::Row) return LinesName(UnitKind::Column, columns);
  if (kind == UnitKind::Column) return LinesName(UnitKind::Row, rows);
  // In a box, cells on one line are named by that line, others one by one.
  const auto all_same = [](const std::vector<UnitNumber>& numbers) {
    return std::all_of(numbers.begin(), numbers.end(), [&](UnitNumber n) { return n == numbers.front(); });
  };
  if (cells.size() > 1 && all_same(rows)) {
    return Of(LinesName(UnitKind::Column, columns), UnitName(UnitKind::Row, rows.front()));
  }
  if (cells.size() > 1 && all_same(columns)) {
    return Of(LinesName(UnitKind::Row, rows), UnitName(UnitKind::Column, columns.front()));
  }
  return ListOf(places);
}

QString Of(const QString& part, const QString& whole) {
  return Tr(QT_TRANSLATE_NOOP("noralim", "%1 of %2")).arg(part, whole);
}

}  // namespace noralim::ui
