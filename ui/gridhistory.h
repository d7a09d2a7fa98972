// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The grid's history, for undo and redo, and for the state the window keeps.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "solver/gridtexts.h"
#include "ui/cellorigin.h"

namespace noralim::ui {

// The 81 texts, where each came from, and where the puzzle came from
// ("puzzles.txt:4", "Easy, seed 7"; UTF-8, empty for none).
struct KeptGrid {
  GridTexts texts;
  CellOrigins kinds{};
  std::string source;
  friend bool operator==(const KeptGrid&, const KeptGrid&) = default;
};

// One cell a step changed, its texts in UTF-8.
struct CellChange {
  CellIndex cell = 1;
  Origin kind_before = Origin::Entry;
  Origin kind_after = Origin::Entry;
  std::string before;
  std::string after;
  friend bool operator==(const CellChange&, const CellChange&) = default;
};
// The cells one step changed, ascending, and the puzzle's source before and
// after it; shared, as it never changes once made.
struct Change {
  std::vector<CellChange> cells;
  std::string source_before;
  std::string source_after;
  friend bool operator==(const Change&, const Change&) = default;
};
using SharedChange = std::shared_ptr<const Change>;

// One step for each change the user can undo: a "Calc" run, a "Clear", a
// paste or load, or the typing in one cell between entering and leaving it.
// The window records the grid at the edges of every step; a grid equal to
// the last one recorded is no step. Only the grid the window shows is kept
// whole; each step keeps the cells it changed, so that a long history of
// small steps costs little, and the oldest steps go when there are more than
// kSteps or they take more than kMaxBytes (the newest step always stays).
// A grid whose texts equal the current ones is no step, but takes the
// sources and origins given with it.
class GridHistory {
 public:
  static constexpr std::size_t kSteps = 100;
  static constexpr std::size_t kMaxBytes = std::size_t{32} << 20;

  explicit GridHistory(KeptGrid start) : current_(std::move(start)) {}

  // The history of these steps, standing after the first `at` of them at
  // the grid `current`; nullopt unless the steps fit together and onto it.
  static std::optional<GridHistory> Rebuild(KeptGrid current, std::vector<SharedChange> steps, std::size_t at);

  // The grid after a step, when it differs from the current one (which it
  // returns true for). Steps undone and not redone are dropped.
  bool Record(const KeptGrid& grid);
  // The grid before the current step; nullopt at the start.
  std::optional<KeptGrid> Undo();
  // The grid after the step undone last; nullopt when there is none.
  std::optional<KeptGrid> Redo();
  [[nodiscard]] bool CanUndo() const { return at_ > 0; }
  [[nodiscard]] bool CanRedo() const { return at_ < steps_.size(); }

  [[nodiscard]] const KeptGrid& Current() const { return current_; }
  [[nodiscard]] const std::deque<SharedChange>& Steps() const { return steps_; }
  // How many of the steps lead to the current grid.
  [[nodiscard]] std::size_t At() const { return at_; }
  // The bytes of the texts the steps hold.
  [[nodiscard]] std::size_t Bytes() const { return bytes_; }

 private:
  // Writes one side of a change into the current grid; false when the other
  // side is not what the grid holds.
  bool Apply(const Change& change, bool forward);
  // The current grid takes `grid`'s origins and source, the steps on either
  // side of it rewritten to match.
  void Retake(const KeptGrid& grid);
  void Forget();

  KeptGrid current_;
  std::deque<SharedChange> steps_;
  std::size_t at_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace noralim::ui
