// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// One pass over one unit, from tests/data/passes.jsonl: the unit's texts
// after the pass, the order of its writes and, where it stops at one, its
// contradiction, as positions 1 to 9 in the unit (0 for no other cell).
// Box rows run on every box; line rows on every column and every row, which
// share one pass.
#include "solver/passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "solver/memorygrid.h"
#include "tests/support/golden.h"

namespace noralim {
namespace {

using Pass = PassEnd (*)(CellGrid&, UnitNumber);

void CheckPass(const golden::Row& row, UnitKind kind, UnitNumber n, Pass pass) {
  SCOPED_TRACE(testing::Message() << "unit " << n << " of kind " << static_cast<int>(kind));
  const UnitCells& cells = Unit(kind, n);
  GridTexts texts;
  for (std::size_t k = 0; k < cells.size(); ++k) texts[cells[k] - 1] = golden::Text(row["before"][k]);
  MemoryGrid grid(texts);
  std::vector<Write<CellText>> writes;
  grid.RecordWrites(&writes);
  const PassEnd found = pass(grid, n);
  const auto position = [&](CellIndex cell) {
    return cell == 0 ? 0 : static_cast<int>(std::find(cells.begin(), cells.end(), cell) - cells.begin()) + 1;
  };
  if (row.contains("contradiction")) {
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ((std::vector<int>{position(found->cell), position(found->other)}),
              row["contradiction"].get<std::vector<int>>());
    EXPECT_EQ(found->kind, kind);
    EXPECT_EQ(found->unit, n);
  } else {
    EXPECT_FALSE(found.has_value());
  }
  for (std::size_t k = 0; k < cells.size(); ++k) {
    EXPECT_EQ(grid.GetCellText(cells[k]), golden::Text(row["after"][k])) << "position " << k + 1;
  }
  std::vector<int> positions;
  positions.reserve(writes.size());
  for (const auto& write : writes) positions.push_back(position(write.first));
  EXPECT_EQ(positions, row["writes"].get<std::vector<int>>());
}

TEST(PassesTest, MatchTheGoldenData) {
  for (const golden::Row& row : golden::Rows("passes.jsonl")) {
    SCOPED_TRACE(row["name"].get<std::string>());
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      if (row["pass"] == "box") {
        CheckPass(row, UnitKind::Box, n, SolveBox<CellGrid>);
      } else {
        CheckPass(row, UnitKind::Column, n, SolveColumn<CellGrid>);
        CheckPass(row, UnitKind::Row, n, SolveRow<CellGrid>);
      }
    }
  }
}

TEST(PassesTest, AUnitNumberOutsideOneToNineFailsBeforeAnyWrite) {
  MemoryGrid grid;
  for (const Pass pass : {Pass{SolveBox<CellGrid>}, Pass{SolveColumn<CellGrid>}, Pass{SolveRow<CellGrid>}}) {
    EXPECT_THROW(pass(grid, 0), std::out_of_range);
    EXPECT_THROW(pass(grid, 10), std::out_of_range);
  }
  EXPECT_EQ(grid.Texts(), GridTexts{});
}

TEST(PassesTest, AnEditInsideAWriteIsSeenByTheNextTarget) {
  // "9" typed into cell 21 while the row pass writes cell 1: every later
  // target of the row reads it and loses the 9.
  MemoryGrid grid;
  grid.SetChangeHandler([&grid](CellIndex i) {
    if (i == 1) grid.SetCellText(21, U"9");
  });
  SolveRow(static_cast<CellGrid&>(grid), 1);
  EXPECT_EQ(grid.GetCellText(1), U"123456789");
  EXPECT_EQ(grid.GetCellText(2), U"12345678");
  EXPECT_EQ(grid.GetCellText(21), U"9");
}

}  // namespace
}  // namespace noralim
