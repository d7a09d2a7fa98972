// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// How a run of the sweep loop ended.
#pragma once

#include <cstdint>

namespace noralim {

enum class SolveEnd : std::uint8_t {
  // A sweep left every text as it found it.
  Settled,
  // A sweep ended in the same 81 texts as an earlier sweep of the run without
  // settling: left alone, the run would repeat those sweeps for ever.
  Cycle,
};

struct SolveResult {
  int sweeps = 0;
  SolveEnd end = SolveEnd::Settled;
  friend bool operator==(const SolveResult&, const SolveResult&) = default;
};

}  // namespace noralim
