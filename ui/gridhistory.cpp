// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/gridhistory.h"

#include <utility>

namespace noralim::ui {

namespace {

std::size_t BytesOf(const Change& change) {
  std::size_t bytes = 0;
  for (const CellChange& cell : change) bytes += sizeof cell + cell.before.size() + cell.after.size();
  return bytes;
}

Change Between(const KeptGrid& from, const KeptGrid& to) {
  Change change;
  for (std::size_t k = 0; k < from.texts.size(); ++k) {
    if (from.texts[k] == to.texts[k] && from.kinds[k] == to.kinds[k]) continue;
    change.push_back({static_cast<CellIndex>(k + 1), from.kinds[k], to.kinds[k], EncodeUtf8(from.texts[k]),
                      EncodeUtf8(to.texts[k])});
  }
  return change;
}

}  // namespace

std::optional<GridHistory> GridHistory::Rebuild(KeptGrid current, std::vector<SharedChange> steps, std::size_t at) {
  if (at > steps.size() || steps.size() > kSteps) return std::nullopt;
  GridHistory history(std::move(current));
  for (SharedChange& step : steps) {
    if (step == nullptr || step->empty()) return std::nullopt;
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

bool GridHistory::Apply(const Change& change, bool forward) {
  for (const CellChange& cell : change) {
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
