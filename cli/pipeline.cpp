// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/pipeline.h"

namespace noralim::cli {

Pipeline::Pipeline(const Options& options, Sink sink)
    : options_(options), sink_(std::move(sink)), inline_solver_(options) {
  const auto jobs = static_cast<std::size_t>(options.jobs);
  // Two batches a worker: one being solved, one waiting, while the calling
  // thread reads the next and writes the last.
  slots_.resize(jobs == 1 ? 1 : 2 * jobs);
  if (jobs == 1) return;
  for (std::size_t k = 0; k < jobs; ++k) workers_.emplace_back([this] { Work(); });
}

Pipeline::~Pipeline() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  queued_.notify_all();
}

Pipeline::Batch& Pipeline::Open() {
  Slot& slot = slots_[opened_ % slots_.size()];
  while (slot.state != State::Free) SinkOldest(true);
  slot.batch.count = 0;
  return slot.batch;
}

void Pipeline::Submit() {
  Slot& slot = slots_[opened_ % slots_.size()];
  Batch& batch = slot.batch;
  batch.outcomes.resize(batch.count);
  if (workers_.empty()) {
    inline_solver_.Solve({batch.lines.data(), batch.count}, batch.outcomes);
    slot.state = State::Done;
    ++opened_;
  } else {
    {
      const std::lock_guard lock(mutex_);
      slot.state = State::Queued;
      ++opened_;
    }
    queued_.notify_one();
  }
  while (SinkOldest(false)) {
  }
}

void Pipeline::Drain() {
  while (sunk_ < opened_) SinkOldest(true);
}

bool Pipeline::SinkOldest(bool wait) {
  if (sunk_ == opened_) return false;
  Slot& slot = slots_[sunk_ % slots_.size()];
  {
    std::unique_lock lock(mutex_);
    if (!wait && slot.state != State::Done) return false;
    done_.wait(lock, [&] { return slot.state == State::Done; });
  }
  sink_(slot.batch);  // no worker touches a batch once it is done
  const std::lock_guard lock(mutex_);
  slot.state = State::Free;
  ++sunk_;
  return true;
}

void Pipeline::Work() {
  LineSolver solver(options_);
  for (;;) {
    Slot* slot = nullptr;
    {
      std::unique_lock lock(mutex_);
      queued_.wait(lock, [&] {
        return stopping_ || (solving_ < opened_ && slots_[solving_ % slots_.size()].state == State::Queued);
      });
      if (stopping_) return;
      slot = &slots_[solving_++ % slots_.size()];
      slot->state = State::Solving;
    }
    solver.Solve({slot->batch.lines.data(), slot->batch.count}, slot->batch.outcomes);
    {
      const std::lock_guard lock(mutex_);
      slot->state = State::Done;
    }
    done_.notify_all();
  }
}

}  // namespace noralim::cli
