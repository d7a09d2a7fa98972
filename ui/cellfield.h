// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// One cell of the grid: an editable multi-line text field.
#pragma once

#include <QPainter>
#include <QTextEdit>
#include <optional>

#include "solver/celltext.h"
#include "solver/digitgrid.h"
#include "solver/gridtexts.h"
#include "ui/cellcolors.h"
#include "ui/cellorigin.h"

namespace noralim::ui {

// Wraps long text, shows no scroll bars, takes Enter as a line break and
// leaves Tab to move the focus. The field's document is the cell's storage:
// the text in the solver's form is derived from it, kept until it changes.
//
// What a person sees: every text of up to nine characters fits inside the
// cell at the size its style gives it, squeezed as little as it takes (line
// spacing first, then width), centred both ways; the cell with the focus is
// marked by a frame in the palette's highlight; entering it by Tab or an
// arrow key selects its text, so that typing replaces it.
class CellField final : public QTextEdit {
  Q_OBJECT

 public:
  // The longest text a cell holds, in the solver's characters (a line break
  // counts two): typing, a paste or a load that would make a longer one
  // beeps and leaves the cell as it was, so that whatever the window holds
  // can be copied and pasted back. Far more than any use of a cell needs,
  // and short enough for every change of the cell to stay quick.
  static constexpr std::size_t kMaxCharacters = 65536;

  explicit CellField(QWidget* parent = nullptr);

  // The text as the solver sees it: one element per code point, every line
  // break as the two characters CR LF.
  [[nodiscard]] const CellText& CellTextValue() const;
  // Replaces the text when it would read back differently. CR LF, a lone CR
  // and a lone LF each become one line break of the document, which reads
  // back as CR LF. Says whether it did.
  bool SetCellTextValue(const CellText& text);

  // Takes the font, given at the window's base size, scaled to the cell's
  // size and squeezed as far as needed, and lays the text out to fit the
  // cell. Changes no text and raises no textChanged.
  void FitText(const QFont& base);
  // The font last given to FitText (or set when the cell was made), at the
  // base size.
  [[nodiscard]] QFont BaseFont() const { return base_font_.value_or(font()); }
  // How many times the base layout the window is drawn: the cell's frame,
  // its font and what is drawn over it grow by this factor. A change lays
  // the text out again.
  void SetScale(double factor);
  [[nodiscard]] double Scale() const { return scale_; }

  // How the text is drawn: by where it came from (the puzzle's givens in the
  // palette's text colour, the user's entries and a run's writes in colours
  // of their own), and on a background that marks a conflict; in the colours
  // of the window's palette (`window`, ColorsFor it), which a change of that
  // palette calls for again.
  void SetMarks(Origin origin, bool conflict, const CellColors& window);
  [[nodiscard]] Origin From() const { return origin_; }
  [[nodiscard]] bool Written() const { return origin_ == Origin::Written; }
  [[nodiscard]] bool Conflict() const { return conflict_; }

  // What is drawn over the text: the digit highlighted in the whole grid
  // (the cell tinted when it holds it, the digit marked among candidates),
  // and a step of the ladder: a frame when the cell justifies it, the
  // candidates it removes struck out, the digit it places circled.
  struct Overlay {
    int highlight = 0;  // 1 to 9, or 0 for none
    bool cause = false;
    DigitSet removed;
    int placed = 0;  // 1 to 9, or 0 for none
    friend bool operator==(const Overlay&, const Overlay&) = default;
  };
  void SetOverlay(const Overlay& overlay);
  [[nodiscard]] const Overlay& CurrentOverlay() const { return overlay_; }

  // The window's actions that the context menu shows before and after the
  // cell's own editing actions.
  void SetMenuActions(QList<QAction*> before, QList<QAction*> after);

 signals:
  // An arrow key at the edge of the text: the neighbour that way should take
  // the focus.
  void leaveRequested(Qt::Key direction);
  // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y: meant for the grid's history, not the
  // cell's own.
  void undoRequested();
  void redoRequested();
  // The context menu is about to show: the window's actions in it should be
  // brought up to date.
  void menuAboutToShow();
  // The context menu has closed.
  void menuHidden();
  // What was pasted into the cell is a whole puzzle: it is meant for the
  // grid, not the cell.
  void gridPasted(const GridTexts& texts);
  // What was pasted is a grid with a row too many: it goes neither into the
  // grid nor into the cell.
  void gridRefused(const QString& why);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // A new size lays the text out again to fit it.
  void resizeEvent(QResizeEvent* event) override;
  // A new palette: the colours of the overlay and the focus frame are made
  // from it again when next drawn.
  void changeEvent(QEvent* event) override;
  // The grid's undo and redo, the cell's own editing, and the window's
  // actions for the whole grid.
  void contextMenuEvent(QContextMenuEvent* event) override;
  [[nodiscard]] bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  [[nodiscard]] bool AtEdge(Qt::Key direction) const;
  // Whether replacing the selection by `added` keeps the text within
  // kMaxCharacters; beeps when it does not.
  [[nodiscard]] bool Takes(const QString& added) const;

  mutable std::optional<CellText> text_;  // derived from the document; reset on every change
  // The box of the first copy of a digit in the text, where the viewport
  // shows it; empty when the text does not hold it.
  [[nodiscard]] QRectF DigitBox(int digit) const;
  void PaintOverlay(QPainter& painter) const;
  // The colours of the cell's own palette, made once for each palette: the
  // contrast searches behind them are too slow for every paint.
  [[nodiscard]] const CellColors& Colors() const;

  mutable std::optional<CellColors> colors_;  // reset on every change of the palette
  std::optional<QFont> base_font_;
  double scale_ = 1.0;

  Overlay overlay_;
  QList<QAction*> actions_before_;
  QList<QAction*> actions_after_;
  Origin origin_ = Origin::Entry;
  bool conflict_ = false;
};

}  // namespace noralim::ui
