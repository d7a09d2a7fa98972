// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim-solve --generate: puzzles made to order, on worker threads, written
// in the order of their numbers.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "boards/generator.h"
#include "cli/options.h"

namespace noralim::cli {

// Makes options.generate puzzles, one line each on out, the run's seed on
// err first and with --summary the counts after. Returns the exit status: 0,
// 2 when the output could not be written, 130 when Ctrl+C ended the run.
int RunGenerate(const Options& options, std::FILE* out, std::FILE* err);

// A generated puzzle's line without its line feed: its 81 cells ('.' for a
// blank), or with json {"cells":[...],"rating":...,"solution":...,"seed":N}.
void AppendGenerated(const GeneratedPuzzle& puzzle, std::uint64_t seed, bool json, std::string* out);

}  // namespace noralim::cli
