// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's keys and the cells' context menu, and what they do that is
// not a step of the history: Next step, Check, the highlight, moving
// between the cells.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>

#include "solver/solve.h"
#include "ui/form1.h"
#include "ui/translation.h"

namespace noralim::ui {

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

void Form1::PressCalc() const {
  if (cmdExec(kCalcButton)->isEnabled()) cmdExec(kCalcButton)->click();
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

void Form1::Say(const QString& sentence) {
  balloon_->Say(sentence);
  announcer_->Announce(sentence);
}

void Form1::Dismiss() {
  guide_->Dismiss();
  guide_->Highlight(0);
  balloon_->hide();
}

void Form1::MoveFocus(CellIndex from, Qt::Key direction) const {
  int row = RowOf(from);
  int column = ColumnOf(from);
  row += direction == Qt::Key_Down ? 1 : direction == Qt::Key_Up ? -1 : 0;
  column += direction == Qt::Key_Right ? 1 : direction == Qt::Key_Left ? -1 : 0;
  if (row < 1 || row > kUnitSize || column < 1 || column > kUnitSize) return;
  Text1(CellAt(row, column))->setFocus(Qt::OtherFocusReason);
}

}  // namespace noralim::ui
