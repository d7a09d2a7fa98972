// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Fuzz target: any bytes as the window's state file.
//
// For every input the reader returns a state or says what is wrong, never
// more; a state it reads writes out as a text that reads back as the same
// state, and its history undoes to its first grid and redoes to its last
// without a step that fails to fit.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "fuzz/fuzzcheck.h"
#include "ui/statecodec.h"

namespace {

using namespace noralim::ui;
using noralim::fuzz::Require;

bool SameState(const WindowState& a, const WindowState& b) {
  if (a.history.At() != b.history.At() || a.history.Steps().size() != b.history.Steps().size()) return false;
  for (std::size_t k = 0; k < a.history.Steps().size(); ++k) {
    if (*a.history.Steps()[k] != *b.history.Steps()[k]) return false;
  }
  return a.history.Current() == b.history.Current() && a.source == b.source && a.outcome == b.outcome &&
         a.highlight == b.highlight;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoded = DecodeState(std::string_view(reinterpret_cast<const char*>(data), size));
  if (const auto* error = std::get_if<StateError>(&decoded)) {
    Require(!error->what.empty(), "a rejection says what is wrong");
    return 0;
  }
  WindowState& state = std::get<WindowState>(decoded);
  auto again = DecodeState(EncodeState(state));
  Require(std::holds_alternative<WindowState>(again), "a state written reads back");
  Require(SameState(state, std::get<WindowState>(again)), "a state written reads back as the same state");
  const std::size_t at = state.history.At();
  for (std::size_t k = 0; k < at; ++k) Require(state.history.Undo().has_value(), "every step before undoes");
  Require(!state.history.CanUndo(), "the first grid is the first");
  while (state.history.CanRedo()) state.history.Redo();
  Require(state.history.At() == state.history.Steps().size(), "every step redoes");
  return 0;
}
