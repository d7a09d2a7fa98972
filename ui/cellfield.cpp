#include "cellfield.h"

#include <QScrollBar>

namespace noralim::ui {

CellField::CellField(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  document()->setDocumentMargin(1);
}

CellText CellField::CellTextValue() const {
  // The document keeps a line break as one '\n'; the cell text holds CR LF.
  CellText out;
  for (const char32_t c : toPlainText().toStdU32String()) {
    if (c == U'\n') out.push_back(U'\r');
    out.push_back(c);
  }
  return out;
}

void CellField::SetCellTextValue(const CellText& text) {
  CellText plain;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == U'\r' && k + 1 < text.size() && text[k + 1] == U'\n') continue;
    plain.push_back(text[k]);
  }
  const QString value = QString::fromStdU32String(plain);
  if (value != toPlainText()) setPlainText(value);
}

}  // namespace noralim::ui
