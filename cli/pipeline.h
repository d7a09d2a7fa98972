// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Batches of input lines solved on worker threads and handed back in the
// order they came in (batch/pipeline.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "batch/pipeline.h"
#include "cli/options.h"
#include "cli/solvelines.h"

namespace noralim::cli {

// Lines of one source, and what became of them once solved.
struct LineBatch {
  std::string source;
  std::vector<InputLine> lines;  // storage reused from batch to batch: count of them are this batch's
  std::size_t count = 0;
  std::vector<LineOutcome> outcomes;
  // Why the source ends after these lines (it cannot be opened or read), or
  // empty; written after the lines' own messages.
  std::string failure;
};

// What solves batches on one thread.
class LineWorker {
 public:
  explicit LineWorker(const Options& options) : solver_(options) {}
  void Run(LineBatch& batch);

 private:
  LineSolver solver_;
};

using Pipeline = OrderedPipeline<LineBatch, LineWorker>;

}  // namespace noralim::cli
