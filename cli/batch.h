// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Runs noralim-solve over its input files.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "cli/options.h"

namespace noralim::cli {

// Opens a named input for reading; nullptr with errno set when it cannot.
// The batch closes what it returns.
using InputOpener = std::function<std::FILE*(const std::string& name)>;

// fopen for reading, in binary mode.
std::FILE* OpenFile(const std::string& name);

// Solves the -p puzzles, then every accepted line of every file in order,
// writing one line per puzzle to out and one message per rejected line or
// unreadable file to err, then the summary when asked for. Returns the exit
// status: 0 all lines accepted, 1 some line rejected, 2 a file could not be
// read or the output could not be written.
int RunBatch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open = OpenFile);

}  // namespace noralim::cli
