// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A run of the generator: puzzles 0, 1, 2... of a run's seed, made ahead on
// worker threads and taken in order, no two with the same solution grid up
// to relabelling its digits. What noralim-solve --generate writes and the
// Python module's generate returns, the same for every number of threads.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_set>
#include <vector>

#include "boards/generator.h"

namespace noralim {

struct MadePuzzle {
  std::uint64_t seed = 0;  // the seed with which Generate makes it again
  GeneratedPuzzle puzzle;
};

class GeneratorRun {
 public:
  // Asked before each puzzle and now and then while Next waits for a
  // worker: true ends the run.
  using Stop = std::function<bool()>;

  // `count` puzzles of `order`; `jobs` worker threads make them ahead, or
  // with one job each is made when it is taken.
  GeneratorRun(const PuzzleOrder& order, std::uint64_t run_seed, long count, int jobs, Stop stop);
  GeneratorRun(const GeneratorRun&) = delete;
  GeneratorRun& operator=(const GeneratorRun&) = delete;
  ~GeneratorRun();

  // The next puzzle of the run; none after the last, or once stop says so.
  std::optional<MadePuzzle> Next();

 private:
  struct Slot {
    MadePuzzle made;
    bool ready = false;
  };

  [[nodiscard]] MadePuzzle Make(long k) const;
  // Puzzle k as made, before the grids the run has had are looked at.
  std::optional<MadePuzzle> Take(long k);
  void Work();

  PuzzleOrder order_;
  std::uint64_t run_seed_;
  long count_;
  Stop stop_;
  std::unordered_set<std::uint64_t> grids_;  // the solution grids so far (calling thread)
  std::vector<Slot> slots_;
  long next_ = 0;   // the next puzzle a worker makes (under the lock)
  long taken_ = 0;  // puzzles taken so far (under the lock)
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::jthread> workers_;  // last: they stop before the rest goes
};

// A seed from the clock for a run given none: 53 bits, which every JSON
// reader keeps exact.
std::uint64_t ClockSeed();

}  // namespace noralim
