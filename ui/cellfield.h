// One cell of the grid: an editable multi-line text field.
#pragma once

#include <QPlainTextEdit>

#include "celltext.h"

namespace noralim::ui {

// Wraps long text, shows no scroll bars, takes Enter as a line break and
// leaves Tab to move the focus. The field's own text is the cell's storage.
class CellField : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CellField(QWidget* parent = nullptr);

  // The text as the solver sees it: every line break is CR LF.
  [[nodiscard]] CellText CellTextValue() const;
  // Replaces the text when it differs; line breaks may be given as CR LF.
  void SetCellTextValue(const CellText& text);
};

}  // namespace noralim::ui
