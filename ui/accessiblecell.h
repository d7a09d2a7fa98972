// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What assistive technology is shown of the window's own widgets: the window
// as a window, each cell as one editable text with nothing inside it, and a
// line that announces how a run ended.
#pragma once

#include <QAccessibleWidget>
#include <QWidget>

namespace noralim::ui {

class CellField;

// A cell: its name and text, the caret and the selection, and no children
// (the editor's inner viewport and scroll bars are its own business).
class CellAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CellAccessible(CellField* cell);

  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  [[nodiscard]] QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  [[nodiscard]] int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  [[nodiscard]] int cursorPosition() const override;
  void setCursorPosition(int position) override;
  [[nodiscard]] QString text(int startOffset, int endOffset) const override;
  [[nodiscard]] int characterCount() const override;
  [[nodiscard]] QRect characterRect(int offset) const override;
  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  [[nodiscard]] CellField& Cell() const;
};

// A line of text with no size, shown to assistive technology as an alert:
// each Announce shows it anew with the text, which screen readers read out.
class Announcer final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);
  void Announce(const QString& text);
};

// Makes the interfaces above the ones the toolkit gives for these widgets,
// and the window's a window; once is enough.
void InstallAccessibleInterfaces();

}  // namespace noralim::ui
