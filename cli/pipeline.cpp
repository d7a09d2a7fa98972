// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/pipeline.h"

namespace noralim::cli {

Pipeline::Pipeline(const Options& options, Sink sink) : sink_(std::move(sink)), inline_solver_(options) {
  const auto jobs = static_cast<std::size_t>(options.jobs);
  // Two batches a worker: one being solved, one waiting, while the calling
  // thread reads the next and writes the last.
  slots_.resize(jobs == 1 ? 1 : 2 * jobs);
  if (jobs == 1) return;
  for (std::size_t k = 0; k < jobs; ++k) {
    workers_.emplace_back([this, &options] {
      LineSolver solver(options);
      Work(solver);
    });
  }
}

Pipeline::~Pipeline() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  submitted_or_stopping_.notify_all();
}

Pipeline::Batch& Pipeline::Open() {
  // The slot of the next batch is free once the batch that had it, slots_
  // batches ago, has been sunk.
  while (submitted_ - sunk_ == slots_.size()) SinkOldest(true);
  Batch& batch = SlotOf(submitted_).batch;
  batch.count = 0;
  batch.failure.clear();
  return batch;
}

void Pipeline::Submit() {
  Slot& slot = SlotOf(submitted_);
  slot.batch.outcomes.resize(slot.batch.count);
  if (workers_.empty()) inline_solver_.Solve({slot.batch.lines.data(), slot.batch.count}, slot.batch.outcomes);
  {
    const std::lock_guard lock(mutex_);
    slot.done = workers_.empty();  // solved above when there are no workers
    ++submitted_;
  }
  submitted_or_stopping_.notify_one();
  while (SinkOldest(false)) {
  }
}

void Pipeline::Drain() {
  while (SinkOldest(true)) {
  }
}

bool Pipeline::SinkOldest(bool wait) {
  if (sunk_ == submitted_) return false;
  Slot& slot = SlotOf(sunk_);
  {
    std::unique_lock lock(mutex_);
    if (!wait && !slot.done) return false;
    done_.wait(lock, [&] { return slot.done; });
    slot.done = false;
  }
  sink_(slot.batch);  // no worker takes this slot again before it is submitted anew
  ++sunk_;
  return true;
}

void Pipeline::Work(LineSolver& solver) {
  for (;;) {
    Slot* slot = nullptr;
    {
      std::unique_lock lock(mutex_);
      submitted_or_stopping_.wait(lock, [&] { return stopping_ || taken_ < submitted_; });
      if (stopping_) return;
      slot = &SlotOf(taken_++);
    }
    solver.Solve({slot->batch.lines.data(), slot->batch.count}, slot->batch.outcomes);
    {
      const std::lock_guard lock(mutex_);
      slot->done = true;
    }
    done_.notify_all();
  }
}

}  // namespace noralim::cli
