// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's state kept in a file: restored when the window opens, written
// after every step of the history.
#include <utility>

#include "ui/form1.h"

namespace noralim::ui {

void Form1::KeepState(std::unique_ptr<StateFile> file) {
  StateFile::Read read = file->Load();
  if (read.state) RestoreState(std::move(*read.state));
  if (!read.notice.isEmpty()) Say(read.notice);
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

void Form1::SaveState() {
  if (state_file_ == nullptr || closing_) return;
  state_file_->Save({*history_, source_, outcome_.toStdString(), guide_->Highlighted()});
}

}  // namespace noralim::ui
