// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "batch/puzzles.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <thread>

#include "batch/pipeline.h"
#include "batch/puzzlerating.h"
#include "reader/reader.h"
#include "solver/lanes.h"
#include "solver/solution.h"

namespace noralim {

namespace {

// The first cell, row-major from 1, whose text is no digit set.
int CellNotDigits(const GridTexts& texts) {
  for (int p = 0; p < kCellCount; ++p) {
    if (!ToDigitSet(texts[kSlotOfPosition[p]])) return p + 1;
  }
  return 0;
}

// As many puzzles a batch as noralim-solve takes lines.
constexpr std::size_t kBatchPuzzles = 1024;

struct PuzzleBatch {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::optional<std::size_t> rejected;  // the first puzzle of the batch that cannot be read
  std::string message;
};

// One thread's worker: reads a batch's puzzles and hands them, with the
// index of the first, to its own copy of `finish`.
template <class Finish>
class PuzzleWorker {
 public:
  PuzzleWorker(const PuzzleSource& puzzles, const Finish& finish) : puzzles_(puzzles), finish_(finish) {}

  void Run(PuzzleBatch& batch) {
    starts_.clear();
    for (std::size_t k = batch.begin; k < batch.end; ++k) {
      auto read = puzzles_.Read(k);
      if (auto* message = std::get_if<std::string>(&read)) {
        batch.rejected = k;
        batch.message = std::move(*message);
        return;
      }
      starts_.push_back(std::get<DigitCells>(read));
    }
    finish_(batch.begin, starts_);
  }

 private:
  const PuzzleSource& puzzles_;
  Finish finish_;
  std::vector<DigitCells> starts_;
};

// Writes Calc's end of each puzzle of a batch, from the lane engine.
class CalcFinish {
 public:
  explicit CalcFinish(const CalcArrays& out) : out_(out) {}
  CalcFinish(const CalcFinish& other) : out_(other.out_) {}  // a worker's copy: lanes and buffers of its own

  void operator()(std::size_t first, std::span<const DigitCells> starts) {
    runs_.resize(starts.size());
    lanes_.Solve(starts, runs_);
    for (std::size_t j = 0; j < runs_.size(); ++j) {
      const std::size_t k = first + j;
      out_.status[k] = static_cast<std::uint8_t>(runs_[j].status);
      out_.sweeps[k] = runs_[j].result.sweeps;
      std::uint16_t* candidates = out_.candidates + k * kCellCount;
      for (int p = 0; p < kCellCount; ++p) candidates[p] = runs_[j].cells[kSlotOfPosition[p]].Bits();
    }
  }

 private:
  CalcArrays out_;
  std::vector<LaneRun> runs_;
  LaneSolver lanes_;
};

// Every puzzle through the workers in batches, in order, stopping at the
// first batch with a puzzle that cannot be read or when keep_going says so.
template <class Finish>
BatchEnd RunPuzzles(const PuzzleSource& puzzles, int jobs, const Finish& finish, const KeepGoing& keep_going) {
  BatchEnd end;
  PacedQuestion go_on(keep_going);
  const auto sink = [&](PuzzleBatch& batch) {
    if (end.kind != BatchEnd::Kind::Done) return;
    if (batch.rejected) {
      end = {BatchEnd::Kind::Rejected, *batch.rejected, std::move(batch.message)};
    } else if (!go_on()) {
      end.kind = BatchEnd::Kind::Stopped;
    }
  };
  using Worker = PuzzleWorker<Finish>;
  OrderedPipeline<PuzzleBatch, Worker> pipeline(
      JobsOrCores(jobs), [&puzzles, &finish] { return Worker(puzzles, finish); }, sink);
  const std::size_t count = puzzles.Size();
  for (std::size_t begin = 0; begin < count && end.kind == BatchEnd::Kind::Done; begin += kBatchPuzzles) {
    PuzzleBatch& batch = pipeline.Open();
    batch = {begin, std::min(count, begin + kBatchPuzzles), std::nullopt, {}};
    pipeline.Submit();
  }
  if (end.kind == BatchEnd::Kind::Done) pipeline.Drain();
  return end;
}

}  // namespace

void PuzzleLines::Reserve(std::size_t lines, std::size_t bytes) {
  ends_.reserve(lines);
  text_.reserve(bytes);
}

void PuzzleLines::Add(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  text_ += line;
  ends_.push_back(text_.size());
}

std::variant<DigitCells, std::string> PuzzleLines::Read(std::size_t k) const {
  const std::size_t begin = k == 0 ? 0 : ends_[k - 1];
  const std::string_view line = std::string_view(text_).substr(begin, ends_[k] - begin);
  if (auto masks = ReadPuzzleMasks(line)) return *masks;
  LineResult result = ReadLine(line);
  if (auto* rejected = std::get_if<Rejected>(&result)) return Describe(*rejected);
  if (std::holds_alternative<Skipped>(result)) return std::string("a blank or comment line, no puzzle");
  const GridTexts& texts = std::get<Puzzle>(result).texts;
  if (auto masks = AsDigitSets(texts)) return *masks;
  return "cell " + std::to_string(CellNotDigits(texts)) + " is not digits";
}

std::variant<DigitCells, std::string> PuzzleDigits::Read(std::size_t k) const {
  // The digit set of each value 0 to 9, and a check of the row in one pass
  // before it is looked up.
  static constexpr auto kSetOf = [] {
    std::array<DigitSet, 10> sets{};
    for (int d = 1; d <= 9; ++d) sets[d] = DigitSet::Of(d);
    return sets;
  }();
  const std::uint8_t* row = cells_ + k * kCellCount;
  if (*std::max_element(row, row + kCellCount) > 9) {
    const auto p = std::find_if(row, row + kCellCount, [](std::uint8_t value) { return value > 9; }) - row;
    return "cell " + std::to_string(p + 1) + " holds " + std::to_string(row[p]) + ", not 0 to 9";
  }
  DigitCells cells;
  for (int p = 0; p < kCellCount; ++p) cells[kSlotOfPosition[p]] = kSetOf[row[p]];
  return cells;
}

bool PacedQuestion::operator()() {
  const auto now = std::chrono::steady_clock::now();
  if (answer_ && now - asked_ >= std::chrono::milliseconds(20)) {
    asked_ = now;
    answer_ = question_();
  }
  return answer_;
}

int JobsOrCores(int jobs) {
  if (jobs != 0) return jobs;
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostJobs);
}

BatchEnd RatePuzzles(const PuzzleSource& puzzles, int jobs, const RatingArrays& out, const KeepGoing& keep_going) {
  // Straight from the givens: the ladder's first rung on digit boards costs
  // less than a run in the lanes to start it from.
  const auto finish = [out](std::size_t first, std::span<const DigitCells> starts) {
    for (std::size_t j = 0; j < starts.size(); ++j) {
      const std::size_t k = first + j;
      const Rating rating = RatePuzzle(starts[j]);
      out.solutions[k] = static_cast<std::uint8_t>(rating.solutions);
      out.levels[k] = rating.level ? static_cast<std::uint8_t>(*rating.level) : 0;
      std::uint8_t* solution = out.solution + k * kCellCount;
      for (int p = 0; p < kCellCount; ++p) {
        solution[p] = rating.solution ? static_cast<std::uint8_t>(DigitOf((*rating.solution)[kSlotOfPosition[p]])) : 0;
      }
    }
  };
  return RunPuzzles(puzzles, jobs, finish, keep_going);
}

BatchEnd CalcPuzzles(const PuzzleSource& puzzles, int jobs, const CalcArrays& out, const KeepGoing& keep_going) {
  return RunPuzzles(puzzles, jobs, CalcFinish(out), keep_going);
}

}  // namespace noralim
