// The solve and clear commands with what happens around the passes: the busy
// state, event processing, edits and "Clear" in the middle of a run, and a
// run stopped by a closing window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "solver/memorygrid.h"
#include "solver/solve.h"
#include "tests/support/golden.h"

namespace noralim {
namespace {

constexpr const char* kCycling = "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

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
  expected.insert(expected.end(), 2 * 9, "events");  // two sweeps
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

TEST(CommandsTest, ClearInsideAWriteEmptiesTheGridAndTheRunRefillsIt) {
  MemoryGrid grid(golden::Grid(kCycling));
  int changes = 0;
  grid.SetChangeHandler([&grid, &changes](CellIndex) {
    if (++changes == 100) ClearGrid(grid);  // nested, as a click on "Clear" would be
  });
  NullWindowServices window;
  EXPECT_EQ(RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window)).end, SolveEnd::Settled);
  for (const CellText& text : grid.Texts()) EXPECT_EQ(text, U"123456789");
}

TEST(CommandsTest, AStoppedRunWritesNothingMoreAndLeavesTheWindowIdle) {
  MemoryGrid grid(golden::Grid(kCycling));
  std::vector<Write<CellText>> writes;
  grid.RecordWrites(&writes);
  LoggingServices window;
  std::size_t writes_at_stop = 0;
  window.on_pump = [&](int pump) {
    writes_at_stop = writes.size();
    if (pump == 5) throw SolveStopped();
  };
  EXPECT_THROW(RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window)), SolveStopped);
  EXPECT_EQ(writes.size(), writes_at_stop);
  EXPECT_EQ(std::vector<std::string>(window.log.end() - 2, window.log.end()),
            (std::vector<std::string>{"calc on", "idle"}));
}

}  // namespace
}  // namespace noralim
