// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Reading, solving and formatting a batch of input lines: the work that
// noralim-solve spreads over its threads.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "boards/rating.h"
#include "cli/options.h"
#include "solver/lanes.h"
#include "solver/status.h"

namespace noralim::cli {

// One line of input as read.
struct InputLine {
  long number = 0;
  std::string text;
  bool too_long = false;
  std::string rejection;  // why the reading thread refused it (a grid of rows), or empty
};

// What became of a line.
struct LineOutcome {
  enum class Kind : std::uint8_t { Skipped, Rejected, Solved };
  Kind kind = Kind::Skipped;
  // The output line without its line feed, or what is wrong with the line.
  std::string text;
  GridStatus status = GridStatus::Open;
  int sweeps = 0;
  // With --rate: how many solutions (0, 1, 2 for more) and the rating.
  int solutions = 0;
  std::optional<Level> level;
};

// Turns lines into outcomes, keeping its buffers from one batch to the next:
// one for each thread.
class LineSolver {
 public:
  explicit LineSolver(const Options& options) : options_(options) {}

  // outcomes[k] for lines[k]. Puzzle lines and grids of digit sets run in the
  // lane engine, with output built from their masks; traced runs and other
  // texts run one by one on DigitGrid or MemoryGrid.
  void Solve(std::span<const InputLine> lines, std::span<LineOutcome> outcomes);

 private:
  void Read(std::size_t k, const InputLine& line, LineOutcome& outcome);

  const Options& options_;
  // The lines of a batch that go to the lane engine: where they are in the
  // batch, their masks and their JSON ids.
  std::vector<std::size_t> lane_lines_;
  std::vector<DigitCells> lane_starts_;
  std::vector<std::optional<std::string>> lane_ids_;
  std::vector<LaneRun> lane_runs_;
  LaneSolver lanes_;
};

}  // namespace noralim::cli
