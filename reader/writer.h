// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Writing a grid's texts as a line the reader reads back unchanged.
#pragma once

#include <optional>
#include <string>

#include "solver/gridtexts.h"

namespace noralim {

// The puzzle line (81 characters, '.' for empty), when every text is empty or
// one digit 1-9; nullopt otherwise.
std::optional<std::string> PuzzleLine(const GridTexts& texts);

// The puzzle line when there is one, else the JSON object line {"cells":[...]}.
std::string GridLine(const GridTexts& texts);

}  // namespace noralim
