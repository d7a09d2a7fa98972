// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QShortcut>

#include "solver/solve.h"
#include "ui/cellstyle.h"
#include "ui/gridclipboard.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// Layout in pixels, 15 twips a pixel. A box is 98 px apart from the next, a
// cell 33 px square and 32 px from its neighbour inside a box: neighbours in
// a box share a frame line, and boxes stand one pixel apart.
constexpr int kBoxStep = 98;
constexpr int kCellStep = 32;
constexpr int kCellSize = 33;
constexpr QSize kClientSize(293, 323);

QRect CellRect(int i) {
  const int b = (i - 1) / 9;
  const int p = (i - 1) % 9;
  return {kBoxStep * (b % 3) + kCellStep * (p % 3), kBoxStep * (b / 3) + kCellStep * (p / 3), kCellSize, kCellSize};
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Noralim"));
  setFixedSize(kClientSize);
  CreateCells();
  CreateButtons();
  CreateShortcuts();
  grid_ = std::make_unique<WindowGrid>(cells_, closing_);
  services_ = std::make_unique<FormServices>(*cmdExec(kCalcButton), closing_);
  Form_Load();
}

Form1::~Form1() {
  // The cells outlive this destructor (the base class deletes its children),
  // so no change of theirs may reach the handlers of a window that is gone.
  for (CellField* cell : cells_) disconnect(cell, nullptr, this, nullptr);
}

void Form1::CreateCells() {
  const QFont font = CellFont();
  for (int i = 1; i <= kCellCount; ++i) {
    const auto index = static_cast<CellIndex>(i);
    auto* cell = new CellField(this);
    cell->setGeometry(CellRect(i));
    cell->setFont(font);
    cell->setAccessibleName(
        Tr(QT_TRANSLATE_NOOP("noralim", "Row %1, column %2")).arg(RowOf(index)).arg(ColumnOf(index)));
    connect(cell, &QPlainTextEdit::textChanged, this, [this, index] { Text1_Change(index); });
    cells_[static_cast<std::size_t>(i - 1)] = cell;
  }
}

void Form1::CreateButtons() {
  const std::array<QString, 2> captions = {QStringLiteral("Calc"), QStringLiteral("Clear")};
  const std::array<QRect, 2> places = {QRect(0, 296, 147, 25), QRect(150, 296, 139, 25)};
  for (std::size_t k = 0; k < 2; ++k) {
    auto* button = new QPushButton(captions[k], this);
    button->setGeometry(places[k]);
    button->setAccessibleName(captions[k]);
    const auto index = static_cast<std::int16_t>(k);
    connect(button, &QPushButton::clicked, this, [this, index] { cmdExec_Click(index); });
    buttons_[k] = button;
  }
}

void Form1::CreateShortcuts() {
  // Keys no cell uses, so a cell's own Ctrl+C and Ctrl+V stay as they are.
  auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
  connect(copy, &QShortcut::activated, this, &Form1::CopyGrid);
  auto* paste = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
  connect(paste, &QShortcut::activated, this, &Form1::PasteGrid);
}

void Form1::LoadTexts(const GridTexts& texts) {
  // Runs inside the toolkit's event dispatch when pasting: nothing may escape.
  try {
    WriteTexts(*grid_, texts);
  } catch (const SolveStopped&) {
    // The window was closed while the texts went in; the rest stay unwritten.
  }
}

void Form1::CopyGrid() const { QGuiApplication::clipboard()->setText(GridToLine(*grid_)); }

void Form1::PasteGrid() {
  const auto texts = LineToTexts(QGuiApplication::clipboard()->text());
  if (!texts) {
    QApplication::beep();
    return;
  }
  LoadTexts(*texts);
}

void Form1::Form_Load() {
  // Tab position i - 1, then the empty text, cell by cell; the buttons follow.
  for (CellIndex i = 1; i <= kCellCount; ++i) {
    if (i > 1) setTabOrder(Text1(static_cast<CellIndex>(i - 1)), Text1(i));
    grid_->SetCellText(i, {});
  }
  setTabOrder(Text1(kCellCount), cmdExec(kCalcButton));
  setTabOrder(cmdExec(kCalcButton), cmdExec(kClearButton));
  Text1(1)->setFocus();
}

void Form1::cmdExec_Click(std::int16_t index) {
  // Runs inside the toolkit's event dispatch: nothing may escape from here.
  try {
    noralim::cmdExec_Click(index, *grid_, *services_);
  } catch (const SolveStopped&) {
    // The window was closed during the command, which has stopped writing;
    // "Calc" and the pointer are already back to idle.
  }
}

// Not const: a handler that restyles one of the window's own cells.
void Form1::Text1_Change(CellIndex index) {  // NOLINT(readability-make-member-function-const)
  ApplyCellStyle(*Text1(index));
  QCoreApplication::processEvents();
}

void Form1::closeEvent(QCloseEvent* event) {
  closing_ = true;
  QWidget::closeEvent(event);
}

}  // namespace noralim::ui
