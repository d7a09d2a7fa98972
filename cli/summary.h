// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The overview of a batch run: statuses counted, sweeps spread.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "boards/rating.h"
#include "solver/status.h"

namespace noralim::cli {

class Summary {
 public:
  void Add(GridStatus status, int sweeps);
  // A rated puzzle: its number of solutions (0, 1, 2 for more) and rating.
  void AddRating(int solutions, std::optional<Level> level);

  // Several lines, each ending in a line feed, as for Royle's 17-clue file:
  //   "49151 puzzles: 924 solved, 48227 open, 0 invalid"
  //   "sweeps: min 2, median 4, max 29"
  // then histogram rows " 2 | ####...  4994", the bar scaled to the most
  // frequent count: one per sweep count from min to max when they span fewer
  // than 50, else one per count that occurred. Only the first line when no
  // puzzle was read. With ratings, two lines after the first:
  //   "solutions: 0 none, 49151 one, 0 two or more"
  //   "ratings: calc 924, singles 20981, ..., search 6327"
  [[nodiscard]] std::string Text() const;

 private:
  [[nodiscard]] long Total() const;
  [[nodiscard]] int Median() const;
  // "solutions: ..." and "ratings: ..." with their line feeds.
  [[nodiscard]] std::string RatingLines() const;

  std::array<long, 3> statuses_{};              // by GridStatus
  std::vector<long> sweeps_;                    // puzzles by sweep count
  std::array<long, 3> solutions_{};             // by number of solutions: each rated puzzle once
  std::array<long, kLevelCount + 1> levels_{};  // by level
};

}  // namespace noralim::cli
