// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/accessiblecell.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "ui/cellfield.h"
#include "ui/form1.h"

namespace noralim::ui {

namespace {

// The cursor of the cell clamped to the document's characters.
QTextCursor CursorAt(const CellField& cell, int offset) {
  QTextCursor cursor(cell.document());
  cursor.setPosition(std::clamp(offset, 0, cell.document()->characterCount() - 1));
  return cursor;
}

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object) {
  if (auto* cell = qobject_cast<CellField*>(object)) return new CellAccessible(cell);
  if (auto* form = qobject_cast<Form1*>(object)) return new QAccessibleWidget(form, QAccessible::Window);
  if (auto* announcer = qobject_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::AlertMessage);
  }
  return nullptr;
}

}  // namespace

CellAccessible::CellAccessible(CellField* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}

CellField& CellAccessible::Cell() const { return *static_cast<CellField*>(widget()); }

QString CellAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return Cell().toPlainText();
  return QAccessibleWidget::text(t);
}

void* CellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void CellAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const QTextCursor cursor = Cell().textCursor();
  const bool any = selectionIndex == 0 && cursor.hasSelection();
  *startOffset = any ? cursor.selectionStart() : 0;
  *endOffset = any ? cursor.selectionEnd() : 0;
}

int CellAccessible::selectionCount() const { return Cell().textCursor().hasSelection() ? 1 : 0; }

void CellAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void CellAccessible::removeSelection(int /*selectionIndex*/) {
  QTextCursor cursor = Cell().textCursor();
  cursor.clearSelection();
  Cell().setTextCursor(cursor);
}

void CellAccessible::setSelection(int /*selectionIndex*/, int startOffset, int endOffset) {
  QTextCursor cursor = CursorAt(Cell(), startOffset);
  cursor.setPosition(CursorAt(Cell(), endOffset).position(), QTextCursor::KeepAnchor);
  Cell().setTextCursor(cursor);
}

int CellAccessible::cursorPosition() const { return Cell().textCursor().position(); }

void CellAccessible::setCursorPosition(int position) { Cell().setTextCursor(CursorAt(Cell(), position)); }

QString CellAccessible::text(int startOffset, int endOffset) const {
  return Cell().toPlainText().mid(startOffset, endOffset - startOffset);
}

int CellAccessible::characterCount() const { return static_cast<int>(Cell().toPlainText().size()); }

QRect CellAccessible::characterRect(int offset) const {
  const QRect local = Cell().cursorRect(CursorAt(Cell(), offset));
  return {Cell().viewport()->mapToGlobal(local.topLeft()), local.size()};
}

int CellAccessible::offsetAtPoint(const QPoint& point) const {
  return Cell().cursorForPosition(Cell().viewport()->mapFromGlobal(point)).position();
}

void CellAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
  Cell().setTextCursor(CursorAt(Cell(), startIndex));
  Cell().ensureCursorVisible();
}

QString CellAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return {};
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 0, 0);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();  // until there is something to say
}

void Announcer::Announce(const QString& text) {
  // Hidden and shown again: an alert that appears is what screen readers
  // read out, whatever else has the focus.
  setAccessibleName(text);
  hide();
  show();
}

void InstallAccessibleInterfaces() { QAccessible::installFactory(&Factory); }

}  // namespace noralim::ui
