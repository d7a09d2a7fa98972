// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What noralim-solve does differently on each platform, kept in one place.
#pragma once

#include <cstdio>

namespace noralim::cli {

// Readies the standard streams for a run. Everywhere: a reader that has gone
// (noralim-solve ... | head) ends the run quietly, as for any filter. On
// Windows also: the streams binary, so that no CR is added to or taken from
// a line; the console's output as UTF-8, and its escape sequences on, so that
// the progress count is drawn in place.
void PrepareStandardStreams();

// From now on, Ctrl+C (SIGINT) only marks the run as interrupted, for a
// run that ends by itself at the next whole line.
void CatchInterrupt();
// Whether Ctrl+C has been pressed since CatchInterrupt.
bool Interrupted();

// Whether the stream is an interactive terminal. On Windows only a console
// is: the NUL device counts as a character device there, but is none.
bool IsTerminal(std::FILE* stream);

// Whether a run shows how many puzzles are done: when stderr is a terminal
// and the output lines go elsewhere (on the same terminal they would run into
// the count).
inline bool ShowsProgress(std::FILE* out, std::FILE* err) { return IsTerminal(err) && !IsTerminal(out); }

}  // namespace noralim::cli
