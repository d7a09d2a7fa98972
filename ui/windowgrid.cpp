// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/windowgrid.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "solver/windowservices.h"

namespace noralim::ui {

CellText WindowGrid::GetCellText(CellIndex i) const { return Cell(i).CellTextValue(); }

void WindowGrid::SetCellText(CellIndex i, const CellText& text) {
  if (closing_) throw SolveStopped();
  writing_ = i;
  const bool changed = Cell(i).SetCellTextValue(text);
  writing_ = 0;
  // The change notification processes events, and a close may be among them.
  if (closing_) throw SolveStopped();
  if (changed && running_ && !by_user_ && pace_ > 0) {
    Pause();
    if (closing_) throw SolveStopped();
  }
}

void WindowGrid::Pause() {
  // The deadline decides when the pause is over, not the timer: a timer may
  // fire a little early (wine's by a millisecond), and is then started again
  // for what is left. A close ends the pause at once.
  const QDeadlineTimer deadline(pace_, Qt::PreciseTimer);
  QEventLoop loop;
  // A timer owned here rather than QTimer::singleShot, whose slot object the
  // static checks cannot see freed.
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);  // a coarse one may be 5 % early
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  QEventLoop* outer = std::exchange(pause_, &loop);
  while (!closing_ && !deadline.hasExpired()) {
    timer.start(std::max(1, static_cast<int>(deadline.remainingTime())));
    loop.exec();
  }
  pause_ = outer;
}

void WindowGrid::EndPause() {
  if (pause_ != nullptr) pause_->quit();
}

}  // namespace noralim::ui
