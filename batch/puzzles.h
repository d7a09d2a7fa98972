// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Puzzles held in memory run through Calc in the lane engine, or rated, on
// worker threads: each result lands at its puzzle's index. What the Python
// module does with a list of puzzles.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "solver/digitgrid.h"

namespace noralim {

// Where the puzzles come from: puzzle k read on any thread, into its givens
// or what is wrong with it.
class PuzzleSource {
 public:
  virtual ~PuzzleSource() = default;
  [[nodiscard]] virtual std::size_t Size() const = 0;
  [[nodiscard]] virtual std::variant<DigitCells, std::string> Read(std::size_t k) const = 0;
};

// Puzzles as lines of text, each in any one-line form the reader takes, a
// line feed at its end ignored; the texts are copied.
class PuzzleLines : public PuzzleSource {
 public:
  void Add(std::string_view line);
  void Reserve(std::size_t lines, std::size_t bytes);
  [[nodiscard]] std::size_t Size() const override { return ends_.size(); }
  [[nodiscard]] std::variant<DigitCells, std::string> Read(std::size_t k) const override;

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

// Puzzles as rows of 81 cells, row-major, 0 for a blank and 1 to 9 for a
// given, in memory the caller keeps.
class PuzzleDigits : public PuzzleSource {
 public:
  PuzzleDigits(const std::uint8_t* cells, std::size_t count) : cells_(cells), count_(count) {}
  [[nodiscard]] std::size_t Size() const override { return count_; }
  [[nodiscard]] std::variant<DigitCells, std::string> Read(std::size_t k) const override;

 private:
  const std::uint8_t* cells_;
  std::size_t count_;
};

// Where the results go, puzzle k's at index k (k * 81 for the grids),
// row-major as the puzzles are.
struct RatingArrays {
  std::uint8_t* solutions;  // 0, 1, or 2 for two or more
  std::uint8_t* levels;     // the Level, 0 unless exactly one solution
  std::uint8_t* solution;   // 81 digits, 0 unless exactly one solution
};
struct CalcArrays {
  std::uint8_t* status;       // the GridStatus
  std::int32_t* sweeps;       // sweeps of the run
  std::uint16_t* candidates;  // 81 digit sets where the run ended, bit d-1 for digit d
};

// How a run over the puzzles ended.
struct BatchEnd {
  enum class Kind : std::uint8_t { Done, Rejected, Stopped };
  Kind kind = Kind::Done;
  std::size_t index = 0;  // the first puzzle rejected
  std::string message;    // what is wrong with it
};

// Asked on the calling thread between batches, now and then: false stops the
// run, dropping the batches in flight.
using KeepGoing = std::function<bool()>;

// A question such as KeepGoing, asked at most every 20 ms (the first time at
// once) and never again once it has said false: for a question that costs
// something, such as one that takes the interpreter's lock.
class PacedQuestion {
 public:
  explicit PacedQuestion(KeepGoing question) : question_(std::move(question)) {}
  // The question's last answer, asked anew when its time has come.
  bool operator()();

 private:
  KeepGoing question_;
  std::chrono::steady_clock::time_point asked_;
  bool answer_ = true;
};

// The most worker threads a run takes.
inline constexpr int kMostJobs = 256;

// The number of worker threads for `jobs`, 0 to kMostJobs: itself, or every
// core (at most kMostJobs) for 0.
int JobsOrCores(int jobs);

// The rating of each puzzle, the same as noralim-solve --rate gives, on
// `jobs` threads (0: every core). Stops at the first puzzle that cannot be
// read; what was written then is partial.
BatchEnd RatePuzzles(const PuzzleSource& puzzles, int jobs, const RatingArrays& out, const KeepGoing& keep_going);

// Calc on each puzzle in the lane engine, the same way.
BatchEnd CalcPuzzles(const PuzzleSource& puzzles, int jobs, const CalcArrays& out, const KeepGoing& keep_going);

}  // namespace noralim
