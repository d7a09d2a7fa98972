// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Everything noralim-solve writes to stderr.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace noralim::cli {

// Messages, one a line, and on a terminal a count of the puzzles written so
// far, drawn in place on a line of its own once a run has gone on for a
// while. Every message first erases the count, so the two never share a line.
class MessageStream {
 public:
  using Clock = std::chrono::steady_clock;

  // progress: show the count (stderr is a terminal); delay: how long a run
  // goes before the count first shows; every: how many puzzles between two
  // looks at the clock (a power of two).
  MessageStream(std::FILE* err, bool progress, Clock::duration delay = std::chrono::seconds(1), long every = 256);
  MessageStream(const MessageStream&) = delete;
  MessageStream& operator=(const MessageStream&) = delete;
  // Erases the count.
  ~MessageStream();

  // Writes text, one or more whole lines each ending in a line feed.
  void Write(const std::string& text);
  // One more puzzle written; redraws the count every `every` puzzles, at
  // most four times a second.
  void CountPuzzle();

 private:
  void Erase();

  std::FILE* err_;
  bool progress_;
  Clock::duration delay_;
  long every_;
  bool shown_ = false;
  long count_ = 0;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;
};

}  // namespace noralim::cli
