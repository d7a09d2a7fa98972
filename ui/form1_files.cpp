// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzle files and paper: open, the next and previous puzzle of a file,
// save, print.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "solver/solve.h"
#include "ui/booklet.h"
#include "ui/form1.h"
#include "ui/startup.h"
#include "ui/translation.h"

namespace noralim::ui {

QList<QAction*> Form1::CreateFileActions() {
  const auto command = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
  };
  // Alt and the arrows, as a browser goes back and forward.
  command({}, {Qt::ALT | Qt::Key_Right}, [this] { OpenNeighbour(true); });
  command({}, {Qt::ALT | Qt::Key_Left}, [this] { OpenNeighbour(false); });
  return {command(Tr(QT_TRANSLATE_NOOP("noralim", "&Open...")), {QKeySequence::Open}, &Form1::OpenFromDialog),
          command(Tr(QT_TRANSLATE_NOOP("noralim", "&Save...")), {QKeySequence::Save}, &Form1::SaveFromDialog),
          command(Tr(QT_TRANSLATE_NOOP("noralim", "&Print...")), {QKeySequence::Print}, &Form1::PrintGrid)};
}

void Form1::OpenFromDialog() {
  const QString path = QFileDialog::getOpenFileName(
      this, Tr(QT_TRANSLATE_NOOP("noralim", "Open a puzzle")), QFileInfo(QString::fromStdString(source_.file)).path(),
      Tr(QT_TRANSLATE_NOOP("noralim", "Puzzles (*.txt *.sdk *.ss *.json);;All files (*)")));
  if (!path.isEmpty()) OpenFile(path);
}

void Form1::SaveFromDialog() {
  const QString path = QFileDialog::getSaveFileName(this, Tr(QT_TRANSLATE_NOOP("noralim", "Save the grid")), QString(),
                                                    Tr(QT_TRANSLATE_NOOP("noralim",
                                                                         "A puzzle line (*.txt);;Nine rows (*.sdk);;"
                                                                         "Every cell's text (*.json)")));
  if (!path.isEmpty()) SaveFile(path);
}

void Form1::OpenFile(const QString& path) {
  const auto found = FindPuzzle(path.toStdString(), {0, true}, CellField::kMaxCharacters);
  if (const auto* rejected = std::get_if<Rejected>(&found)) {
    QApplication::beep();
    return Say(QString::fromStdString(Translated(*rejected)));
  }
  LoadFilePuzzle(path, std::get<FilePuzzle>(found));
}

void Form1::OpenNeighbour(bool forward) {
  if (source_.file.empty() || !CanStart(Command::Load)) return QApplication::beep();
  const auto found = FindPuzzle(source_.file, {source_.line, forward}, CellField::kMaxCharacters);
  if (const auto* puzzle = std::get_if<FilePuzzle>(&found)) {
    return LoadFilePuzzle(QString::fromStdString(source_.file), *puzzle);
  }
  QApplication::beep();
  Say(forward ? Tr(QT_TRANSLATE_NOOP("noralim", "No puzzle after this one in the file."))
              : Tr(QT_TRANSLATE_NOOP("noralim", "No puzzle before this one in the file.")));
}

void Form1::LoadFilePuzzle(const QString& path, const FilePuzzle& found) {
  if (!CanStart(Command::Load)) return QApplication::beep();
  const QFileInfo file(path);
  LoadTexts(found.puzzle.texts, PuzzleSource{QStringLiteral("%1:%2").arg(file.fileName()).arg(found.line).toStdString(),
                                             file.absoluteFilePath().toStdString(), found.line});
}

bool Form1::SaveFile(const QString& path) {
  Record();  // typing not yet recorded is part of the grid as it stands
  const auto error = WriteWhole(path, SavedText({ReadTexts(*grid_), Origins(), {}}, FormOfName(path)));
  if (!error) return true;
  QApplication::beep();
  Say(Tr(QT_TRANSLATE_NOOP("noralim", "Could not save %1: %2")).arg(QFileInfo(path).fileName(), *error));
  return false;
}

void Form1::PrintGrid() {
  QPrinter printer;
  QPrintPreviewDialog preview(&printer, this);
  const KeptGrid grid{ReadTexts(*grid_), Origins(), {}};
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* paper) {
    QPainter painter(paper);
    const QRectF page = paper->pageLayout().paintRectPixels(paper->resolution());
    const double side = std::min(page.width(), page.height());
    DrawGrid(painter, QRectF(0, 0, side, side), grid);
  });
  preview.exec();
}

}  // namespace noralim::ui
