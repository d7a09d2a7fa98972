// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/solvelines.h"

#include <optional>
#include <vector>

#include "cli/output.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "solver/lanes.h"
#include "solver/solution.h"

namespace noralim::cli {

namespace {

// The lines of a batch that go to the lane engine.
struct LaneJobs {
  std::vector<std::size_t> line;  // index into the batch
  std::vector<DigitCells> start;
  std::vector<std::optional<std::string>> id;

  void Add(std::size_t k, const DigitCells& cells, std::optional<std::string> json_id) {
    line.push_back(k);
    start.push_back(cells);
    id.push_back(std::move(json_id));
  }
};

void SolveOne(long number, const Puzzle& puzzle, const Options& options, LineOutcome& outcome) {
  const Solution solution = SolvePuzzle(puzzle.texts, options.trace);
  outcome = {LineOutcome::Kind::Solved,
             options.json ? FormatJson(number, puzzle, solution, options.trace) : FormatPlain(solution),
             solution.status, solution.result.sweeps};
}

// Reads line k; solves it at once unless it is for the lanes.
void Read(std::size_t k, const InputLine& line, const Options& options, LineOutcome& outcome, LaneJobs& jobs) {
  if (line.too_long) {
    outcome = {LineOutcome::Kind::Rejected, LineReader::TooLongMessage()};
    return;
  }
  if (!options.trace) {
    if (const auto masks = ReadPuzzleMasks(line.text)) return jobs.Add(k, *masks, std::nullopt);
  }
  LineResult result = ReadLine(line.text);
  if (auto* rejected = std::get_if<Rejected>(&result)) {
    outcome = {LineOutcome::Kind::Rejected, std::move(rejected->message)};
  } else if (auto* puzzle = std::get_if<Puzzle>(&result)) {
    const auto masks = options.trace ? std::nullopt : AsDigitSets(puzzle->texts);
    if (masks) return jobs.Add(k, *masks, std::move(puzzle->id));
    SolveOne(line.number, *puzzle, options, outcome);
  } else {
    outcome = {};
  }
}

}  // namespace

void SolveLines(std::span<const InputLine> lines, std::span<LineOutcome> outcomes, const Options& options) {
  LaneJobs jobs;
  for (std::size_t k = 0; k < lines.size(); ++k) Read(k, lines[k], options, outcomes[k], jobs);
  std::vector<LaneRun> runs(jobs.start.size());
  SolveInLanes(jobs.start, runs);
  for (std::size_t j = 0; j < runs.size(); ++j) {
    LineOutcome& outcome = outcomes[jobs.line[j]];
    outcome.kind = LineOutcome::Kind::Solved;
    outcome.status = Classify(runs[j].cells, runs[j].result.end);
    outcome.sweeps = runs[j].result.sweeps;
    outcome.text.clear();
    if (options.json) {
      AppendJson(lines[jobs.line[j]].number, jobs.id[j], runs[j].cells, outcome.status, outcome.sweeps, &outcome.text);
    } else {
      AppendPlain(runs[j].cells, outcome.status, outcome.sweeps, &outcome.text);
    }
  }
}

}  // namespace noralim::cli
