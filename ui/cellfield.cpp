// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/cellfield.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "ui/gridclipboard.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// The document keeps its line breaks as paragraph separators (Enter) or line
// separators (Shift+Enter); its raw text holds them as such, together with
// every other character exactly as typed (toPlainText would turn a no-break
// space into a plain one).
bool IsDocumentBreak(char32_t c) { return c == U'\n' || c == 0x2028 || c == 0x2029; }

CellText FromDocument(const QString& raw) {
  CellText out;
  out.reserve(static_cast<std::size_t>(raw.size()));
  for (const char32_t c : raw.toUcs4()) {
    if (IsDocumentBreak(c)) {
      out += U"\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

QString ToDocument(const CellText& text) {
  std::u32string plain;
  plain.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char32_t c = text[k];
    if (c == U'\r' && k + 1 < text.size() && text[k + 1] == U'\n') continue;  // the LF makes the break
    plain.push_back(c == U'\r' ? U'\n' : c);
  }
  return QString::fromUcs4(plain.data(), static_cast<qsizetype>(plain.size()));
}

// How far a text may be squeezed to fit its cell: the font's width and the
// distance between lines, in percent, mildest first (a point of line spacing
// weighs one and a half of width); and only when no such squeeze will do,
// the size of the type as drawn (the cell's font keeps the size its style
// gives it), so that every line of a text of a few lines shows. Texts longer
// than this many characters are never fitted: they cannot fit at any size.
struct Squeeze {
  int width;
  int line_spacing;
  int size;
};
constexpr auto kSqueezes = [] {
  constexpr std::array<int, 6> kWidths = {100, 88, 76, 64, 52, 46};
  constexpr std::array<int, 4> kSpacings = {100, 92, 84, 76};
  constexpr std::array<int, 4> kSizes = {100, 84, 70, 58};
  std::array<Squeeze, kWidths.size() * kSpacings.size() * kSizes.size()> squeezes{};
  std::size_t k = 0;
  for (const int size : kSizes) {
    for (const int width : kWidths) {
      for (const int spacing : kSpacings) squeezes[k++] = {width, spacing, size};
    }
  }
  const auto cost = [](Squeeze s) { return 1000 * (100 - s.size) + 2 * (100 - s.width) + 3 * (100 - s.line_spacing); };
  std::sort(squeezes.begin(), squeezes.end(), [&](Squeeze a, Squeeze b) { return cost(a) < cost(b); });
  return squeezes;
}();
constexpr std::size_t kLongestFittedText = 24;

// The box the laid-out lines take, in the document's coordinates.
QRectF LinesBox(QTextDocument& document) {
  QRectF box;
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QPointF at = layout->blockBoundingRect(block).topLeft();
    const QTextLayout* lines = block.layout();
    for (int k = 0; k < lines->lineCount(); ++k) {
      const QTextLine line = lines->lineAt(k);
      box |= QRectF(at.x() + line.naturalTextRect().x(), at.y() + line.y(), line.naturalTextWidth(), line.height());
    }
  }
  return box;
}

void Apply(QTextEdit& edit, const QFont& font, Squeeze squeeze) {
  QFont squeezed = font;
  squeezed.setStretch(squeeze.width);
  edit.setFont(squeezed);
  QTextCursor all(edit.document());
  all.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setAlignment(Qt::AlignHCenter);
  format.setLineHeight(squeeze.line_spacing, QTextBlockFormat::ProportionalHeight);
  all.mergeBlockFormat(format);
  QTextCharFormat size;
  size.setFontPointSize(font.pointSizeF() * squeeze.size / 100);
  all.mergeCharFormat(size);
}

}  // namespace

CellField::CellField(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setUndoRedoEnabled(false);  // the window keeps the grid's history
  setTabChangesFocus(true);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A flat one-pixel line: cells of a box share it, boxes show two of them.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  document()->setDocumentMargin(0);
  // The digit keys give the digits "1" to "9" whatever input method is on.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // contentsChange comes before contentsChanged, on which textChanged is raised.
  connect(document(), &QTextDocument::contentsChange, this, [this] { text_.reset(); });
}

const CellText& CellField::CellTextValue() const {
  if (!text_) text_ = FromDocument(document()->toRawText());
  return *text_;
}

bool CellField::SetCellTextValue(const CellText& text) {
  // Only a real change reaches the document, so only it raises textChanged.
  if (text == CellTextValue()) return false;
  const QString value = ToDocument(text);
  if (FromDocument(value) == CellTextValue()) return false;
  setPlainText(value);
  return true;
}

void CellField::FitText(const QFont& base) {
  // Formats and fonts change here, never the text: nobody is told.
  const QSignalBlocker quiet_edit(this);
  const QSignalBlocker quiet_document(document());
  base_font_ = base;
  QFont font = base;
  font.setPointSizeF(base.pointSizeF() * scale_);
  const QRectF room(QPointF(0, 0), QSizeF(viewport()->size()));
  QRectF box;
  bool fits = false;
  if (CellTextValue().size() <= kLongestFittedText) {
    // Every squeeze tried, the last one, the strongest, stays when none fits.
    for (const Squeeze squeeze : kSqueezes) {
      Apply(*this, font, squeeze);
      box = LinesBox(*document());
      fits = box.width() <= room.width() && box.height() <= room.height();
      if (fits) break;
    }
  } else {
    Apply(*this, font, kSqueezes.back());  // as much of it in view as can be
  }
  // Centred from top to bottom too.
  QTextFrameFormat frame = document()->rootFrame()->frameFormat();
  frame.setTopMargin(fits ? std::max(0.0, (room.height() - box.height()) / 2) : 0.0);
  document()->rootFrame()->setFrameFormat(frame);
  viewport()->update();
}

void CellField::SetScale(double factor) {
  if (factor == scale_) return;
  scale_ = factor;
  setLineWidth(std::max(1, static_cast<int>(std::lround(factor))));
  FitText(BaseFont());
}

void CellField::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  // A cell laid out before it had its size (a puzzle loaded before the window
  // first shows) is laid out again now, as is every cell the window scales.
  FitText(BaseFont());
}

bool CellField::AtEdge(Qt::Key direction) const {
  const QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) {
    // All of the text selected, as entering the cell leaves it: at every edge.
    return cursor.selectionStart() == 0 && cursor.selectionEnd() == document()->characterCount() - 1;
  }
  const QTextLayout* layout = cursor.block().layout();
  const int line = layout->lineForTextPosition(cursor.positionInBlock()).lineNumber();
  switch (direction) {
    case Qt::Key_Left:
      return cursor.atStart();
    case Qt::Key_Right:
      return cursor.atEnd();
    case Qt::Key_Up:
      return cursor.block() == document()->firstBlock() && line <= 0;
    default:
      return cursor.block() == document()->lastBlock() && line >= layout->lineCount() - 1;
  }
}

void CellField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo)) return emit undoRequested();
  if (event->matches(QKeySequence::Redo) || event->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
    return emit redoRequested();
  }
  const auto key = static_cast<Qt::Key>(event->key());
  // Enter makes a line break wherever the caret is: the editor's own Enter
  // takes an empty last line for the end of a formatted paragraph and does
  // nothing there.
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const QString typed = enter ? QStringLiteral("\n") : event->text();
  const bool inserts = !typed.isEmpty() && (enter || (typed.at(0) >= QChar(0x20) && typed.at(0) != QChar(0x7F)));
  if (inserts && !Takes(typed)) return;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    textCursor().insertText(QStringLiteral("\n"));
    return ensureCursorVisible();
  }
  const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  if (arrow && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && AtEdge(key)) {
    return emit leaveRequested(key);
  }
  QTextEdit::keyPressEvent(event);
}

void CellField::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  // Entering by keyboard selects the text, so that typing replaces it; a
  // click places the caret where it falls.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::OtherFocusReason) selectAll();
  viewport()->update();
}

void CellField::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
  }
  viewport()->update();
}

void CellField::SetMarks(Origin origin, bool conflict, const CellColors& window) {
  origin_ = origin;
  conflict_ = conflict;
  QPalette own = parentWidget() != nullptr ? parentWidget()->palette() : QPalette();
  if (conflict) {
    own.setColor(QPalette::Base, window.conflict_base);
    own.setColor(QPalette::Text, window.conflict);
  } else if (origin == Origin::Written) {
    own.setColor(QPalette::Text, window.written);
  } else if (origin == Origin::Entry) {
    own.setColor(QPalette::Text, window.entry);
  }
  setPalette(own);
}

void CellField::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) colors_.reset();
}

const CellColors& CellField::Colors() const {
  if (!colors_) colors_ = ColorsFor(palette());
  return *colors_;
}

void CellField::SetOverlay(const Overlay& overlay) {
  if (overlay == overlay_) return;
  overlay_ = overlay;
  viewport()->update();
}

QRectF CellField::DigitBox(int digit) const {
  if (digit == 0) return {};
  const qsizetype at = toPlainText().indexOf(QChar(u'0' + digit));
  if (at < 0) return {};
  // The glyph's own edges on its line, also at the end of a wrapped line,
  // where a caret after it would stand on the next line.
  const QTextBlock block = document()->findBlock(static_cast<int>(at));
  const int in_block = static_cast<int>(at) - block.position();
  const QTextLine line = block.layout()->lineForTextPosition(in_block);
  if (!line.isValid()) return {};
  const QPointF origin = document()->documentLayout()->blockBoundingRect(block).topLeft() -
                         QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const qreal left = line.cursorToX(in_block);
  const qreal right = line.cursorToX(in_block + 1);
  return {origin + QPointF(left, line.y()), QSizeF(std::max<qreal>(right - left, 3 * scale_), line.height())};
}

void CellField::PaintOverlay(QPainter& painter) const {
  if (overlay_ == Overlay{}) return;
  const CellColors& colors = Colors();
  const qreal s = scale_;
  const QRectF cell = QRectF(viewport()->rect()).adjusted(s, s, -s, -s);
  if (const QRectF digit = DigitBox(overlay_.highlight); !digit.isEmpty()) {
    painter.fillRect(viewport()->rect(), colors.tint);
    if (CellTextValue().size() > 1) painter.fillRect(digit.adjusted(0, digit.height() - 2 * s, 0, 0), colors.focus);
  }
  if (overlay_.cause) {
    painter.setPen(QPen(colors.cause, 2 * s, Qt::DashLine));
    painter.drawRect(cell.adjusted(s, s, -s, -s));
  }
  // A stroke from corner to corner of the digit's glyph, a little past its
  // sides, so that a narrow digit is still seen crossed rather than
  // underlined or boxed.
  painter.setPen(QPen(colors.struck, 1.5 * s, Qt::SolidLine, Qt::RoundCap));
  QString missing;
  for (int d = 1; d <= 9; ++d) {
    if (!ContainsText(overlay_.removed, DigitSet::Of(d))) continue;
    const QRectF box = DigitBox(d);
    if (box.isEmpty()) missing += QChar(u'0' + d);
    const qreal inset = box.height() / 6;
    painter.drawLine(box.bottomLeft() + QPointF(-s, -inset), box.topRight() + QPointF(s, inset));
  }
  if (!missing.isEmpty()) {  // an empty cell holds every digit: those that go are named
    painter.drawText(cell, Qt::AlignBottom | Qt::AlignHCenter, QStringLiteral("\u2212") + missing);
  }
  if (overlay_.placed != 0) {
    const QRectF box = DigitBox(overlay_.placed);
    painter.setPen(QPen(colors.placed, 2 * s));
    if (box.isEmpty()) {
      painter.drawText(cell, Qt::AlignCenter, QString(QChar(u'0' + overlay_.placed)));
    } else {
      painter.drawEllipse(box.adjusted(-2 * s, 0, 2 * s, 0));
    }
  }
}

void CellField::paintEvent(QPaintEvent* event) {
  QTextEdit::paintEvent(event);
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing);
  PaintOverlay(painter);
  if (!hasFocus()) return;
  // The cell with the focus: a frame of the palette's highlight inside the
  // cell's own line, made to stand out from the background by 3:1 at least.
  painter.setPen(QPen(Colors().focus, 2 * scale_));
  painter.drawRect(QRectF(viewport()->rect()).adjusted(scale_, scale_, -scale_, -scale_));
}

void CellField::SetMenuActions(QList<QAction*> before, QList<QAction*> after) {
  actions_before_ = std::move(before);
  actions_after_ = std::move(after);
}

void CellField::contextMenuEvent(QContextMenuEvent* event) {
  emit menuAboutToShow();
  QMenu menu(this);
  menu.addActions(actions_before_);
  menu.addSeparator();
  const bool selection = textCursor().hasSelection();
  const auto add = [&](const char* text, const QKeySequence& keys, bool enabled, auto slot) {
    QAction* action = menu.addAction(Tr(text), this, slot);
    action->setShortcut(keys);
    action->setEnabled(enabled);
  };
  add(QT_TRANSLATE_NOOP("noralim", "Cu&t"), QKeySequence::Cut, selection, &QTextEdit::cut);
  add(QT_TRANSLATE_NOOP("noralim", "&Copy"), QKeySequence::Copy, selection, &QTextEdit::copy);
  add(QT_TRANSLATE_NOOP("noralim", "&Paste"), QKeySequence::Paste, canPaste(), &QTextEdit::paste);
  add(QT_TRANSLATE_NOOP("noralim", "Delete"), QKeySequence::Delete, selection,
      [this] { textCursor().removeSelectedText(); });
  add(QT_TRANSLATE_NOOP("noralim", "Select All"), QKeySequence::SelectAll, !document()->isEmpty(),
      &QTextEdit::selectAll);
  menu.addSeparator();
  menu.addActions(actions_after_);
  menu.exec(event->globalPos());
  emit menuHidden();
}

bool CellField::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

bool CellField::Takes(const QString& added) const {
  const std::size_t selected = FromDocument(textCursor().selection().toRawText()).size();
  if (CellTextValue().size() - selected + FromDocument(added).size() <= kMaxCharacters) return true;
  QApplication::beep();
  return false;
}

void CellField::insertFromMimeData(const QMimeData* source) {
  const auto read = ReadPastedGrid(source->text());
  if (const auto* grid = std::get_if<GridTexts>(&read)) return emit gridPasted(*grid);
  if (const auto& refusal = std::get<PasteRefusal>(read); refusal.tenth_row) return emit gridRefused(refusal.message);
  if (Takes(source->text())) insertPlainText(source->text());
}

}  // namespace noralim::ui
