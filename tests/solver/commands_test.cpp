// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solve and clear commands with what happens around the passes: the busy
// state, event processing, and an edit between two unit numbers. Edits,
// "Clear" and closing in the middle of a write are in tests/ui/runs_test.cpp.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "solver/memorygrid.h"
#include "solver/solve.h"

namespace noralim {
namespace {

// Window services that log every call and can act from inside the pump.
struct LoggingServices final : WindowServices {
  void SetMousePointer(MousePointer pointer) override {
    log.emplace_back(pointer == MousePointer::Hourglass ? "busy" : "idle");
  }
  void SetCalcEnabled(bool enabled) override { log.emplace_back(enabled ? "calc on" : "calc off"); }
  void ProcessPendingEvents() override {
    log.emplace_back("events");
    if (on_pump) on_pump(++pumps);
  }
  std::vector<std::string> log;
  int pumps = 0;
  std::function<void(int)> on_pump;
};

TEST(CommandsTest, CalcIsBusyWithEventsAfterEveryUnitNumberAndClearLeavesTheWindowAlone) {
  MemoryGrid grid;
  LoggingServices window;
  cmdExec_Click(kCalcButton, grid, window);
  std::vector<std::string> expected = {"busy", "calc off"};
  expected.insert(expected.end(), std::size_t{2} * 9, "events");  // two sweeps
  expected.insert(expected.end(), {"calc on", "idle"});
  EXPECT_EQ(window.log, expected);

  std::vector<Write<CellText>> writes;
  grid.RecordWrites(&writes);
  cmdExec_Click(kClearButton, grid, window);
  EXPECT_EQ(window.log, expected);
  ASSERT_EQ(writes.size(), 81U);
  for (std::size_t k = 0; k < writes.size(); ++k) EXPECT_EQ(writes[k], (Write<CellText>{CellIndex(k + 1), U""}));
}

TEST(CommandsTest, AnEditInTheLastSweepMakesTheRunGoOn) {
  MemoryGrid grid;
  LoggingServices window;
  window.on_pump = [&grid](int pump) {
    if (pump == 12) grid.SetCellText(81, U"5");  // second sweep, after unit 3
  };
  EXPECT_EQ(RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window)),
            (SolveResult{3, SolveEnd::Settled}));
  EXPECT_EQ(grid.GetCellText(80), U"12346789");
}

}  // namespace
}  // namespace noralim
