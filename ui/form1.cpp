#include "form1.h"

#include <QApplication>
#include <QCloseEvent>

#include "solve.h"

namespace noralim::ui {

namespace {

// Layout in pixels: 15 twips a pixel. A box is 98 px, a cell 33 px and the
// step inside a box 32 px, so neighbours in a box share a frame line and
// boxes stand one pixel apart.
constexpr int kBoxStep = 98;
constexpr int kCellStep = 32;
constexpr int kCellSize = 33;

QFont CellFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(9);
  font.setBold(false);
  return font;
}

}  // namespace

CellText Form1Grid::GetCellText(CellIndex i) const { return form_.Text1(i)->CellTextValue(); }

void Form1Grid::SetCellText(CellIndex i, const CellText& text) {
  if (form_.Closing()) throw SolveStopped();
  form_.Text1(i)->SetCellTextValue(text);
  // The change notification may have processed a close of the window.
  if (form_.Closing()) throw SolveStopped();
}

Form1Services::~Form1Services() {
  if (busy_) QApplication::restoreOverrideCursor();
}

void Form1Services::SetMousePointer(MousePointer pointer) {
  // An application-wide override, so the wait cursor also shows over the
  // cells, which otherwise keep their I-beam.
  const bool busy = pointer == MousePointer::Hourglass;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void Form1Services::SetCalcEnabled(bool enabled) { form_.cmdExec(kCalcButton)->setEnabled(enabled); }

void Form1Services::ProcessPendingEvents() {
  QCoreApplication::processEvents();
  if (form_.Closing()) throw SolveStopped();
}

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Noralim"));
  setFixedSize(293, 323);
  CreateControls();
  Form_Load();
}

void Form1::CreateControls() {
  const QFont font = CellFont();
  for (int i = 1; i <= kCellCount; ++i) {
    const int b = (i - 1) / 9;
    const int p = (i - 1) % 9;
    auto* cell = new CellField(this);
    cell->setGeometry(kBoxStep * (b % 3) + kCellStep * (p % 3), kBoxStep * (b / 3) + kCellStep * (p / 3), kCellSize,
                      kCellSize);
    cell->setFont(font);
    const auto index = static_cast<CellIndex>(i);
    cell->setAccessibleName(QStringLiteral("Row %1, column %2").arg(RowOf(index)).arg(ColumnOf(index)));
    connect(cell, &QPlainTextEdit::textChanged, this, [this, index] { Text1_Change(index); });
    cells_[static_cast<std::size_t>(i - 1)] = cell;
  }
  const QString captions[2] = {QStringLiteral("Calc"), QStringLiteral("Clear")};
  const QRect places[2] = {QRect(0, 296, 147, 25), QRect(150, 296, 139, 25)};
  for (int k = 0; k < 2; ++k) {
    auto* button = new QPushButton(captions[k], this);
    button->setGeometry(places[k]);
    button->setAccessibleName(captions[k]);
    connect(button, &QPushButton::clicked, this, [this, k] { cmdExec_Click(static_cast<std::int16_t>(k)); });
    buttons_[static_cast<std::size_t>(k)] = button;
  }
}

void Form1::Form_Load() {
  for (CellIndex i = 1; i <= kCellCount; ++i) {
    if (i > 1) setTabOrder(Text1(static_cast<CellIndex>(i - 1)), Text1(i));
    Text1(i)->SetCellTextValue({});
  }
  setTabOrder(Text1(kCellCount), cmdExec(0));
  setTabOrder(cmdExec(0), cmdExec(1));
  Text1(1)->setFocus();
}

void Form1::cmdExec_Click(std::int16_t index) {
  // Runs inside the toolkit's event dispatch: nothing may escape from here.
  try {
    noralim::cmdExec_Click(index, grid_, services_);
  } catch (const SolveStopped&) {
    // The window was closed during the command; it has already stopped.
  }
}

void Form1::Text1_Change(CellIndex index) {
  ApplyCellStyle(Text1(index));
  QCoreApplication::processEvents();
}

void Form1::ApplyCellStyle(CellField* cell) {
  const std::size_t length = cell->CellTextValue().size();
  QFont font = cell->font();
  font.setBold(length == 1);
  font.setPointSizeF(length == 1 ? 20.0 : length == 2 ? 12.0 : length == 3 ? 11.0 : 10.0);
  cell->setFont(font);
}

void Form1::closeEvent(QCloseEvent* event) {
  closing_ = true;
  event->accept();
}

}  // namespace noralim::ui
