// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/balloon.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>

namespace noralim::ui {

namespace {

constexpr int kGap = 2;  // pixels between the window's frame and the balloon

}  // namespace

Balloon::Balloon(QWidget& window) : QLabel(&window, Qt::ToolTip), window_(window) {
  setWordWrap(true);
  setMargin(4);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  window_.installEventFilter(this);
}

void Balloon::Say(const QString& sentence) {
  setText(sentence);
  said_ = true;
  Follow();
}

void Balloon::Dismiss() {
  said_ = false;
  hide();
}

bool Balloon::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
      if (said_) Follow();
      break;
    default:
      break;
  }
  return QLabel::eventFilter(watched, event);
}

void Balloon::Follow() {
  if (!said_ || !window_.isVisible() || window_.isMinimized()) return hide();
  const QRect frame = window_.frameGeometry();
  const QScreen* screen = window_.screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : frame;
  setFixedWidth(std::min(window_.width(), room.width()));
  adjustSize();
  // Under the window's frame, left-aligned with its cells; above it when the
  // screen ends first; pushed inside the screen where it would stick out.
  const QSize size = frameGeometry().size();  // with a frame, where the platform gives one
  int top = frame.bottom() + 1 + kGap;
  if (top + size.height() > room.bottom() + 1) top = frame.top() - kGap - size.height();
  top = std::max(room.top(), std::min(top, room.bottom() + 1 - size.height()));
  const int left =
      std::max(room.left(), std::min(window_.mapToGlobal(QPoint(0, 0)).x(), room.right() + 1 - size.width()));
  move(left, top);
  show();
}

}  // namespace noralim::ui
