// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Batches of input lines solved on worker threads and handed back in the
// order they came in.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/options.h"
#include "cli/solvelines.h"

namespace noralim::cli {

// An ordered pipeline with a bounded number of batches in flight. The
// calling thread fills a batch, submits it, and takes the solved batches back
// through the sink in the order it submitted them; worker threads solve them
// in between, each taking the oldest batch no one has taken.
//
// The batches live in a ring of slots. A slot is the calling thread's from
// Open until Submit and again once it is done; a worker's while it solves
// it. Which is which is decided by the counters below: `submitted_` and
// `taken_` change only under the lock, `sunk_` only on the calling thread,
// and a batch's `done` flag is read and written only under the lock. The
// lock hands each batch from one thread to the other.
class Pipeline {
 public:
  // Lines of one source, and what became of them once solved.
  struct Batch {
    std::string source;
    std::vector<InputLine> lines;  // storage reused from batch to batch: count of them are this batch's
    std::size_t count = 0;
    std::vector<LineOutcome> outcomes;
    // Why the source ends after these lines (it cannot be opened or read), or
    // empty; written after the lines' own messages.
    std::string failure;
  };
  // Called on the thread that submits, with the batches in submission order.
  using Sink = std::function<void(const Batch&)>;

  // options.jobs worker threads; with one job every batch is solved on the
  // calling thread as it is submitted.
  Pipeline(const Options& options, Sink sink);
  Pipeline(const Pipeline&) = delete;
  Pipeline& operator=(const Pipeline&) = delete;
  // Stops the workers; batches still in the pipeline are dropped.
  ~Pipeline();

  // An empty batch to fill, handing finished batches to the sink until a
  // slot is free.
  Batch& Open();
  // Hands the batch from Open over to be solved.
  void Submit();
  // Waits for every batch submitted and hands it to the sink.
  void Drain();

 private:
  struct Slot {
    Batch batch;
    bool done = false;  // solved, not yet sunk
  };

  void Work(LineSolver& solver);
  [[nodiscard]] Slot& SlotOf(std::size_t batch_number) { return slots_[batch_number % slots_.size()]; }
  // Hands the oldest batch to the sink; waits for it when `wait`. Says
  // whether there was one to hand.
  bool SinkOldest(bool wait);

  Sink sink_;
  std::vector<Slot> slots_;
  std::size_t submitted_ = 0;  // batches submitted so far (written under the lock)
  std::size_t taken_ = 0;      // batches taken by a worker so far (under the lock)
  std::size_t sunk_ = 0;       // batches handed to the sink so far (calling thread)
  std::mutex mutex_;
  std::condition_variable submitted_or_stopping_;
  std::condition_variable done_;
  bool stopping_ = false;
  LineSolver inline_solver_;
  std::vector<std::jthread> workers_;
};

}  // namespace noralim::cli
