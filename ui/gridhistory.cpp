// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridhistory.h"

#include <utility>

namespace noralim::ui {

namespace {

std::size_t BytesOf(const Change& change) {
  std::size_t bytes = change.source_before.size() + change.source_after.size();
  for (const CellChange& cell : change.cells) bytes += sizeof cell + cell.before.size() + cell.after.size();
  return bytes;
}

Change Between(const KeptGrid& from, const KeptGrid& to) {
  Change change;
  if (from.source != to.source) change = {{}, from.source, to.source};
  for (std::size_t k = 0; k < from.texts.size(); ++k) {
    if (from.texts[k] == to.texts[k] && from.kinds[k] == to.kinds[k]) continue;
    change.cells.push_back({static_cast<CellIndex>(k + 1), from.kinds[k], to.kinds[k], EncodeUtf8(from.texts[k]),
                            EncodeUtf8(to.texts[k])});
  }
  return change;
}

}  // namespace

std::optional<GridHistory> GridHistory::Rebuild(KeptGrid current, std::vector<SharedChange> steps, std::size_t at) {
  if (at > steps.size() || steps.size() > kSteps) return std::nullopt;
  GridHistory history(std::move(current));
  for (SharedChange& step : steps) {
    if (step == nullptr) return std::nullopt;
    history.bytes_ += BytesOf(*step);
    history.steps_.push_back(std::move(step));
  }
  // Walks back to the first grid and forward again: every step must undo
  // from where the next one starts.
  history.at_ = at;
  for (std::size_t k = at; k > 0; --k) {
    if (!history.Apply(*history.steps_[k - 1], false)) return std::nullopt;
  }
  for (const SharedChange& step : history.steps_) {
    if (!history.Apply(*step, true)) return std::nullopt;
  }
  for (std::size_t k = history.steps_.size(); k > at; --k) history.Apply(*history.steps_[k - 1], false);
  return history;
}

bool GridHistory::Record(const KeptGrid& grid) {
  if (grid == current_) return false;
  if (grid.texts == current_.texts && at_ > 0) {
    Retake(grid);
    return true;
  }
  for (std::size_t k = at_; k < steps_.size(); ++k) bytes_ -= BytesOf(*steps_[k]);
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(at_), steps_.end());
  auto step = std::make_shared<const Change>(Between(current_, grid));
  bytes_ += BytesOf(*step);
  steps_.push_back(std::move(step));
  current_ = grid;
  at_ = steps_.size();
  Forget();
  return true;
}

void GridHistory::Forget() {
  while (steps_.size() > kSteps || (bytes_ > kMaxBytes && steps_.size() > 1)) {
    bytes_ -= BytesOf(*steps_.front());
    steps_.pop_front();
    --at_;
  }
}

void GridHistory::Retake(const KeptGrid& grid) {
  KeptGrid before = current_;
  Apply(*steps_[at_ - 1], false);
  std::swap(before, current_);
  const auto replace = [this](std::size_t k, Change change) {
    bytes_ -= BytesOf(*steps_[k]);
    bytes_ += BytesOf(change);
    steps_[k] = std::make_shared<const Change>(std::move(change));
  };
  replace(at_ - 1, Between(before, grid));
  if (at_ < steps_.size()) {
    KeptGrid after = current_;
    Apply(*steps_[at_], true);
    std::swap(after, current_);
    replace(at_, Between(grid, after));
  }
  current_ = grid;
}

bool GridHistory::Apply(const Change& change, bool forward) {
  // A step that keeps the source leaves it as it is.
  if (change.source_before != change.source_after) {
    current_.source = forward ? change.source_after : change.source_before;
  }
  for (const CellChange& cell : change.cells) {
    if (cell.cell < 1 || cell.cell > kCellCount) return false;
    const auto k = static_cast<std::size_t>(cell.cell - 1);
    const std::string& from = forward ? cell.before : cell.after;
    const std::string& to = forward ? cell.after : cell.before;
    auto text = DecodeUtf8(to);
    if (!text || EncodeUtf8(current_.texts[k]) != from) return false;
    current_.texts[k] = std::move(*text);
    current_.kinds[k] = forward ? cell.kind_after : cell.kind_before;
  }
  return true;
}

std::optional<KeptGrid> GridHistory::Undo() {
  if (at_ == 0) return std::nullopt;
  Apply(*steps_[--at_], false);
  return current_;
}

std::optional<KeptGrid> GridHistory::Redo() {
  if (at_ >= steps_.size()) return std::nullopt;
  Apply(*steps_[at_++], true);
  return current_;
}

}  // namespace noralim::ui
