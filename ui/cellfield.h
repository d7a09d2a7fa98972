// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// One cell of the grid: an editable multi-line text field.
#pragma once

#include <QPlainTextEdit>

#include "solver/celltext.h"

namespace noralim::ui {

// Wraps long text, shows no scroll bars, takes Enter as a line break and
// leaves Tab to move the focus. The field's document is the cell's storage;
// nothing else holds a copy of its text.
class CellField final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CellField(QWidget* parent = nullptr);

  // The text as the solver sees it: one element per code point, every line
  // break as the two characters CR LF.
  [[nodiscard]] CellText CellTextValue() const;
  // Replaces the text when it would read back differently. CR LF, a lone CR
  // and a lone LF each become one line break of the document, which reads
  // back as CR LF.
  void SetCellTextValue(const CellText& text);
};

}  // namespace noralim::ui
