// The two output formats of the command line, one line per puzzle.
#pragma once

#include <string>

#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim::cli {

// 81 row-major characters (a one-digit cell shows its digit, any other '.'),
// the status and the number of sweeps.
std::string FormatPlain(const Solution& solution);

// {"line": N, "id": ..., "cells": [...], "status": S, "sweeps": K, "writes": [[cell, text], ...]}
// with "id" only when the puzzle had one and "writes" only when traced.
std::string FormatJson(long line, const Puzzle& puzzle, const Solution& solution, bool trace);

}  // namespace noralim::cli
