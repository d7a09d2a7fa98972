// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/balloon.h"

namespace noralim::ui {

Balloon::Balloon(QWidget& window) : QLabel(&window, Qt::ToolTip), window_(window) {
  setWordWrap(true);
  setMargin(4);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
}

void Balloon::Say(const QString& sentence) {
  setText(sentence);
  setFixedWidth(window_.width());
  adjustSize();
  move(window_.mapToGlobal(QPoint(0, window_.height() + 2)));
  show();
}

}  // namespace noralim::ui
