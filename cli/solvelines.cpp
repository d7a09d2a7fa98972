// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/solvelines.h"

#include <optional>
#include <vector>

#include "batch/puzzlerating.h"
#include "cli/output.h"
#include "cli/rating.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim::cli {

namespace {

LineOutcome Rejection(std::string message) {
  LineOutcome outcome;
  outcome.kind = LineOutcome::Kind::Rejected;
  outcome.text = std::move(message);
  return outcome;
}

// Adds what --rate tells of the puzzle to its output line.
void AddRating(const Rating& rating, bool json, LineOutcome& outcome) {
  outcome.solutions = rating.solutions;
  outcome.level = rating.level;
  if (json) {
    outcome.text.pop_back();  // the object's closing brace
    AppendRatingJson(rating, &outcome.text);
    outcome.text += '}';
  } else {
    AppendRatingPlain(rating, &outcome.text);
  }
}

// `masks`: the puzzle's texts as digit sets, which --rate needs.
void Emit(long number, const Puzzle& puzzle, const std::optional<DigitCells>& masks, const Solution& solution,
          const Options& options, LineOutcome& outcome) {
  outcome = LineOutcome{};
  outcome.kind = LineOutcome::Kind::Solved;
  outcome.text = options.json ? FormatJson(number, puzzle, solution, options.trace) : FormatPlain(solution);
  outcome.status = solution.status;
  outcome.sweeps = solution.result.sweeps;
  if (options.rate) AddRating(RatePuzzle(*masks), options.json, outcome);
}

// The first cell, row-major from 1, whose text is no digit set, which a
// puzzle needs to be rated.
std::optional<int> CellNotDigits(const GridTexts& texts) {
  for (int p = 0; p < kCellCount; ++p) {
    if (!ToDigitSet(texts[kSlotOfPosition[p]])) return p + 1;
  }
  return std::nullopt;
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
    outcome = Rejection(LineReader::TooLongMessage());
    return;
  }
  if (!line.rejection.empty()) {
    outcome = Rejection(line.rejection);
    return;
  }
  if (!options_.trace) {
    if (const auto masks = ReadPuzzleMasks(line.text)) return for_lanes(*masks, std::nullopt);
  }
  LineResult result = ReadLine(line.text);
  if (auto* rejected = std::get_if<Rejected>(&result)) {
    outcome = Rejection(Describe(*rejected));
  } else if (auto* puzzle = std::get_if<Puzzle>(&result)) {
    const std::optional<DigitCells> masks = AsDigitSets(puzzle->texts);
    if (!masks && options_.rate) {
      outcome =
          Rejection("cell " + std::to_string(*CellNotDigits(puzzle->texts)) + " is not digits, which --rate needs");
      return;
    }
    if (options_.trace) {
      const Solution solution = masks ? SolveOnDigitGrid(*masks, true) : SolveOnGeneralGrid(puzzle->texts, true);
      return Emit(line.number, *puzzle, masks, solution, options_, outcome);
    }
    if (masks) return for_lanes(*masks, std::move(puzzle->id));
    Emit(line.number, *puzzle, masks, SolveOnGeneralGrid(puzzle->texts, false), options_, outcome);
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
    if (options_.rate) AddRating(RatePuzzle(lane_starts_[j], run.cells, run.status), options_.json, outcome);
  }
}

}  // namespace noralim::cli
