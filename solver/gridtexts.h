// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The 81 texts of a grid as a value: what a puzzle line holds, what a run
// starts from and ends in.
#pragma once

#include <array>

#include "solver/celltext.h"
#include "solver/geometry.h"

namespace noralim {

// Texts by cell index - 1 (box-major), not by row-major position.
using GridTexts = std::array<CellText, kCellCount>;

}  // namespace noralim
