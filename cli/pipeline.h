// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Batches of input lines solved on worker threads and handed back in the
// order they came in.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/options.h"
#include "cli/solvelines.h"

namespace noralim::cli {

class Pipeline {
 public:
  // Lines of one source, and what became of them once solved.
  struct Batch {
    std::string source;
    std::vector<InputLine> lines;  // storage reused from batch to batch: count of them are this batch's
    std::size_t count = 0;
    std::vector<LineOutcome> outcomes;
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

  // An empty batch to fill, waiting for one to come free when all are taken.
  Batch& Open();
  // Hands the batch from Open over to be solved.
  void Submit();
  // Waits for every batch submitted and hands it to the sink.
  void Drain();

 private:
  enum class State : std::uint8_t { Free, Queued, Solving, Done };
  struct Slot {
    Batch batch;
    State state = State::Free;
  };

  void Work();
  // Hands the oldest batch to the sink; waits for it when `wait`.
  bool SinkOldest(bool wait);

  const Options& options_;
  Sink sink_;
  std::deque<Slot> slots_;   // a ring, in submission order from sunk_
  std::size_t opened_ = 0;   // batches opened so far
  std::size_t solving_ = 0;  // batches taken by a worker so far
  std::size_t sunk_ = 0;     // batches handed to the sink so far
  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable done_;
  bool stopping_ = false;
  LineSolver inline_solver_;
  std::vector<std::jthread> workers_;
};

}  // namespace noralim::cli
