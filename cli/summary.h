// The overview of a batch run: statuses counted, sweeps spread.
#pragma once

#include <array>
#include <cstdio>
#include <map>
#include <string>

#include "status.h"

namespace noralim::cli {

class Summary {
 public:
  void Add(GridStatus status, int sweeps);

  // Several lines, each ending in a line feed:
  //   "49151 puzzles: 924 solved, 48227 open, 0 invalid, 0 cycle"
  //   "sweeps: min 2, median 5, max 17"
  // then one histogram row per sweep count from min to max, the bar scaled
  // to the most frequent count. Only the first line when nothing was solved.
  [[nodiscard]] std::string Text() const;

 private:
  [[nodiscard]] long Total() const;
  [[nodiscard]] int Median() const;

  std::array<long, 4> statuses_{};  // by GridStatus
  std::map<int, long> sweeps_;      // sweep count -> puzzles
};

}  // namespace noralim::cli
