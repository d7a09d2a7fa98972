// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Reading, solving and formatting a batch of input lines: the work that
// noralim-solve spreads over its threads.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "cli/options.h"
#include "solver/status.h"

namespace noralim::cli {

// One line of input as read.
struct InputLine {
  long number = 0;
  std::string text;
  bool too_long = false;
};

// What became of a line.
struct LineOutcome {
  enum class Kind : std::uint8_t { Skipped, Rejected, Solved };
  Kind kind = Kind::Skipped;
  // The output line without its line feed, or what is wrong with the line.
  std::string text;
  GridStatus status = GridStatus::Open;
  int sweeps = 0;
};

// outcomes[k] for lines[k]. Puzzle lines and grids of digit sets run in the
// lane engine, with output built from their masks; traced runs and other
// texts run one by one on DigitGrid or MemoryGrid.
void SolveLines(std::span<const InputLine> lines, std::span<LineOutcome> outcomes, const Options& options);

}  // namespace noralim::cli
