// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The lane kernel for AVX2, compiled with -mavx2 and called only where the
// processor has it.
#define NORALIM_LANE_BYTES 32
#include "solver/laneskernel.h"

namespace noralim::detail {

void SolveLanesAvx2(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps,
                    std::uint8_t* statuses, std::uint16_t* wheres) {
  SolveLanes(starts, count, finals, sweeps, statuses, wheres);
}

}  // namespace noralim::detail
