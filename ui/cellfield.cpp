// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/cellfield.h"

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

}  // namespace

CellField::CellField(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A flat one-pixel line: cells of a box share it, boxes show two of them.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  document()->setDocumentMargin(1);
}

CellText CellField::CellTextValue() const { return FromDocument(document()->toRawText()); }

void CellField::SetCellTextValue(const CellText& text) {
  const QString value = ToDocument(text);
  // Only a real change reaches the document, so only it raises textChanged.
  if (FromDocument(value) == CellTextValue()) return;
  setPlainText(value);
}

}  // namespace noralim::ui
