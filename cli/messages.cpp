// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/messages.h"

namespace noralim::cli {

MessageStream::MessageStream(std::FILE* err, bool progress, Clock::duration delay, long every)
    : err_(err), progress_(progress), delay_(delay), every_(every) {}

MessageStream::~MessageStream() { Erase(); }

void MessageStream::Erase() {
  if (!shown_) return;
  std::fputs("\r\033[K", err_);
  shown_ = false;
}

void MessageStream::Write(const std::string& text) {
  Erase();
  std::fputs(text.c_str(), err_);
}

void MessageStream::CountPuzzle() {
  if (!progress_ || (++count_ & (every_ - 1)) != 0) return;
  const auto now = Clock::now();
  if (now - start_ < delay_ || (shown_ && now - last_ < std::chrono::milliseconds(250))) return;
  last_ = now;
  shown_ = true;
  std::fprintf(err_, "\rnoralim-solve: %ld puzzles", count_);
  std::fflush(err_);
}

}  // namespace noralim::cli
