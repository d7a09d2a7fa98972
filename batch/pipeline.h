// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Batches of work done on worker threads and handed back in the order they
// came in: what noralim-solve and the Python module run their puzzles on.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace noralim {

// An ordered pipeline with a bounded number of batches in flight. The
// calling thread fills a batch, submits it, and takes the finished batches
// back through the sink in the order it submitted them; worker threads run
// them in between, each taking the oldest batch no one has taken. A Worker,
// one made on each thread by the factory, has `void Run(Batch&)`.
//
// The batches live in a ring of slots. A slot is the calling thread's from
// Open until Submit and again once it is done; a worker's while it runs it.
// Which is which is decided by the counters below: `submitted_` and `taken_`
// change only under the lock, `sunk_` only on the calling thread, and a
// slot's `done` flag is read and written only under the lock. The lock
// hands each batch from one thread to the other.
template <class Batch, class Worker>
class OrderedPipeline {
 public:
  // Called on the thread that submits, with the batches in submission order.
  using Sink = std::function<void(Batch&)>;
  using MakeWorker = std::function<Worker()>;

  // `jobs` worker threads; with one job every batch is run on the calling
  // thread as it is submitted.
  OrderedPipeline(int jobs, const MakeWorker& make_worker, Sink sink) : sink_(std::move(sink)) {
    const auto count = static_cast<std::size_t>(jobs < 1 ? 1 : jobs);
    // Two batches a worker: one being run, one waiting, while the calling
    // thread fills the next and takes back the last.
    slots_.resize(count == 1 ? 1 : 2 * count);
    if (count == 1) {
      inline_worker_.emplace(make_worker());
      return;
    }
    for (std::size_t k = 0; k < count; ++k) {
      workers_.emplace_back([this, make_worker] {
        Worker worker = make_worker();
        Work(worker);
      });
    }
  }
  OrderedPipeline(const OrderedPipeline&) = delete;
  OrderedPipeline& operator=(const OrderedPipeline&) = delete;
  // Stops the workers once they finish the batch in hand; batches still in
  // the pipeline are dropped.
  ~OrderedPipeline() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    submitted_or_stopping_.notify_all();
  }

  // The batch to fill next, as the sink left it, handing finished batches
  // to the sink until a slot is free.
  Batch& Open() {
    // The slot of the next batch is free once the batch that had it, slots_
    // batches ago, has been sunk.
    while (submitted_ - sunk_ == slots_.size()) SinkOldest(true);
    return SlotOf(submitted_).batch;
  }
  // Hands the batch from Open over to be run.
  void Submit() {
    Slot& slot = SlotOf(submitted_);
    if (inline_worker_) inline_worker_->Run(slot.batch);
    {
      const std::lock_guard lock(mutex_);
      slot.done = inline_worker_.has_value();  // run above when there are no workers
      ++submitted_;
    }
    submitted_or_stopping_.notify_one();
    while (SinkOldest(false)) {
    }
  }
  // Waits for every batch submitted and hands it to the sink.
  void Drain() {
    while (SinkOldest(true)) {
    }
  }

 private:
  struct Slot {
    Batch batch;
    bool done = false;  // run, not yet sunk
  };

  [[nodiscard]] Slot& SlotOf(std::size_t batch_number) { return slots_[batch_number % slots_.size()]; }

  // Hands the oldest batch to the sink; waits for it when `wait`. Says
  // whether there was one to hand.
  bool SinkOldest(bool wait) {
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

  void Work(Worker& worker) {
    for (;;) {
      Slot* slot = nullptr;
      {
        std::unique_lock lock(mutex_);
        submitted_or_stopping_.wait(lock, [&] { return stopping_ || taken_ < submitted_; });
        if (stopping_) return;
        slot = &SlotOf(taken_++);
      }
      worker.Run(slot->batch);
      {
        const std::lock_guard lock(mutex_);
        slot->done = true;
      }
      done_.notify_all();
    }
  }

  Sink sink_;
  std::vector<Slot> slots_;
  std::size_t submitted_ = 0;  // batches submitted so far (written under the lock)
  std::size_t taken_ = 0;      // batches taken by a worker so far (under the lock)
  std::size_t sunk_ = 0;       // batches handed to the sink so far (calling thread)
  std::mutex mutex_;
  std::condition_variable submitted_or_stopping_;
  std::condition_variable done_;
  bool stopping_ = false;
  std::optional<Worker> inline_worker_;
  std::vector<std::jthread> workers_;  // last: they stop before the rest goes
};

}  // namespace noralim
