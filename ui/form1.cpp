// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <algorithm>
#include <utility>

#include "solver/solve.h"
#include "ui/accessibility.h"
#include "ui/cellstyle.h"
#include "ui/scaledlayout.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// How long typing pauses before what was typed is saved with the state.
constexpr int kTypingSaveDelayMs = 300;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  InstallAccessibleInterfaces();
  setWindowTitle(QStringLiteral("Noralim"));
  // The base layout is the smallest; larger, it grows as a whole.
  setMinimumSize(kBaseSize);
  resize(kBaseSize);
  colors_ = ColorsFor(palette());
  CreateCells();
  // Whatever is typed first is an entry, in the entries' colour.
  for (CellField* cell : cells_) cell->SetMarks(Origin::Entry, false, colors_);
  CreateButtons();
  announcer_ = new Announcer(this);
  balloon_ = new Balloon(*this);
  CreateActions();
  grid_ = std::make_unique<WindowGrid>(cells_, closing_, running_, user_write_);
  services_ = std::make_unique<FormServices>(*cmdExec(kCalcButton), closing_);
  guide_ = std::make_unique<StepGuide>(
      cells_, *grid_, [this](const GridTexts& texts) { TakeTexts(texts); },
      [this](const QString& sentence) { Say(sentence); });
  Form_Load();
  history_ = std::make_unique<GridHistory>(KeptGrid{ReadTexts(*grid_), Origins(), {}});
  typing_saved_.setSingleShot(true);
  typing_saved_.setInterval(kTypingSaveDelayMs);
  connect(&typing_saved_, &QTimer::timeout, this, &Form1::SaveTyping);
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
    cell->setGeometry(BaseCellRect(i));
    cell->setFont(font);
    cell->setAccessibleName(CellName(index));
    cell->setAccessibleDescription(CellDescription({}));
    connect(cell, &QTextEdit::textChanged, this, [this, index] { Text1_Change(index); });
    connect(cell, &CellField::leaveRequested, this, [this, index](Qt::Key key) { MoveFocus(index, key); });
    connect(cell, &CellField::undoRequested, this, &Form1::Undo);
    connect(cell, &CellField::redoRequested, this, &Form1::Redo);
    connect(cell, &CellField::gridPasted, this, &Form1::PasteTexts);
    connect(cell, &CellField::gridRefused, this, &Form1::RefusePaste);
    // Entering and leaving a cell are the edges of a step of typing into it.
    cell->installEventFilter(this);
    cells_[static_cast<std::size_t>(i - 1)] = cell;
  }
}

void Form1::CreateButtons() {
  const std::array<QString, 2> captions = {QStringLiteral("Calc"), QStringLiteral("Clear")};
  for (std::size_t k = 0; k < 2; ++k) {
    auto* button = new QPushButton(captions[k], this);
    button->setGeometry(BaseButtonRect(static_cast<int>(k)));
    button->installEventFilter(this);
    button->setAccessibleName(captions[k]);
    const auto index = static_cast<std::int16_t>(k);
    connect(button, &QPushButton::clicked, this, [this, index] { cmdExec_Click(index); });
    buttons_[k] = button;
  }
}

void Form1::SetSource(const QString& source) { SetSource(PuzzleSource{source.toStdString(), {}, 0}); }

void Form1::SetSource(const PuzzleSource& source) {
  source_ = source;
  UpdateTitle();
  Record();  // the grid shown takes the source, in the history too
  SaveState();
}

void Form1::UpdateTitle() {
  // The news first, where a narrow title bar cuts nothing off.
  QString title;
  for (const QString& part : {outcome_, QString::fromStdString(source_.title)}) {
    if (!part.isEmpty()) title += part + QStringLiteral(" \u2014 ");
  }
  setWindowTitle(title + QStringLiteral("Noralim"));
  // A title bar may cut the title short: over the grid it reads in full.
  title.chop(3);
  setToolTip(title);
}

void Form1::RefreshMarks() {
  const GridTexts texts = ReadTexts(*grid_);
  const MarkReasons reasons = ReasonsForMarks(texts, contradicted_, mistakes_);
  for (std::size_t k = 0; k < reasons.size(); ++k) {
    CellField& cell = *cells_[k];
    const bool conflict = !reasons[k].isEmpty();
    if (cell.Conflict() != conflict) cell.SetMarks(cell.From(), conflict, colors_);
    QString description = CellDescription(texts[k]);
    if (conflict) description += Tr(QT_TRANSLATE_NOOP("noralim", ", marked: %1")).arg(reasons[k]);
    if (cell.accessibleDescription() != description) cell.setAccessibleDescription(description);
  }
}

void Form1::SetPace(int milliseconds) { grid_->SetPace(milliseconds); }

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  colors_ = ColorsFor(palette());
  for (CellField* cell : cells_) cell->SetMarks(cell->From(), cell->Conflict(), colors_);
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
    if (run) {
      DismissStep();
    } else {
      NewGrid({});
    }
    const bool outer = std::exchange(user_write_, !run);
    // Runs inside the toolkit's event dispatch: nothing may escape from here.
    try {
      if (const auto result = noralim::cmdExec_Click(index, *grid_, *services_)) Ended(*result);
    } catch (const SolveStopped&) {
      // The window was closed during the command, which has stopped writing;
      // "Calc" and the pointer are already back to idle.
    }
    user_write_ = outer;
  };
  if (step_ == Step::None) return AsStep(run ? Step::Run : Step::Clear, command);
  // A "Clear" inside a run or a Clear belongs to that step of the history;
  // the marks it takes away go at once.
  if (!run && (step_ == Step::Run || step_ == Step::Clear)) {
    command();
    return RefreshMarks();
  }
  QApplication::beep();
}

void Form1::Ended(SolveResult result) {
  const GridTexts texts = ReadTexts(*grid_);
  contradicted_ = {};
  if (result.end == SolveEnd::Contradiction) {
    for (const CellIndex cell : {result.contradiction.cell, result.contradiction.other}) {
      if (cell != 0) contradicted_[static_cast<std::size_t>(cell - 1)] = true;
    }
  }
  outcome_ = Outcome(texts, result);
  UpdateTitle();
  Announce(RunReport(texts));
}

void Form1::Announce(const QString& report) {
  // Qt 6.4 has no announcement event: an alert appears with the outcome and
  // the report, and both become the window's description.
  const QString said = outcome_ + QStringLiteral(". ") + report;
  announcer_->Announce(said);
  setAccessibleDescription(said);
}

void Form1::Text1_Change(CellIndex index) {
  CellField& cell = *Text1(index);
  ApplyCellStyle(cell);
  cell.setAccessibleDescription(CellDescription(cell.CellTextValue()));
  // A run's own write, or the user's edit (typed, pasted, loaded, cleared).
  const bool by_run = grid_->TakeWrite(index) && running_ && !user_write_;
  // A load or an undo gives its cells their origins once written.
  const Origin origin = by_run ? Origin::Written : Origin::Entry;
  if (origin != cell.From()) cell.SetMarks(origin, cell.Conflict(), colors_);
  if (!by_run) {
    contradicted_[static_cast<std::size_t>(index - 1)] = false;
    mistakes_[static_cast<std::size_t>(index - 1)] = false;
    DismissStep();
    if (!running_ && !std::exchange(outcome_, QString()).isEmpty()) UpdateTitle();
    // A step of the history (a load, a Clear, an undo) marks once, at its end
    // and is saved then; typing is saved after a pause.
    if (step_ == Step::None) {
      RefreshMarks();
      typing_saved_.start();
    }
  }
  QCoreApplication::processEvents();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const Scaling scaling = Scaling::For(size());
  for (int i = 1; i <= kCellCount; ++i) {
    CellField& cell = *Text1(static_cast<CellIndex>(i));
    cell.SetScale(scaling.factor);
    cell.setGeometry(scaling.Map(BaseCellRect(i)));
  }
  for (int k = 0; k < 2; ++k) {
    cmdExec(k)->setFont(scaling.Map(QApplication::font(cmdExec(k))));
    cmdExec(k)->setGeometry(scaling.Map(BaseButtonRect(k)));
  }
}

void Form1::closeEvent(QCloseEvent* event) {
  Record();  // the typing in the cell with the focus is a step, kept with the state
  closing_ = true;
  grid_->EndPause();
  QWidget::closeEvent(event);
}

}  // namespace noralim::ui
