// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "solver/solve.h"
#include "ui/accessibility.h"
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
  InstallAccessibleInterfaces();
  setWindowTitle(QStringLiteral("Noralim"));
  setFixedSize(kClientSize);
  CreateCells();
  CreateButtons();
  announcer_ = new Announcer(this);
  balloon_ = new Balloon(*this);
  CreateShortcuts();
  CreateMenuActions();
  grid_ = std::make_unique<WindowGrid>(cells_, closing_, running_);
  services_ = std::make_unique<FormServices>(*cmdExec(kCalcButton), closing_);
  Form_Load();
  history_ = std::make_unique<GridHistory>(ReadTexts(*grid_));
  guide_ = std::make_unique<StepGuide>(
      cells_, *grid_, [this](const GridTexts& texts) { TakeTexts(texts); },
      [this](const QString& sentence) { Say(sentence); });
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
    cell->setAccessibleName(CellName(index));
    cell->setAccessibleDescription(CellDescription({}));
    connect(cell, &QTextEdit::textChanged, this, [this, index] { Text1_Change(index); });
    connect(cell, &CellField::leaveRequested, this, [this, index](Qt::Key key) { MoveFocus(index, key); });
    connect(cell, &CellField::undoRequested, this, &Form1::Undo);
    connect(cell, &CellField::redoRequested, this, &Form1::Redo);
    connect(cell, &CellField::gridPasted, this, &Form1::PasteTexts);
    // Entering and leaving a cell are the edges of a step of typing into it.
    cell->installEventFilter(this);
    cells_[static_cast<std::size_t>(i - 1)] = cell;
  }
}

void Form1::CreateButtons() {
  const std::array<QString, 2> captions = {QStringLiteral("Calc"), QStringLiteral("Clear")};
  const std::array<QRect, 2> places = {QRect(0, 296, 147, 25), QRect(150, 296, 139, 25)};
  for (std::size_t k = 0; k < 2; ++k) {
    auto* button = new QPushButton(captions[k], this);
    button->setGeometry(places[k]);
    button->installEventFilter(this);
    button->setAccessibleName(captions[k]);
    const auto index = static_cast<std::int16_t>(k);
    connect(button, &QPushButton::clicked, this, [this, index] { cmdExec_Click(index); });
    buttons_[k] = button;
  }
}

void Form1::CreateShortcuts() {
  // "Calc" from anywhere: F5, as a recalculation is started in spreadsheets,
  // and Ctrl+Enter, as a form is sent from a text field; Enter alone stays a
  // line break in a cell.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &Form1::PressCalc);
  }
  // Keys no cell uses, so a cell's own Ctrl+C and Ctrl+V stay as they are.
  auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
  connect(copy, &QShortcut::activated, this, &Form1::CopyGrid);
  auto* paste = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
  connect(paste, &QShortcut::activated, this, &Form1::PasteGrid);
  // Undo and redo where the focus is on a button; a cell raises them itself.
  for (const QKeySequence& keys : {QKeySequence(QKeySequence::Undo), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this,
            keys == QKeySequence::Undo ? &Form1::Undo : &Form1::Redo);
  }
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this), &QShortcut::activated, this, &Form1::Redo);
  // Ctrl+digit highlights the digit, as the digit keys name it everywhere
  // in the window; Ctrl+0 and Escape take the highlight away.
  for (int digit = 0; digit <= kUnitSize; ++digit) {
    connect(new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + digit)), this),
            &QShortcut::activated, this, [this, digit] { HighlightDigit(digit); });
  }
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &Form1::Dismiss);
  // F6 for the next step, beside F5 for Calc; F7 checks, the key that checks
  // spelling in word processors.
  connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this, &Form1::NextStep);
  connect(new QShortcut(QKeySequence(Qt::Key_F7), this), &QShortcut::activated, this, &Form1::CheckGrid);
  // Closing by the keys people use for it, also in the middle of a run.
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  }
}

template <class Write>
void Form1::AsStep(Step step, Write write) {
  Record();
  step_ = step;
  write();
  step_ = Step::None;
  Record();
}

void Form1::CreateMenuActions() {
  const auto action = [this](const char* text, const QKeySequence& keys, auto slot) {
    auto* made = new QAction(Tr(text), this);
    made->setShortcut(keys);
    connect(made, &QAction::triggered, this, slot);
    return made;
  };
  QAction* undo = action(QT_TRANSLATE_NOOP("noralim", "&Undo"), QKeySequence::Undo, &Form1::Undo);
  QAction* redo = action(QT_TRANSLATE_NOOP("noralim", "&Redo"), Qt::CTRL | Qt::Key_Y, &Form1::Redo);
  QAction* copy =
      action(QT_TRANSLATE_NOOP("noralim", "Copy the &grid"), Qt::CTRL | Qt::SHIFT | Qt::Key_C, &Form1::CopyGrid);
  QAction* paste =
      action(QT_TRANSLATE_NOOP("noralim", "Paste a gr&id"), Qt::CTRL | Qt::SHIFT | Qt::Key_V, &Form1::PasteGrid);
  QAction* next = action(QT_TRANSLATE_NOOP("noralim", "&Next step"), Qt::Key_F6, &Form1::NextStep);
  QAction* check = action(QT_TRANSLATE_NOOP("noralim", "C&heck"), Qt::Key_F7, &Form1::CheckGrid);
  auto* highlight = new QMenu(Tr(QT_TRANSLATE_NOOP("noralim", "&Highlight")), this);
  for (int digit = 1; digit <= kUnitSize; ++digit) {
    highlight->addAction(QString::number(digit), QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + digit)), this,
                         [this, digit] { HighlightDigit(digit); });
  }
  highlight->addAction(Tr(QT_TRANSLATE_NOOP("noralim", "None")), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                       [this] { HighlightDigit(0); });
  for (CellField* cell : cells_) {
    cell->SetMenuActions({undo, redo}, {copy, paste, next, check, highlight->menuAction()});
    connect(cell, &CellField::menuAboutToShow, this, [=, this] {
      undo->setEnabled(step_ == Step::None && history_->CanUndo());
      redo->setEnabled(step_ == Step::None && history_->CanRedo());
      paste->setEnabled(step_ == Step::None || step_ == Step::Run);
      next->setEnabled(step_ == Step::None);
      check->setEnabled(step_ == Step::None);
    });
  }
}

void Form1::LoadTexts(const GridTexts& texts) {
  if (step_ == Step::Run) return WriteAll(texts);
  if (step_ != Step::None) return QApplication::beep();
  // A load is a step of its own, so that undo goes back to the grid before it.
  AsStep(Step::Grid, [&] { WriteAll(texts); });
}

void Form1::WriteAll(const GridTexts& texts) {
  const bool outer = std::exchange(user_write_, true);
  // Runs inside the toolkit's event dispatch when pasting: nothing may escape.
  try {
    WriteTexts(*grid_, texts);
  } catch (const SolveStopped&) {
    // The window was closed while the texts went in; the rest stay unwritten.
  }
  user_write_ = outer;
}

void Form1::SetSource(const QString& source) {
  source_ = source;
  UpdateTitle();
}

void Form1::HighlightDigit(int digit) { guide_->Highlight(digit); }

void Form1::NextStep() {
  if (step_ != Step::None) return QApplication::beep();
  guide_->NextStep();
}

void Form1::CheckGrid() {
  if (step_ != Step::None) return QApplication::beep();
  guide_->Dismiss();
  const GridTexts texts = ReadTexts(*grid_);
  CellFlags typed{};
  for (std::size_t k = 0; k < texts.size(); ++k) typed[k] = texts[k].size() == 1 && !cells_[k]->Written();
  const CheckResult result = Check(texts, typed);
  mistakes_ = result.mistakes;
  RefreshMarks();
  Say(result.sentence);
}

void Form1::TakeTexts(const GridTexts& texts) {
  balloon_->hide();
  AsStep(Step::Run, [&] {
    running_ = true;
    try {
      for (CellIndex i = 1; i <= kCellCount; ++i) {
        const CellText& text = texts[static_cast<std::size_t>(i - 1)];
        if (text != grid_->GetCellText(i)) grid_->SetCellText(i, text);
      }
    } catch (const SolveStopped&) {
      // The window was closed while the step went in.
    }
    running_ = false;
  });
}

void Form1::Say(const QString& sentence) {
  balloon_->Say(sentence);
  announcer_->Announce(sentence);
}

void Form1::Dismiss() {
  guide_->Dismiss();
  guide_->Highlight(0);
  balloon_->hide();
}

void Form1::PressCalc() {
  if (cmdExec(kCalcButton)->isEnabled()) cmdExec(kCalcButton)->click();
}

void Form1::UpdateTitle() {
  // The news first, where a narrow title bar cuts nothing off.
  QString title;
  for (const QString& part : {outcome_, source_}) {
    if (!part.isEmpty()) title += part + QStringLiteral(" \u2014 ");
  }
  setWindowTitle(title + QStringLiteral("Noralim"));
}

void Form1::RefreshMarks() {
  CellFlags conflicts = ConflictingCells(ReadTexts(*grid_));
  for (std::size_t k = 0; k < conflicts.size(); ++k) {
    CellField& cell = *cells_[k];
    const bool conflict = conflicts[k] || emptied_[k] || mistakes_[k];
    if (cell.Conflict() != conflict) cell.SetMarks(cell.Written(), conflict);
  }
}

void Form1::CopyGrid() const { QGuiApplication::clipboard()->setText(GridToLine(*grid_)); }

void Form1::PasteGrid() {
  const auto texts = TextToGrid(QGuiApplication::clipboard()->text());
  if (!texts) return QApplication::beep();
  PasteTexts(*texts);
}

void Form1::PasteTexts(const GridTexts& texts) {
  if (!FitsCells(texts)) return QApplication::beep();
  LoadTexts(texts);
}

void Form1::SetPace(int milliseconds) { grid_->SetPace(milliseconds); }

void Form1::Undo() {
  if (step_ != Step::None) return QApplication::beep();
  Record();
  Restore(history_->Undo());
}

void Form1::Redo() {
  if (step_ != Step::None) return QApplication::beep();
  Record();
  Restore(history_->Redo());
}

void Form1::Record() {
  if (!closing_ && step_ == Step::None) history_->Record(ReadTexts(*grid_));
}

void Form1::Restore(const std::optional<GridTexts>& texts) {
  if (!texts) return QApplication::beep();
  // The history already stands at this grid: nothing is recorded around it.
  step_ = Step::Grid;
  WriteAll(*texts);
  step_ = Step::None;
}

void Form1::MoveFocus(CellIndex from, Qt::Key direction) const {
  int row = RowOf(from);
  int column = ColumnOf(from);
  row += direction == Qt::Key_Down ? 1 : direction == Qt::Key_Up ? -1 : 0;
  column += direction == Qt::Key_Right ? 1 : direction == Qt::Key_Left ? -1 : 0;
  if (row < 1 || row > kUnitSize || column < 1 || column > kUnitSize) return;
  Text1(CellAt(row, column))->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const bool focus = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
  if (focus) Record();
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button != nullptr && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      button->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  for (CellField* cell : cells_) cell->SetMarks(cell->Written(), cell->Conflict());
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
  const bool run = index == kCalcButton;
  const auto command = [&] {
    if (run) running_ = true;
    const bool outer = std::exchange(user_write_, !run);
    // Runs inside the toolkit's event dispatch: nothing may escape from here.
    try {
      if (const auto result = noralim::cmdExec_Click(index, *grid_, *services_)) Ended(*result);
    } catch (const SolveStopped&) {
      // The window was closed during the command, which has stopped writing;
      // "Calc" and the pointer are already back to idle.
    }
    user_write_ = outer;
    if (run) running_ = false;
  };
  if (step_ == Step::None) return AsStep(run ? Step::Run : Step::Clear, command);
  // A "Clear" inside a run or a Clear belongs to that step of the history.
  if (!run && (step_ == Step::Run || step_ == Step::Clear)) return command();
  QApplication::beep();
}

void Form1::Ended(SolveResult result) {
  const GridTexts texts = ReadTexts(*grid_);
  for (std::size_t k = 0; k < texts.size(); ++k) emptied_[k] = texts[k].empty();
  outcome_ = Outcome(texts, result);
  RefreshMarks();
  UpdateTitle();
  Announce(RunReport(texts));
}

void Form1::Announce(const QString& report) {
  // Qt 6.4 has no announcement event: an alert appears with the outcome and
  // the report, and the report becomes the window's description.
  announcer_->Announce(outcome_ + QStringLiteral(". ") + report);
  setAccessibleDescription(report);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void Form1::Text1_Change(CellIndex index) {
  CellField& cell = *Text1(index);
  ApplyCellStyle(cell);
  cell.setAccessibleDescription(CellDescription(cell.CellTextValue()));
  // A run's own write, or the user's edit (typed, pasted, loaded, cleared).
  const bool by_run = grid_->TakeWrite(index) && running_ && !user_write_;
  if (by_run != cell.Written()) cell.SetMarks(by_run, cell.Conflict());
  if (!by_run) {
    emptied_[static_cast<std::size_t>(index - 1)] = false;
    mistakes_[static_cast<std::size_t>(index - 1)] = false;
    if (guide_ != nullptr) {
      guide_->Dismiss();
      balloon_->hide();
    }
    if (!running_) {
      RefreshMarks();
      if (!std::exchange(outcome_, QString()).isEmpty()) UpdateTitle();
    }
  }
  QCoreApplication::processEvents();
}

void Form1::closeEvent(QCloseEvent* event) {
  closing_ = true;
  grid_->EndPause();
  QWidget::closeEvent(event);
}

}  // namespace noralim::ui
