// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's state as one line of JSON, and back: what it needs to open
// again as it was left. No toolkit, so that the reader can be fuzzed alone.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "ui/gridhistory.h"

namespace noralim::ui {

// Where the puzzle on screen came from: a file and the line it starts on
// (file empty for none), and what the title calls it ("puzzles.txt:4").
struct PuzzleSource {
  std::string title;
  std::string file;
  long line = 0;
  friend bool operator==(const PuzzleSource&, const PuzzleSource&) = default;
};

struct WindowState {
  // The grid shown is the history's current one.
  GridHistory history{KeptGrid{}};
  PuzzleSource source;
  std::string outcome;  // how the last run ended, as the title says it
  int highlight = 0;    // the digit highlighted, 0 for none
};

// The version this program writes; it reads this one and older ones.
inline constexpr int kStateVersion = 1;

std::string EncodeState(const WindowState& state);

// What is wrong with a text that is no state this program can read, in a
// few English words that the window's catalogue translates.
struct StateError {
  std::string what;
};
std::variant<WindowState, StateError> DecodeState(std::string_view text);

}  // namespace noralim::ui
