// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/booklet.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "reader/writer.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

const QColor kWrittenColor(0x1a, 0x4f, 0x9c);

// What a cell shows: a value, candidates (in the places of their digits), or
// any other text.
enum class Shown { Empty, Value, Candidates, Other };

Shown ShownOf(const CellText& text) {
  if (text.empty()) return Shown::Empty;
  if (IsDigitValue(text)) return Shown::Value;
  const bool candidates = std::is_sorted(text.begin(), text.end()) &&
                          std::all_of(text.begin(), text.end(), [](char32_t c) { return c >= U'1' && c <= U'9'; }) &&
                          std::adjacent_find(text.begin(), text.end()) == text.end();
  return candidates ? Shown::Candidates : Shown::Other;
}

QFont SizedFont(double pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setBold(bold);
  return font;
}

void DrawCell(QPainter& painter, const QRectF& box, const CellText& text, Origin kind) {
  painter.setPen(kind == Origin::Written ? kWrittenColor : QColor(Qt::black));
  switch (ShownOf(text)) {
    case Shown::Empty:
      return;
    case Shown::Value:
      painter.setFont(SizedFont(box.height() * 0.62, kind == Origin::Given));
      painter.drawText(box, Qt::AlignCenter, QString::fromUcs4(text.data(), 1));
      return;
    case Shown::Candidates:
      painter.setFont(SizedFont(box.height() * 0.24));
      for (const char32_t c : text) {
        const int row = static_cast<int>(c - U'1') / 3;
        const int column = static_cast<int>(c - U'1') % 3;
        const QRectF spot(box.left() + box.width() * column / 3, box.top() + box.height() * row / 3, box.width() / 3,
                          box.height() / 3);
        painter.drawText(spot, Qt::AlignCenter, QString::fromUcs4(&c, 1));
      }
      return;
    case Shown::Other:
      break;
  }
  painter.setFont(SizedFont(box.height() * 0.2));
  const QString whole = QString::fromUcs4(text.data(), static_cast<qsizetype>(std::min<std::size_t>(text.size(), 40)));
  painter.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWrapAnywhere, whole);
}

// 81 digits row-major as the texts of a grid: the givens given, the rest
// written.
KeptGrid SolutionGrid(const BookletPuzzle& puzzle) {
  KeptGrid grid;
  for (int p = 0; p < kCellCount; ++p) {
    const auto k = static_cast<std::size_t>(CellAtPosition(p) - 1);
    grid.texts[k] = CellText(1, static_cast<char32_t>(puzzle.solution[static_cast<std::size_t>(p)]));
    grid.kinds[k] = IsDigitValue(puzzle.grid.texts[k]) ? Origin::Given : Origin::Written;
  }
  return grid;
}

// A puzzle in its place on a page: a heading over the grid, and the grid as
// one line of text under it, to copy from the page.
void DrawSlot(QPainter& painter, const QRectF& slot, const QString& heading, const KeptGrid& grid,
              const QString& line) {
  const double text_height = std::min(slot.height() * 0.07, slot.width() * 0.06);
  const double side = std::min(slot.width(), slot.height() - 2.6 * text_height) * 0.94;
  // The heading, the grid and the line under it, in the middle of the place.
  const double top = slot.center().y() - (side + 2.6 * text_height) / 2;
  const QRectF square(slot.center().x() - side / 2, top + 1.3 * text_height, side, side);
  painter.setPen(Qt::black);
  painter.setFont(SizedFont(text_height * 0.8, true));
  painter.drawText(QRectF(square.left(), top, side, text_height), Qt::AlignLeft | Qt::AlignBottom, heading);
  DrawGrid(painter, square, grid);
  QFont mono = SizedFont(std::min(text_height * 0.6, side / 52));
  mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  painter.setFont(mono);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(square.left(), square.bottom() + 0.2 * text_height, side, text_height),
                   Qt::AlignHCenter | Qt::AlignTop, line);
}

// The places of `count` places on a page: in rows and columns.
std::vector<QRectF> Places(const QRectF& page, int count) {
  const int columns = count == 1 || count == 2 ? 1 : count == 12 ? 3 : 2;
  const int rows = count / columns;
  std::vector<QRectF> places;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      places.emplace_back(page.left() + page.width() * c / columns, page.top() + page.height() * r / rows,
                          page.width() / columns, page.height() / rows);
    }
  }
  return places;
}

QString Heading(const BookletPuzzle& puzzle) {
  const QString separator = QStringLiteral(" \u00b7 ");
  QString heading = Tr(QT_TRANSLATE_NOOP("noralim", "Puzzle %1")).arg(puzzle.number) + separator + puzzle.rating;
  if (!puzzle.seed.empty()) {
    heading += separator + Tr(QT_TRANSLATE_NOOP("noralim", "seed %1")).arg(QString::fromStdString(puzzle.seed));
  }
  return heading;
}

// The number of pages `count` puzzles take at `per_page` a page.
int PagesFor(std::size_t count, int per_page) {
  return static_cast<int>((count + static_cast<std::size_t>(per_page) - 1) / static_cast<std::size_t>(per_page));
}

// Draws the pages: the puzzles, per_page a page, then their solutions; each
// page numbered at its foot, "3 / 5".
void DrawBooklet(QPdfWriter& pdf, const std::vector<BookletPuzzle>& puzzles, BookletLayout layout) {
  constexpr int kSolutionsPerPage = 12;
  std::vector<const BookletPuzzle*> all;
  std::vector<const BookletPuzzle*> solved;
  for (const BookletPuzzle& puzzle : puzzles) {
    all.push_back(&puzzle);
    if (!puzzle.solution.empty()) solved.push_back(&puzzle);
  }
  const int total =
      PagesFor(all.size(), layout.per_page) + (layout.solutions ? PagesFor(solved.size(), kSolutionsPerPage) : 0);
  QPainter painter(&pdf);
  const QRectF page(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
  const double foot = page.height() * 0.03;
  const QRectF body(page.topLeft(), QSizeF(page.width(), page.height() - foot));
  int number = 0;
  const auto next_page = [&] {
    if (number > 0) pdf.newPage();
    painter.setFont(SizedFont(foot * 0.5));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), body.bottom(), page.width(), foot), Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(++number).arg(total));
  };
  const auto pages = [&](const std::vector<const BookletPuzzle*>& items, int per_page, bool solutions) {
    const std::vector<QRectF> places = Places(body, per_page);
    for (std::size_t k = 0; k < items.size(); ++k) {
      if (k % places.size() == 0) next_page();
      const BookletPuzzle& item = *items[k];
      const QRectF& slot = places[k % places.size()];
      if (solutions) {
        DrawSlot(painter, slot, Tr(QT_TRANSLATE_NOOP("noralim", "Solution %1")).arg(item.number), SolutionGrid(item),
                 QString::fromStdString(item.solution));
      } else {
        DrawSlot(painter, slot, Heading(item), item.grid,
                 QString::fromStdString(PuzzleLine(item.grid.texts).value_or(std::string())));
      }
    }
  };
  pages(all, layout.per_page, false);
  if (layout.solutions) pages(solved, kSolutionsPerPage, true);
}

}  // namespace

void DrawGrid(QPainter& painter, const QRectF& square, const KeptGrid& grid) {
  const double cell = square.width() / kUnitSize;
  painter.save();
  for (int r = 0; r < kUnitSize; ++r) {
    for (int c = 0; c < kUnitSize; ++c) {
      const auto k = static_cast<std::size_t>(CellAt(r + 1, c + 1) - 1);
      DrawCell(painter, QRectF(square.left() + c * cell, square.top() + r * cell, cell, cell), grid.texts[k],
               grid.kinds[k]);
    }
  }
  for (int n = 0; n <= kUnitSize; ++n) {
    painter.setPen(QPen(Qt::black, n % 3 == 0 ? cell / 16 : cell / 48, Qt::SolidLine, Qt::SquareCap));
    const double at = n * cell;
    painter.drawLine(QPointF(square.left() + at, square.top()), QPointF(square.left() + at, square.bottom()));
    painter.drawLine(QPointF(square.left(), square.top() + at), QPointF(square.right(), square.top() + at));
  }
  painter.restore();
}

std::optional<QString> WriteBooklet(const QString& path, const std::vector<BookletPuzzle>& puzzles,
                                    BookletLayout layout) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter pdf(&file);
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    pdf.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Noralim"));
    pdf.setCreator(QStringLiteral("Noralim"));
    DrawBooklet(pdf, puzzles, layout);
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

std::string GridSvg(const KeptGrid& grid) {
  constexpr int kCell = 100;
  QString svg = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="90mm" height="90mm" viewBox="-5 -5 910 910" )"
                               R"(font-family="DejaVu Sans, sans-serif" text-anchor="middle">
)");
  const QString line = QStringLiteral(
      R"(<line x1="%1" y1="%2" x2="%3" y2="%4" stroke="black" stroke-width="%5" stroke-linecap="square"/>
)");
  for (int n = 0; n <= kUnitSize; ++n) {
    const int at = n * kCell;
    const int width = n % 3 == 0 ? 6 : 2;
    svg += line.arg(at).arg(0).arg(at).arg(kUnitSize * kCell).arg(width);
    svg += line.arg(0).arg(at).arg(kUnitSize * kCell).arg(at).arg(width);
  }
  for (int p = 0; p < kCellCount; ++p) {
    const auto k = static_cast<std::size_t>(CellAtPosition(p) - 1);
    const CellText& text = grid.texts[k];
    const int x = p % kUnitSize * kCell;
    const int y = p / kUnitSize * kCell;
    const QString fill = grid.kinds[k] == Origin::Written ? kWrittenColor.name() : QStringLiteral("black");
    const auto put = [&](int cx, int cy, int size, char32_t digit, bool bold) {
      svg += QStringLiteral(R"(<text x="%1" y="%2" font-size="%3" fill="%4"%5>%6</text>
)")
                 .arg(cx)
                 .arg(cy)
                 .arg(size)
                 .arg(fill, bold ? QStringLiteral(R"( font-weight="bold")") : QString(), QString::fromUcs4(&digit, 1));
    };
    if (ShownOf(text) == Shown::Value) {
      put(x + kCell / 2, y + kCell * 3 / 4, 64, text[0], grid.kinds[k] == Origin::Given);
    } else if (ShownOf(text) == Shown::Candidates) {
      for (const char32_t c : text) {
        const int place = static_cast<int>(c - U'1');
        put(x + kCell * (2 * (place % 3) + 1) / 6, y + kCell * (place / 3) / 3 + 26, 24, c, false);
      }
    }
  }
  return (svg + QStringLiteral("</svg>\n")).toStdString();
}

}  // namespace noralim::ui
