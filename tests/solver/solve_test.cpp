#include "solve.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "memorygrid.h"
#include "testgrids.h"

namespace noralim {
namespace {

using testing::FromRows;
using testing::T;
using testing::ToRows;

using testing::kCycling;
// Window services that log every call and can act from inside the pump.
class LoggingServices final : public WindowServices {
 public:
  void SetMousePointer(MousePointer pointer) override {
    log.emplace_back(pointer == MousePointer::Hourglass ? "busy" : "default");
  }
  void SetCalcEnabled(bool enabled) override { log.emplace_back(enabled ? "calc on" : "calc off"); }
  void ProcessPendingEvents() override {
    ++pumps;
    log.emplace_back("events");
    if (on_pump) on_pump(pumps);
  }

  std::vector<std::string> log;
  int pumps = 0;
  std::function<void(int)> on_pump;
};

void ExpectAll(const MemoryGrid& grid, const CellText& text) {
  for (CellIndex i = 1; i <= kCellCount; ++i) EXPECT_EQ(grid.GetCellText(i), text) << "cell " << i;
}

TEST(RunSolveTest, EmptyGridFillsEveryCellInTwoSweepsAndBracketsTheBusyState) {
  MemoryGrid grid;
  LoggingServices window;
  EXPECT_EQ(RunSolve(grid, window), (SolveResult{2, SolveEnd::Settled}));
  ExpectAll(grid, T("123456789"));

  std::vector<std::string> expected = {"busy", "calc off"};
  expected.insert(expected.end(), 18, "events");
  expected.insert(expected.end(), {"calc on", "default"});
  EXPECT_EQ(window.log, expected);
}

TEST(RunSolveTest, TwentyEightGivensAreSolvedInSevenSweepsAndASecondRunTakesOne) {
  MemoryGrid grid = FromRows(testing::kTwentyEight);
  NullWindowServices window;
  EXPECT_EQ(RunSolve(grid, window), (SolveResult{7, SolveEnd::Settled}));
  EXPECT_EQ(ToRows(grid), testing::kTwentyEightSolved);

  const auto solved = grid.Texts();
  EXPECT_EQ(RunSolve(grid, window), (SolveResult{1, SolveEnd::Settled}));
  EXPECT_EQ(grid.Texts(), solved);
}

TEST(RunSolveTest, TwoEqualGivensInABoxEndWithTheLowerCopyRefilled) {
  MemoryGrid grid;
  grid.SetCellText(1, T("5"));
  grid.SetCellText(5, T("5"));
  NullWindowServices window;
  EXPECT_EQ(RunSolve(grid, window).end, SolveEnd::Settled);
  EXPECT_EQ(grid.GetCellText(5), T("5"));
  EXPECT_EQ(grid.GetCellText(1), T("12346789"));
}

TEST(RunSolveTest, NonDigitAndLineBreakTextsTakePartAsTheyAre) {
  MemoryGrid grid;
  grid.SetCellText(1, T("a"));
  grid.SetCellText(2, T("5\r\n"));
  grid.SetCellText(11, T("5"));
  NullWindowServices window;
  EXPECT_EQ(RunSolve(grid, window).end, SolveEnd::Settled);
  EXPECT_EQ(grid.GetCellText(1), T("a"));
  EXPECT_EQ(grid.GetCellText(2), T("\r\n"));  // row 1 holds a settled 5
  EXPECT_EQ(grid.GetCellText(11), T("5"));
}

TEST(RunSolveTest, CyclingGridEndsByTheRepeatRuleAndWouldOtherwiseNeverSettle) {
  MemoryGrid grid = FromRows(kCycling);
  LoggingServices window;
  const SolveResult result = RunSolve(grid, window);
  EXPECT_EQ(result.end, SolveEnd::Cycle);
  EXPECT_EQ(window.log.back(), "default");
  EXPECT_EQ(window.log[window.log.size() - 2], "calc on");

  // Sweep on by hand, with no repeat rule: no sweep ever leaves the grid as it found it.
  for (int sweep = 0; sweep < 200; ++sweep) {
    const auto before = grid.Texts();
    for (UnitNumber n = 1; n <= 9; ++n) {
      SolveBox(grid, n);
      SolveColumn(grid, n);
      SolveRow(grid, n);
    }
    ASSERT_NE(grid.Texts(), before) << "settled at sweep " << sweep;
  }
}

TEST(RunSolveTest, AnEditBetweenUnitsOfTheLastSweepMakesTheRunGoOn) {
  MemoryGrid grid;
  LoggingServices window;
  window.on_pump = [&grid](int pump) {
    if (pump == 12) grid.SetCellText(81, T("5"));  // second sweep, after unit 3
  };
  const SolveResult result = RunSolve(grid, window);
  EXPECT_EQ(result.end, SolveEnd::Settled);
  EXPECT_GE(result.sweeps, 3);
  EXPECT_EQ(grid.GetCellText(81), T("5"));
  for (const UnitKind kind : kUnitKinds) {
    for (const CellIndex i : Unit(kind, 9)) {  // cell 81 closes box, column and row 9
      if (i != 81) {
        EXPECT_FALSE(ContainsText(grid.GetCellText(i), T("5"))) << "cell " << i;
      }
    }
  }
}

TEST(RunSolveTest, ClearFromInsideAChangeNotificationLeavesCandidatesAndTheRunFinishes) {
  MemoryGrid grid = FromRows(testing::kTwentyEight);
  int changes = 0;
  grid.SetChangeHandler([&grid, &changes](CellIndex) {
    if (++changes == 100) ClearGrid(grid);  // nested, as a click on "Clear" would be
  });
  LoggingServices window;
  EXPECT_EQ(RunSolve(grid, window).end, SolveEnd::Settled);
  ExpectAll(grid, T("123456789"));
  EXPECT_EQ(window.log.back(), "default");
}

TEST(RunSolveTest, AStoppedRunWritesNothingMoreAndLeavesTheWindowIdle) {
  MemoryGrid grid = FromRows(kCycling);
  std::vector<Write<CellText>> writes;
  grid.RecordWrites(&writes);
  LoggingServices window;
  std::size_t writes_at_stop = 0;
  window.on_pump = [&](int pump) {
    if (pump == 5) {
      writes_at_stop = writes.size();
      throw SolveStopped();
    }
  };
  EXPECT_THROW(RunSolve(grid, window), SolveStopped);
  EXPECT_EQ(writes.size(), writes_at_stop);
  EXPECT_EQ(window.log.back(), "default");
  EXPECT_EQ(window.log[window.log.size() - 2], "calc on");
}

TEST(CommandTest, ClickRoutesByButtonIndex) {
  MemoryGrid grid = FromRows(testing::kTwentyEight);
  LoggingServices window;
  cmdExec_Click(kClearButton, grid, window);
  ExpectAll(grid, T(""));
  EXPECT_TRUE(window.log.empty());  // "Clear" touches neither pointer nor buttons

  cmdExec_Click(kCalcButton, grid, window);
  ExpectAll(grid, T("123456789"));
  EXPECT_EQ(window.log.front(), "busy");
}

TEST(CommandTest, ClearEmptiesInIndexOrder) {
  MemoryGrid grid = FromRows(testing::kTwentyEightSolved);
  std::vector<Write<CellText>> writes;
  grid.RecordWrites(&writes);
  ClearGrid(grid);
  ASSERT_EQ(writes.size(), 81U);
  for (std::size_t k = 0; k < writes.size(); ++k) {
    EXPECT_EQ(writes[k], (Write<CellText>{static_cast<CellIndex>(k + 1), T("")}));
  }
}

}  // namespace
}  // namespace noralim
