// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/pipeline.h"

namespace noralim::cli {

void LineWorker::Run(LineBatch& batch) {
  batch.outcomes.resize(batch.count);
  solver_.Solve({batch.lines.data(), batch.count}, batch.outcomes);
}

}  // namespace noralim::cli
