// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The main window: 81 cells and the buttons "Calc" and "Clear".
#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "solver/gridtexts.h"
#include "ui/accessiblecell.h"
#include "ui/balloon.h"
#include "ui/cellfield.h"
#include "ui/formservices.h"
#include "ui/gridhistory.h"
#include "ui/outcome.h"
#include "ui/puzzlefiles.h"
#include "ui/puzzlestock.h"
#include "ui/statefile.h"
#include "ui/stepguide.h"
#include "ui/windowgrid.h"

namespace noralim::ui {

// A fixed layout of 293 x 323 pixels, scaled as a whole to the window's
// size: the cells `Text1`(1..81), box-major, and below them `cmdExec`(0)
// "Calc" and `cmdExec`(1) "Clear".
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Cell i, 1 to 81, box-major.
  [[nodiscard]] CellField* Text1(CellIndex i) const { return cells_.at(static_cast<std::size_t>(i - 1)); }
  // Button 0 "Calc", 1 "Clear".
  [[nodiscard]] QPushButton* cmdExec(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  // The cells as the solver's grid.
  [[nodiscard]] CellGrid& Grid() const { return *grid_; }

  // Writes the texts into the cells, as if typed, as one step of the
  // history: no solve starts. `source` says where the puzzle came from
  // ("puzzles.txt:4"), shown in the title; without one, the title keeps the
  // name only when the grid stays as it is. During a run the texts go in as
  // the user's edits, and a step Next step is taking stops; while a Clear or
  // another grid is being written, it only beeps.
  void LoadTexts(const GridTexts& texts, const QString& source = {});
  // The same from a file's line, which the state keeps to walk the file on.
  void LoadTexts(const GridTexts& texts, const PuzzleSource& source);
  // Ctrl+Shift+C: the whole grid onto the clipboard as one line.
  void CopyGrid() const;
  // Ctrl+Shift+V: fills the grid from the first puzzle on the clipboard;
  // for anything else beeps, says what is wrong with it under the window and
  // leaves every cell as it is.
  void PasteGrid();
  // A whole puzzle pasted into a cell (Ctrl+V): the grid takes it.
  void PasteTexts(const GridTexts& texts);
  // A paste that holds no grid to take: beeps and says why, when it can.
  void RefusePaste(const QString& why);
  // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y: a step back or forward in the grid's
  // history, written through the cells' ordinary writes; while any step is
  // being written (a run, a Clear, another grid) they only beep.
  void Undo();
  void Redo();
  // Where the puzzle came from ("puzzles.txt:4"), shown in the title; empty
  // for none.
  void SetSource(const QString& source);
  // The same with the file and line it came from, which the state keeps.
  void SetSource(const PuzzleSource& source);
  [[nodiscard]] const PuzzleSource& Source() const { return source_; }

  // Ctrl+O: the first puzzle of a file, in any form the reader takes, as
  // one step; Alt+Right and Alt+Left: the next and the previous puzzle of
  // the file opened last, each one step. What is wrong, under the window.
  void OpenFile(const QString& path);
  void OpenNeighbour(bool forward);
  // Ctrl+S: the grid as it stands, in the form the file's name asks for
  // (see SavedForm); false, and why under the window, when it cannot.
  bool SaveFile(const QString& path);
  // Ctrl+P: the grid as it stands through the print dialog, with a preview.
  void PrintGrid();

  // Opens the state the file holds, if any (or says why it cannot), and
  // writes the window's state there after every step from now on.
  void KeepState(std::unique_ptr<StateFile> file);

  // Ctrl+1 to Ctrl+9: tints every cell that holds the digit as its value or
  // among its candidates, and marks it there, as the cells change; 0
  // (Ctrl+0, Escape) for none.
  void HighlightDigit(int digit);
  // F6: the simplest step of the technique ladder from the grid as it is,
  // shown over the cells and said in a sentence; F6 again takes it, as one
  // step of the history, paced like a run. Escape or an edit dismisses it.
  void NextStep();
  // Ctrl+N, and the context menu's "New puzzle": a puzzle made for the rung
  // (the one chosen last for Ctrl+N), loaded as one step of the history, its
  // digits givens; the title names the rung and the seed that makes it again.
  void NewPuzzle(std::optional<Level> asked = std::nullopt);
  // Starts making puzzles of the rung chosen last ahead of time, so that
  // the next one comes at once.
  void PrepareNewPuzzles();
  // F7: the cells that disagree with the solution of the digits the user
  // typed, marked as conflicts until they are edited; nothing else changes.
  void CheckGrid();

  // Milliseconds a run waits after each cell it changes, processing events,
  // so that a person can follow it; 0, the default, for none. Takes effect at
  // once, also in the middle of a run.
  void SetPace(int milliseconds);

 protected:
  // Marks the window as closing, so that a running solve stops at its next
  // write or event step instead of carrying on behind a closed window.
  void closeEvent(QCloseEvent* event) override;
  // On the cells and the buttons: a focus change records the grid, the edge
  // of a step of typing into a cell; Enter on a button presses it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A new palette: the cells' colours are made from it again, once.
  void changeEvent(QEvent* event) override;
  // The base layout drawn at the window's size, times one factor.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateCells();
  void CreateButtons();
  // The window's keys, each an action of the window; the grid's undo, redo,
  // copy and paste, Next step, Check and the highlight also in every cell's
  // context menu.
  void CreateActions();
  // Open, save and print, for the context menu; and the keys to the next
  // and previous puzzle of a file.
  QList<QAction*> CreateFileActions();
  void OpenFromDialog();
  void SaveFromDialog();
  // Loads a puzzle of a file as one step; beeps when no load may start.
  void LoadFilePuzzle(const QString& path, const FilePuzzle& found);
  // The context menu's "New puzzle": one entry a rung.
  QMenu* CreateNewPuzzleMenu();
  // The stock of new puzzles, made now if need be.
  PuzzleStock& Stock();
  // What the window is writing now. The user's edits, and a Clear or a paste
  // within a run, nest inside a step and belong to it; a Clear nests inside a
  // Clear; any other step that arrives while one is written is refused with
  // a beep, so the history only ever holds grids that were on screen.
  enum class Step : std::uint8_t { None, Run, Clear, Grid };
  // The commands that wait for the step being written, as their keys and
  // the context menu both ask.
  enum class Command : std::uint8_t { Load, Undo, Redo, NextStep, Check };
  // Whether the command would go ahead now rather than beep: a load or paste
  // also goes into a run, as the user's edit; everything else waits until no
  // step is written; undo and redo need a grid to go to, once the typing is
  // recorded.
  [[nodiscard]] bool CanStart(Command command) const;

  // Runs write as one step of the history, recording the grid at its edges
  // and marking the cells once at its end.
  void AsStep(Step step, const std::function<void()>& write);
  void Form_Load();
  void cmdExec_Click(std::int16_t index);
  void Text1_Change(CellIndex index);
  // An arrow key at the edge of cell `from`: its neighbour that way in the
  // grid, if any, takes the focus.
  void MoveFocus(CellIndex from, Qt::Key direction) const;
  // The grid as it is now, as the end of a step of the history.
  void Record();
  // The grid as it is now, as a step of the history keeps it.
  [[nodiscard]] KeptGrid Shown() const;
  // Writes a grid from the history, with its source and origins, and marks
  // the cells.
  void Restore(const KeptGrid& grid);
  // The window's state with the given history.
  [[nodiscard]] WindowState StateWith(GridHistory history) const;
  // The window's state to the state file, when it keeps one.
  void SaveState();
  // The same with the typing not yet recorded as if it were, so that a
  // window killed in the middle of typing loses nothing; the history itself
  // keeps the typing in one cell as one step.
  void SaveTyping();
  void RestoreState(WindowState state);
  // Where every cell's text came from, and the same set again (a load makes
  // its texts givens, an undo brings back the origins of its grid).
  [[nodiscard]] CellOrigins Origins() const;
  void SetOrigins(const CellOrigins& origins);
  // Writes every cell that changes, as the user's edits (a load, a paste, an
  // undo), stopping quietly when the window closes meanwhile.
  void WriteAll(const GridTexts& texts);
  // Another grid begins (a Clear, a load, a paste, an undo or redo), from
  // `source`: the step shown and the sentence go, and so do the rest of a
  // step being taken and the marks of the last run and of Check.
  void NewGrid(const PuzzleSource& source);
  // What a finished run leaves: the cells of its contradiction, marked at
  // the end of its step; its outcome in the title and told to assistive
  // technology.
  void Ended(SolveResult result);
  // Tells assistive technology how a run ended.
  void Announce(const QString& report);
  // Marks the cells in conflict: texts that are no digit or candidates,
  // values repeated in a unit, the cells a run stopped at, cells Check found
  // wrong. After every edit outside a step, and at the end of each step.
  void RefreshMarks();
  // How the last run ended, where the puzzle came from, and "Noralim".
  void UpdateTitle();
  // Presses "Calc" from the keyboard, wherever the focus is.
  void PressCalc() const;
  // Writes the texts of a step into the cells it changes, as a run's
  // writes, as one step of the history; a Clear, a load or a paste
  // meanwhile stops it.
  void TakeTexts(const GridTexts& texts);
  // Tells the user: a sentence under the window, an alert for assistive
  // technology.
  void Say(const QString& sentence);
  // Escape: the step shown, the sentence and the highlight go.
  void Dismiss();
  // The step shown and the sentence go; the highlight stays.
  void DismissStep();

  WindowGrid::Cells cells_{};
  std::array<QPushButton*, 2> buttons_{};
  bool closing_ = false;
  // A "Calc" run or a step Next step takes is being written: step_ is
  // Step::Run, set together with it for the grid, which paces such writes.
  bool running_ = false;
  Step step_ = Step::None;
  bool user_write_ = false;  // the cells written now are the user's: a load or a Clear
  bool taking_ = false;      // a step Next step shows is being written; false stops it
  // The cells a run stopped at (both copies of a repeat, or the cell left
  // with no candidate), until they are edited.
  CellFlags contradicted_{};
  PuzzleSource source_;
  std::unique_ptr<StateFile> state_file_;
  QTimer typing_saved_;   // a short pause in typing, then SaveTyping
  QString outcome_;       // how the last run ended, until the grid is edited
  CellFlags mistakes_{};  // cells Check found wrong, until they are edited
  CellColors colors_;     // ColorsFor the window's palette, made again when it changes
  std::unique_ptr<WindowGrid> grid_;
  std::unique_ptr<FormServices> services_;
  std::unique_ptr<GridHistory> history_;
  Announcer* announcer_ = nullptr;
  Balloon* balloon_ = nullptr;
  std::unique_ptr<StepGuide> guide_;
  std::unique_ptr<PuzzleStock> stock_;  // made on first use
};

}  // namespace noralim::ui
