// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "batch/generation.h"

#include <chrono>

#include "boards/random.h"

namespace noralim {

namespace {

// A solution grid, as equal for grids that differ only in which digit is
// which, in 64 bits (FNV-1a).
std::uint64_t GridKey(const DigitCells& solution) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (const std::uint8_t digit : Canonical(solution)) hash = (hash ^ digit) * 0x100000001B3ULL;
  return hash;
}

}  // namespace

// Puzzles are made ahead of the caller, a bounded number at a time. Each
// depends on its number alone, so which thread makes it changes nothing.
GeneratorRun::GeneratorRun(const PuzzleOrder& order, std::uint64_t run_seed, long count, int jobs, Stop stop)
    : order_(order),
      run_seed_(run_seed),
      count_(count),
      stop_(std::move(stop)),
      slots_(jobs <= 1 ? 0 : 4 * static_cast<std::size_t>(jobs)) {
  for (int k = 0; jobs > 1 && k < jobs; ++k) workers_.emplace_back([this] { Work(); });
}

GeneratorRun::~GeneratorRun() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
}

std::optional<MadePuzzle> GeneratorRun::Next() {
  if (taken_ >= count_ || stop_()) return std::nullopt;
  std::optional<MadePuzzle> next = Take(taken_);
  if (!next) return std::nullopt;
  // A grid the run has had, up to relabelling its digits: the puzzle is made
  // again from a seed of its own, the same whatever the threads do.
  while (!grids_.insert(GridKey(next->puzzle.solution)).second) {
    next->seed = NextSeed(next->seed);
    next->puzzle = Generate(next->seed, order_);
  }
  return next;
}

MadePuzzle GeneratorRun::Make(long k) const {
  const std::uint64_t seed = PuzzleSeed(run_seed_, static_cast<std::uint64_t>(k));
  return {seed, Generate(seed, order_)};
}

std::optional<MadePuzzle> GeneratorRun::Take(long k) {
  if (slots_.empty()) {
    ++taken_;
    return Make(k);
  }
  std::unique_lock lock(mutex_);
  Slot& slot = slots_[static_cast<std::size_t>(k) % slots_.size()];
  while (!slot.ready) {
    if (stop_()) return std::nullopt;
    changed_.wait_for(lock, std::chrono::milliseconds(100));
  }
  slot.ready = false;
  taken_ = k + 1;
  changed_.notify_all();
  return slot.made;
}

void GeneratorRun::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock,
                  [&] { return stopping_ || (next_ < count_ && next_ < taken_ + static_cast<long>(slots_.size())); });
    if (stopping_) return;
    const long k = next_++;
    lock.unlock();
    MadePuzzle made = Make(k);
    lock.lock();
    Slot& slot = slots_[static_cast<std::size_t>(k) % slots_.size()];
    slot.made = made;
    slot.ready = true;
    changed_.notify_all();
  }
}

std::uint64_t ClockSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::uint64_t state = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  return SplitMix64(state) >> 11;
}

}  // namespace noralim
