// Runs noralim-solve over its input files.
#pragma once

#include <cstdio>

#include "options.h"

namespace noralim::cli {

// Solves every accepted line of every file in order, writing one line per
// puzzle to out and one message per rejected line or unreadable file to err.
// Returns the exit status: 0 all lines accepted, 1 some line rejected, 2 a
// file could not be read or the output could not be written.
int RunBatch(const Options& options, std::FILE* out, std::FILE* err);

}  // namespace noralim::cli
