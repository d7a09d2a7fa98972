// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's state kept in a file: restored when the window opens, written
// after every step of the history.
#include <QEvent>
#include <functional>
#include <utility>

#include "ui/form1.h"

namespace noralim::ui {

namespace {

// Calls `again` once, when the window is first moved or activated: a window
// manager places a window after it is shown, and the notice said before
// that should stand under the window where it ends up.
class WhenPlaced final : public QObject {
 public:
  WhenPlaced(QWidget& window, std::function<void()> again) : QObject(&window), again_(std::move(again)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) {
      watched->removeEventFilter(this);
      deleteLater();
      again_();
    }
    return false;
  }

 private:
  std::function<void()> again_;
};

}  // namespace

void Form1::KeepState(std::unique_ptr<StateFile> file) {
  StateFile::Read read = file->Load();
  if (read.state) RestoreState(std::move(*read.state));
  if (!read.notice.isEmpty()) {
    Say(read.notice);
    new WhenPlaced(*this, [this, notice = read.notice] { Say(notice); });
  }
  state_file_ = std::move(file);
}

void Form1::RestoreState(WindowState state) {
  const KeptGrid grid = state.history.Current();
  *history_ = std::move(state.history);
  Restore(grid);
  source_ = std::move(state.source);
  outcome_ = QString::fromStdString(state.outcome);
  guide_->Highlight(state.highlight);
  UpdateTitle();
}

WindowState Form1::StateWith(GridHistory history) const {
  return {std::move(history), source_, outcome_.toStdString(), guide_->Highlighted()};
}

void Form1::SaveState() {
  if (state_file_ == nullptr || closing_) return;
  state_file_->Save(StateWith(*history_));
}

void Form1::SaveTyping() {
  if (state_file_ == nullptr || closing_ || step_ != Step::None) return;
  GridHistory typed = *history_;  // its steps shared, not copied
  if (typed.Record(Shown())) state_file_->Save(StateWith(std::move(typed)));
}

}  // namespace noralim::ui
