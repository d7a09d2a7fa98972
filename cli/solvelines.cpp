// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/solvelines.h"

#include <optional>
#include <vector>

#include "cli/output.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim::cli {

namespace {

void Emit(long number, const Puzzle& puzzle, const Solution& solution, const Options& options, LineOutcome& outcome) {
  outcome = {LineOutcome::Kind::Solved,
             options.json ? FormatJson(number, puzzle, solution, options.trace) : FormatPlain(solution),
             solution.status, solution.result.sweeps};
}

}  // namespace

// Reads line k; solves it at once unless it is for the lanes.
void LineSolver::Read(std::size_t k, const InputLine& line, LineOutcome& outcome) {
  const auto for_lanes = [&](const DigitCells& cells, std::optional<std::string> id) {
    lane_lines_.push_back(k);
    lane_starts_.push_back(cells);
    lane_ids_.push_back(std::move(id));
  };
  if (line.too_long) {
    outcome = {LineOutcome::Kind::Rejected, LineReader::TooLongMessage()};
    return;
  }
  if (!options_.trace) {
    if (const auto masks = ReadPuzzleMasks(line.text)) return for_lanes(*masks, std::nullopt);
  }
  LineResult result = ReadLine(line.text);
  if (auto* rejected = std::get_if<Rejected>(&result)) {
    outcome = {LineOutcome::Kind::Rejected, Describe(*rejected)};
  } else if (auto* puzzle = std::get_if<Puzzle>(&result)) {
    if (options_.trace) return Emit(line.number, *puzzle, SolvePuzzle(puzzle->texts, true), options_, outcome);
    if (const auto masks = AsDigitSets(puzzle->texts)) return for_lanes(*masks, std::move(puzzle->id));
    Emit(line.number, *puzzle, SolveOnGeneralGrid(puzzle->texts, false), options_, outcome);
  } else {
    outcome.kind = LineOutcome::Kind::Skipped;
  }
}

void LineSolver::Solve(std::span<const InputLine> lines, std::span<LineOutcome> outcomes) {
  lane_lines_.clear();
  lane_starts_.clear();
  lane_ids_.clear();
  for (std::size_t k = 0; k < lines.size(); ++k) Read(k, lines[k], outcomes[k]);
  lane_runs_.resize(lane_starts_.size());
  lanes_.Solve(lane_starts_, lane_runs_);
  for (std::size_t j = 0; j < lane_runs_.size(); ++j) {
    const LaneRun& run = lane_runs_[j];
    LineOutcome& outcome = outcomes[lane_lines_[j]];
    outcome.kind = LineOutcome::Kind::Solved;
    outcome.status = run.status;
    outcome.sweeps = run.result.sweeps;
    outcome.text.clear();
    if (options_.json) {
      AppendJson(lines[lane_lines_[j]].number, lane_ids_[j], run.cells, outcome.status, outcome.sweeps, &outcome.text);
    } else {
      AppendPlain(run.cells, outcome.status, outcome.sweeps, &outcome.text);
    }
  }
}

}  // namespace noralim::cli
