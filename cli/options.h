// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The command line of noralim-solve.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "boards/generator.h"
#include "reader/commandline.h"

namespace noralim::cli {

struct Options {
  bool json = false;
  bool trace = false;                // implies json
  bool summary = false;              // counts and sweeps on stderr after the last line
  bool rate = false;                 // also solutions, rating and solution
  int jobs = 1;                      // solving threads
  std::vector<std::string> puzzles;  // given with -p, solved before the files
  std::vector<std::string> files;    // "-" is standard input; none (and no -p) means "-"
  // --generate N: make N puzzles instead of reading any (0: read).
  long generate = 0;
  PuzzleOrder order;                  // --rating, --symmetry, --minimal
  std::optional<std::uint64_t> seed;  // --seed; none: from the clock
};

// The most threads -j takes, and the most the default takes on a machine
// with more cores.
inline constexpr int kMaxJobs = 256;

// The options to run with, or why the program stops instead.
using Command = std::variant<Options, EarlyExit>;

Command ParseArguments(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace noralim::cli
