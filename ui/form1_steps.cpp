// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The steps of the grid's history: loads, pastes, undo and redo, and the
// step Next step takes, each written through the cells' ordinary writes.
#include <QApplication>
#include <QClipboard>
#include <utility>

#include "reader/source.h"
#include "solver/solve.h"
#include "ui/form1.h"
#include "ui/gridclipboard.h"

namespace noralim::ui {

void Form1::AsStep(Step step, const std::function<void()>& write) {
  Record();
  step_ = step;
  running_ = step == Step::Run;
  write();
  step_ = Step::None;
  running_ = false;
  RefreshMarks();
  Record();
  SaveState();  // also an outcome that changed no cell
}

void Form1::LoadTexts(const GridTexts& texts, const QString& source) {
  LoadTexts(texts, PuzzleSource{source.toStdString(), {}, 0});
}

void Form1::LoadTexts(const GridTexts& texts, const PuzzleSource& source) {
  if (!CanStart(Command::Load)) return QApplication::beep();
  const auto load = [&] {
    NewGrid(source.title.empty() && texts == ReadTexts(*grid_) ? source_ : source);
    WriteAll(texts);
    // What came with the puzzle is given; in a run, a cell it already
    // rewrote keeps that.
    CellOrigins origins = Origins();
    const GridTexts now = ReadTexts(*grid_);
    for (std::size_t k = 0; k < texts.size(); ++k) {
      if (!texts[k].empty() && now[k] == texts[k]) origins[k] = Origin::Given;
    }
    SetOrigins(origins);
  };
  if (step_ == Step::Run) {
    load();
    return RefreshMarks();
  }
  // A load is a step of its own, so that undo goes back to the grid before it.
  AsStep(Step::Grid, load);
}

void Form1::NewGrid(const PuzzleSource& source) {
  DismissStep();
  taking_ = false;
  contradicted_ = {};
  mistakes_ = {};
  source_ = source;
  UpdateTitle();
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

void Form1::TakeTexts(const GridTexts& texts) {
  DismissStep();
  outcome_.clear();  // the grid moves on from where the last run left it
  UpdateTitle();
  // Only the cells the step changes: what the user types elsewhere
  // meanwhile stays.
  const GridTexts before = ReadTexts(*grid_);
  AsStep(Step::Run, [&] {
    taking_ = true;
    try {
      for (CellIndex i = 1; i <= kCellCount && taking_; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (texts[k] != before[k]) grid_->SetCellText(i, texts[k]);
      }
    } catch (const SolveStopped&) {
      // The window was closed while the step went in; the rest stay unwritten.
    }
    taking_ = false;
  });
}

void Form1::CopyGrid() const { QGuiApplication::clipboard()->setText(GridToLine(*grid_)); }

void Form1::PasteGrid() {
  const auto read = ReadPastedGrid(QGuiApplication::clipboard()->text());
  if (const auto* refusal = std::get_if<PasteRefusal>(&read)) return RefusePaste(refusal->message);
  PasteTexts(std::get<GridTexts>(read));
}

void Form1::RefusePaste(const QString& why) {
  if (!why.isEmpty()) Say(why);
  QApplication::beep();
}

void Form1::PasteTexts(const GridTexts& texts) {
  if (!FitsCells(texts, CellField::kMaxCharacters)) return QApplication::beep();
  LoadTexts(texts);
}

void Form1::Undo() {
  Record();  // typing not yet recorded is the step undone
  if (!CanStart(Command::Undo)) return QApplication::beep();
  Restore(*history_->Undo());
}

void Form1::Redo() {
  Record();  // typing not yet recorded drops the steps to redo
  if (!CanStart(Command::Redo)) return QApplication::beep();
  Restore(*history_->Redo());
}

KeptGrid Form1::Shown() const { return {ReadTexts(*grid_), Origins(), source_.title}; }

void Form1::Record() {
  if (!closing_ && step_ == Step::None && history_->Record(Shown())) SaveState();
}

CellOrigins Form1::Origins() const {
  CellOrigins origins{};
  for (std::size_t k = 0; k < cells_.size(); ++k) origins[k] = cells_[k]->From();
  return origins;
}

void Form1::SetOrigins(const CellOrigins& origins) {
  for (std::size_t k = 0; k < cells_.size(); ++k) {
    if (cells_[k]->From() != origins[k]) cells_[k]->SetMarks(origins[k], cells_[k]->Conflict(), colors_);
  }
}

void Form1::Restore(const KeptGrid& grid) {
  // The history already stands at this grid: nothing is recorded around it.
  step_ = Step::Grid;
  // The history keeps the title only: the file and line stay while it is the same.
  NewGrid(grid.source == source_.title ? source_ : PuzzleSource{grid.source, {}, 0});
  WriteAll(grid.texts);
  SetOrigins(grid.kinds);
  step_ = Step::None;
  RefreshMarks();
  SaveState();
}

}  // namespace noralim::ui
