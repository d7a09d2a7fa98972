// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/cellstyle.h"

#include <QFontDatabase>

#include "ui/cellfield.h"

namespace noralim::ui {

CellStyle CellStyleFor(std::size_t length) {
  switch (length) {
    case 1:
      return {true, 20.0};
    case 2:
      return {false, 12.0};
    case 3:
      return {false, 11.0};
    default:
      return {false, 10.0};
  }
}

QFont CellFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans Mono CJK JP"),
                    QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  font.setStyleHint(QFont::TypeWriter);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setPointSize(9);
  return font;
}

void ApplyCellStyle(CellField& cell) {
  const CellStyle style = CellStyleFor(cell.CellTextValue().size());
  QFont font = cell.BaseFont();
  font.setBold(style.bold);
  font.setPointSizeF(style.points);
  cell.FitText(font);
}

}  // namespace noralim::ui
