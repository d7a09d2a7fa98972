// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The two output formats of the command line, one line per puzzle.
#pragma once

#include <string>

#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim::cli {

// 81 row-major characters (a one-digit cell shows its digit, any other '.'),
// the status and the number of sweeps.
std::string FormatPlain(const Solution& solution);
// The same for a grid of masks, appended to out from tables: no string a cell.
void AppendPlain(const DigitCells& cells, GridStatus status, int sweeps, std::string* out);
// Only its 81 characters.
void AppendPlainCells(const DigitCells& cells, std::string* out);

// {"line": N, "id": ..., "cells": [...], "status": S, "sweeps": K, "writes": [[cell, text], ...]}
// with "id" only when the puzzle had one and "writes" only when traced.
std::string FormatJson(long line, const Puzzle& puzzle, const Solution& solution, bool trace);
// The same, untraced, for a grid of masks, appended to out byte for byte as
// FormatJson writes it.
void AppendJson(long line, const std::optional<std::string>& id, const DigitCells& cells, GridStatus status, int sweeps,
                std::string* out);

}  // namespace noralim::cli
