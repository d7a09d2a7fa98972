// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/puzzlestock.h"

#include <algorithm>

namespace noralim::ui {

PuzzleStock::PuzzleStock(std::uint64_t first_seed) : seed_(first_seed), worker_([this] { Work(); }) {}

PuzzleStock::~PuzzleStock() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    stop_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

std::uint64_t PuzzleStock::TakeSeed() {
  const std::uint64_t seed = seed_;
  seed_ = NextSeed(seed_);
  return seed;
}

PuzzleStock::Shelf& PuzzleStock::ShelfOf(Level level) {
  for (Shelf& shelf : shelves_) {
    if (shelf.level == level) return shelf;
  }
  return shelves_.emplace_back(Shelf{level, 0, {}});
}

void PuzzleStock::Prepare(Level level, std::size_t count) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    Shelf& shelf = ShelfOf(level);
    shelf.wanted = std::max(shelf.wanted, count);
  }
  wake_.notify_all();
}

PuzzleStock::Made PuzzleStock::Take(Level level) {
  std::uint64_t seed = 0;
  {
    const std::lock_guard<std::mutex> hold(lock_);
    Shelf& shelf = ShelfOf(level);
    shelf.wanted = std::max(shelf.wanted, kReady);
    if (!shelf.ready.empty()) {
      const Made made = shelf.ready.front();
      shelf.ready.pop_front();
      wake_.notify_all();
      return made;
    }
    seed = TakeSeed();
  }
  wake_.notify_all();
  return {Generate(seed, PuzzleOrder{level}), seed};
}

void PuzzleStock::Work() {
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    if (stop_) return;
    // The first level asked for that is short of puzzles.
    const auto short_of = std::find_if(shelves_.begin(), shelves_.end(),
                                       [](const Shelf& shelf) { return shelf.ready.size() < shelf.wanted; });
    if (short_of == shelves_.end()) {
      wake_.wait(hold);
      continue;
    }
    const Level level = short_of->level;
    const std::uint64_t seed = TakeSeed();
    hold.unlock();
    const Made made{Generate(seed, PuzzleOrder{level}), seed};
    hold.lock();
    ShelfOf(level).ready.push_back(made);
  }
}

}  // namespace noralim::ui
