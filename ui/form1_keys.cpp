// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's keys and the cells' context menu, and what they do that is
// not a step of the history: Next step, Check, the highlight, moving
// between the cells.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <array>
#include <utility>

#include "solver/solve.h"
#include "ui/form1.h"
#include "ui/translation.h"

namespace noralim::ui {

void Form1::CreateActions() {
  // One action a command, added to the window so that its keys work wherever
  // the focus is in it; the cells' context menu shows the same actions.
  const auto command = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
  };
  // "Calc" from anywhere: F5, as a recalculation is started in spreadsheets,
  // and Ctrl+Enter, as a form is sent from a text field; Enter alone stays a
  // line break in a cell.
  command({}, {Qt::Key_F5, Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}, &Form1::PressCalc);
  // Undo and redo where the focus is on a button; a cell raises them itself.
  QAction* undo = command(Tr(QT_TRANSLATE_NOOP("noralim", "&Undo")), {QKeySequence::Undo}, &Form1::Undo);
  QAction* redo = command(Tr(QT_TRANSLATE_NOOP("noralim", "&Redo")),
                          {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}, &Form1::Redo);
  // Keys no cell uses, so a cell's own Ctrl+C and Ctrl+V stay as they are.
  QAction* copy =
      command(Tr(QT_TRANSLATE_NOOP("noralim", "Copy the &grid")), {Qt::CTRL | Qt::SHIFT | Qt::Key_C}, &Form1::CopyGrid);
  QAction* paste =
      command(Tr(QT_TRANSLATE_NOOP("noralim", "Paste a gr&id")), {Qt::CTRL | Qt::SHIFT | Qt::Key_V}, &Form1::PasteGrid);
  // F6 for the next step, beside F5 for Calc; F7 checks, the key that checks
  // spelling in word processors.
  QAction* next = command(Tr(QT_TRANSLATE_NOOP("noralim", "&Next step")), {Qt::Key_F6}, &Form1::NextStep);
  QAction* check = command(Tr(QT_TRANSLATE_NOOP("noralim", "C&heck")), {Qt::Key_F7}, &Form1::CheckGrid);
  // Ctrl+digit highlights the digit, as the digit keys name it everywhere
  // in the window; Ctrl+0 and Escape take the highlight away.
  auto* highlight = new QMenu(Tr(QT_TRANSLATE_NOOP("noralim", "&Highlight")), this);
  for (int digit = 1; digit <= kUnitSize; ++digit) {
    highlight->addAction(command(QString::number(digit), {Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + digit)},
                                 [this, digit] { HighlightDigit(digit); }));
  }
  highlight->addAction(
      command(Tr(QT_TRANSLATE_NOOP("noralim", "None")), {Qt::CTRL | Qt::Key_0}, [this] { HighlightDigit(0); }));
  command({}, {Qt::Key_Escape}, &Form1::Dismiss);
  command({}, {QKeySequence::New}, [this] { NewPuzzle(); });
  QMenu* fresh = CreateNewPuzzleMenu();
  // Closing by the keys people use for it, also in the middle of a run.
  command({}, {Qt::CTRL | Qt::Key_W, Qt::CTRL | Qt::Key_Q}, &QWidget::close);

  // The menu greys what its key would only beep at now; outside the menu
  // every action stays enabled, so that its key always reaches the handler,
  // which beeps.
  const std::array<std::pair<QAction*, Command>, 5> guarded = {{{undo, Command::Undo},
                                                                {redo, Command::Redo},
                                                                {paste, Command::Load},
                                                                {next, Command::NextStep},
                                                                {check, Command::Check}}};
  const QList<QAction*> files = CreateFileActions();
  for (CellField* cell : cells_) {
    cell->SetMenuActions(
        {undo, redo}, QList<QAction*>{copy, paste, next, check, highlight->menuAction(), fresh->menuAction()} + files);
    connect(cell, &CellField::menuAboutToShow, this, [=, this] {
      Record();  // as undo and redo do first: typing not yet recorded is a step
      for (const auto& [action, what] : guarded) action->setEnabled(CanStart(what));
    });
    connect(cell, &CellField::menuHidden, this, [=] {
      for (const auto& guard : guarded) guard.first->setEnabled(true);
    });
  }
}

bool Form1::CanStart(Command command) const {
  switch (command) {
    case Command::Load:
      return step_ == Step::None || step_ == Step::Run;
    case Command::Undo:
      return step_ == Step::None && history_->CanUndo();
    case Command::Redo:
      return step_ == Step::None && history_->CanRedo();
    case Command::NextStep:
    case Command::Check:
      break;
  }
  return step_ == Step::None;
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

void Form1::HighlightDigit(int digit) {
  guide_->Highlight(digit);
  SaveState();
}

void Form1::NextStep() {
  if (!CanStart(Command::NextStep)) return QApplication::beep();
  guide_->NextStep();
}

void Form1::CheckGrid() {
  if (!CanStart(Command::Check)) return QApplication::beep();
  guide_->Dismiss();
  const GridTexts texts = ReadTexts(*grid_);
  CellFlags givens{};
  CellFlags entries{};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    givens[k] = texts[k].size() == 1 && cells_[k]->From() == Origin::Given;
    entries[k] = texts[k].size() == 1 && cells_[k]->From() == Origin::Entry;
  }
  const CheckResult result = Check(texts, givens, entries);
  mistakes_ = result.mistakes;
  RefreshMarks();
  Say(result.sentence);
}

void Form1::Say(const QString& sentence) {
  balloon_->Say(sentence);
  announcer_->Announce(sentence);
}

void Form1::Dismiss() {
  DismissStep();
  HighlightDigit(0);
}

void Form1::DismissStep() {
  guide_->Dismiss();
  balloon_->Dismiss();
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
