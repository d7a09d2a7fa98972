// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The speed yardstick: the three passes and the sweep loop transcribed
// directly onto 9-bit masks, with the same reads in the same order and the
// same writes, but no templates, no grid interface and no repeat rule.
#pragma once

#include <array>
#include <cstdint>

namespace noralim::bench {

using MaskCells = std::array<std::uint16_t, 81>;  // by cell index - 1

// Runs sweeps until one changes nothing; returns the number of sweeps.
int BaselineSolve(MaskCells& cells);

}  // namespace noralim::bench
