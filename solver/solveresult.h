// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// How a run of the sweep loop ended.
#pragma once

#include <cstdint>

#include "solver/geometry.h"

namespace noralim {

enum class SolveEnd : std::uint8_t {
  // A sweep left every text as it found it.
  Settled,
  // A pass found a cell that can hold nothing and stopped there, before
  // writing it: the givens contradict each other.
  Contradiction,
};

// The cell a pass would have emptied, and why. A pass never writes an empty
// text: the user's digits stay as they were typed, and the run ends here.
struct Contradiction {
  // The target whose working string came out empty.
  CellIndex cell = 0;
  // For a settled target, the cell of the unit that holds the same value
  // (the target's value is there twice); 0 when the target had candidates,
  // every one of them settled elsewhere in the unit.
  CellIndex other = 0;
  UnitKind kind = UnitKind::Box;
  UnitNumber unit = 0;
  friend bool operator==(const Contradiction&, const Contradiction&) = default;
};

struct SolveResult {
  // The sweeps begun, the one in which the run ended included.
  int sweeps = 0;
  SolveEnd end = SolveEnd::Settled;
  // Where the run ended, when it ended at a contradiction.
  Contradiction contradiction{};
  friend bool operator==(const SolveResult&, const SolveResult&) = default;
};

}  // namespace noralim
