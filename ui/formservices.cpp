// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/formservices.h"

#include <QApplication>
#include <utility>

namespace noralim::ui {

FormServices::~FormServices() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void FormServices::SetMousePointer(MousePointer pointer) {
  const bool busy = pointer == MousePointer::Hourglass;
  if (busy == busy_) return;  // overrides stack; keep exactly one of ours
  busy_ = busy;
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

void FormServices::SetCalcEnabled(bool enabled) {
  QWidget& window = *calc_.window();
  if (!enabled && calc_.hasFocus()) {
    window.setFocus(Qt::OtherFocusReason);
    give_back_focus_ = true;
  }
  calc_.setEnabled(enabled);
  if (enabled && std::exchange(give_back_focus_, false) && QApplication::focusWidget() == &window) {
    calc_.setFocus(Qt::OtherFocusReason);
  }
}

void FormServices::ProcessPendingEvents() {
  if (closing_) throw SolveStopped();
  QCoreApplication::processEvents();
  if (closing_) throw SolveStopped();
}

}  // namespace noralim::ui
