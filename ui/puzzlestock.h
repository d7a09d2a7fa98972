// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// New puzzles made ahead of time, on a thread of their own, so that one
// appears at once when asked for, even at the rarest rung.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "boards/generator.h"

namespace noralim::ui {

class PuzzleStock {
 public:
  // A puzzle and the seed that makes it again (noralim-solve --generate 1
  // --rating RUNG --seed SEED).
  struct Made {
    GeneratedPuzzle puzzle;
    std::uint64_t seed = 0;
  };

  // Seeds follow from `first_seed`, one after another.
  explicit PuzzleStock(std::uint64_t first_seed);
  // Waits for the puzzle being made, then stops.
  ~PuzzleStock();
  PuzzleStock(const PuzzleStock&) = delete;
  PuzzleStock& operator=(const PuzzleStock&) = delete;

  // Keeps `count` puzzles of the level ready from now on (at least as many
  // as asked before); levels are filled in the order first asked for.
  void Prepare(Level level, std::size_t count = kReady);
  // A ready puzzle of the level, or, when none is, one made now; either way
  // the stock is filled again behind it.
  Made Take(Level level);

  // Puzzles kept ready for each level asked for.
  static constexpr std::size_t kReady = 2;

 private:
  void Work();
  // The next seed, under the lock.
  std::uint64_t TakeSeed();

  std::mutex lock_;
  std::condition_variable wake_;
  struct Shelf {
    Level level;
    std::size_t wanted;
    std::deque<Made> ready;
  };
  // The levels asked for, the first asked first; found by level.
  std::vector<Shelf> shelves_;
  Shelf& ShelfOf(Level level);
  std::uint64_t seed_;
  bool stop_ = false;
  std::thread worker_;
};

}  // namespace noralim::ui
