// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Runs of puzzles held in memory (batch/puzzles.h) beside the one-puzzle
// paths they must agree with, on one thread and on several: the sample of
// 17-clue puzzles (tests/data/puzzles17.txt) as given and with their first
// clue taken away, as lines and as rows of digits, over several batches.
#include "batch/puzzles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "batch/puzzlerating.h"
#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim {
namespace {

struct Sample {
  PuzzleLines lines;
  std::vector<std::uint8_t> digits;  // the same puzzles, 81 a row
  std::vector<DigitCells> givens;
};

Sample ReadSample(int copies) {
  Sample sample;
  std::ifstream in(std::string(NORALIM_TEST_DATA) + "/puzzles17.txt");
  std::vector<std::string> puzzles;
  for (std::string line; std::getline(in, line);) {
    puzzles.push_back(line);
    line[line.find_first_not_of('.')] = '.';
    puzzles.push_back(line);
  }
  for (int copy = 0; copy < copies; ++copy) {
    for (const std::string& puzzle : puzzles) {
      sample.lines.Add(puzzle + "\n");
      for (const char c : puzzle) sample.digits.push_back(c == '.' ? 0 : static_cast<std::uint8_t>(c - '0'));
      sample.givens.push_back(*ReadPuzzleMasks(puzzle));
    }
  }
  return sample;
}

bool Always() { return true; }

// Room for the results of every puzzle.
struct Results {
  explicit Results(std::size_t count)
      : solutions(count),
        levels(count),
        solution(count * kCellCount),
        status(count),
        sweeps(count),
        candidates(count * kCellCount) {}
  RatingArrays Rated() { return {solutions.data(), levels.data(), solution.data()}; }
  CalcArrays Calculated() { return {status.data(), sweeps.data(), candidates.data()}; }

  std::vector<std::uint8_t> solutions;
  std::vector<std::uint8_t> levels;
  std::vector<std::uint8_t> solution;
  std::vector<std::uint8_t> status;
  std::vector<std::int32_t> sweeps;
  std::vector<std::uint16_t> candidates;
};

TEST(PuzzlesTest, EachPuzzleGetsItsOwnRatingAndRunOnAnyNumberOfThreads) {
  const Sample sample = ReadSample(6);  // 1,200 puzzles: two batches
  const std::size_t count = sample.givens.size();
  std::vector<Rating> ratings;
  std::vector<Solution> runs;
  for (const DigitCells& givens : sample.givens) {
    ratings.push_back(RatePuzzle(givens));
    runs.push_back(SolveOnDigitGrid(givens, false));
    // From where the run ended, taken as closed under the first rung, the
    // rating is the one from the givens.
    const Rating from_run = RatePuzzle(givens, std::get<DigitCells>(runs.back().cells), runs.back().status);
    ASSERT_EQ(from_run.solutions, ratings.back().solutions) << "puzzle " << ratings.size() - 1;
    ASSERT_EQ(from_run.level, ratings.back().level) << "puzzle " << ratings.size() - 1;
    ASSERT_EQ(from_run.solution, ratings.back().solution) << "puzzle " << ratings.size() - 1;
  }
  const PuzzleDigits digits(sample.digits.data(), count);
  const std::pair<const PuzzleSource*, int> cases[] = {{&sample.lines, 1}, {&digits, 3}};
  for (const auto& [source, jobs] : cases) {
    Results got(count);
    ASSERT_EQ(RatePuzzles(*source, jobs, got.Rated(), Always).kind, BatchEnd::Kind::Done);
    ASSERT_EQ(CalcPuzzles(*source, jobs, got.Calculated(), Always).kind, BatchEnd::Kind::Done);
    for (std::size_t k = 0; k < count; ++k) {
      const Rating& rating = ratings[k];
      ASSERT_EQ(got.solutions[k], rating.solutions) << "puzzle " << k << ", jobs " << jobs;
      ASSERT_EQ(got.levels[k], rating.level ? static_cast<int>(*rating.level) : 0) << "puzzle " << k;
      ASSERT_EQ(got.status[k], static_cast<std::uint8_t>(runs[k].status)) << "puzzle " << k;
      ASSERT_EQ(got.sweeps[k], runs[k].result.sweeps) << "puzzle " << k;
      for (int p = 0; p < kCellCount; ++p) {
        const std::size_t slot = kSlotOfPosition[p];
        ASSERT_EQ(got.solution[k * kCellCount + p], rating.solution ? DigitOf((*rating.solution)[slot]) : 0);
        ASSERT_EQ(got.candidates[k * kCellCount + p], std::get<DigitCells>(runs[k].cells)[slot].Bits());
      }
    }
  }
}

TEST(PuzzlesTest, ARunEndsAtTheFirstPuzzleThatCannotBeReadOrWhenAskedTo) {
  const Sample sample = ReadSample(12);  // 2,400 puzzles
  const std::size_t count = sample.givens.size();
  std::vector<std::uint8_t> wrong = sample.digits;
  wrong[std::size_t{1500} * kCellCount + 4] = 10;
  wrong[std::size_t{2000} * kCellCount] = 200;
  PuzzleLines lines;
  for (std::size_t k = 0; k < 1800; ++k) lines.Add(k == 1700 ? "# none" : std::string(k == 1750 ? 80 : 81, '.'));
  const PuzzleDigits good(sample.digits.data(), count);
  const PuzzleDigits bad(wrong.data(), count);
  Results results(count);
  const RatingArrays out = results.Rated();
  for (const int jobs : {1, 3}) {
    const BatchEnd digits_end = RatePuzzles(bad, jobs, out, Always);
    EXPECT_EQ(digits_end.kind, BatchEnd::Kind::Rejected);
    EXPECT_EQ(digits_end.index, 1500);
    EXPECT_EQ(digits_end.message, "cell 5 holds 10, not 0 to 9");
    const BatchEnd lines_end = RatePuzzles(lines, jobs, out, Always);
    EXPECT_EQ(lines_end.index, 1700);
    EXPECT_EQ(lines_end.message, "a blank or comment line, no puzzle");
    // Asked when the first batch is back, whatever the time.
    EXPECT_EQ(RatePuzzles(good, jobs, out, [] { return false; }).kind, BatchEnd::Kind::Stopped);
  }
}

}  // namespace
}  // namespace noralim
