// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Whole runs and what their texts say, from golden data: tests/data/runs.jsonl
// (final texts, status, sweeps, where a run stopped at a contradiction, and
// for some grids every write) on the general
// grid and, where the texts allow, on the compact grid; tests/data/status.jsonl
// for the status of given texts.
#include <gtest/gtest.h>

#include <vector>

#include "solver/solution.h"
#include "tests/support/golden.h"

namespace noralim {
namespace {

void ExpectMatches(const Solution& run, const golden::Row& row) {
  EXPECT_EQ(StatusName(run.status), row["status"].get<std::string>());
  EXPECT_EQ(run.result.sweeps, row["sweeps"].get<int>());
  EXPECT_EQ(run.Texts(), golden::Grid(row["final"]));
  // A contradiction as [cell, other cell or 0], box-major.
  const auto& where = run.result.contradiction;
  if (row.contains("contradiction")) {
    EXPECT_EQ(run.result.end, SolveEnd::Contradiction);
    EXPECT_EQ((std::vector<int>{where.cell, where.other}), row["contradiction"].get<std::vector<int>>());
  } else {
    EXPECT_EQ(run.result.end, SolveEnd::Settled);
  }
  if (!row.contains("writes")) return;
  std::vector<Write<CellText>> expected;
  for (const golden::Row& write : row["writes"]) {
    expected.emplace_back(write[0].get<CellIndex>(), golden::Text(write[1]));
  }
  EXPECT_EQ(run.writes, expected);
}

TEST(RunsTest, MatchTheGoldenData) {
  for (const golden::Row& row : golden::Rows("runs.jsonl")) {
    SCOPED_TRACE(row["name"].get<std::string>());
    const GridTexts start = golden::Grid(row["grid"]);
    ExpectMatches(SolveOnGeneralGrid(start, true), row);
    if (const auto digits = AsDigitSets(start)) {
      SCOPED_TRACE("on the compact grid");
      ExpectMatches(SolveOnDigitGrid(*digits, true), row);
    }
  }
}

TEST(RunsTest, ASweepRunsBoxColumnAndRowOfEachUnitNumberInTurn) {
  // The empty grid's first sweep writes every cell of every unit once.
  const Solution run = SolveOnGeneralGrid(GridTexts{}, true);
  std::vector<CellIndex> expected;
  for (UnitNumber n = 1; n <= kUnitSize; ++n) {
    for (const UnitKind kind : {UnitKind::Box, UnitKind::Column, UnitKind::Row}) {
      expected.insert(expected.end(), Unit(kind, n).begin(), Unit(kind, n).end());
    }
  }
  ASSERT_GE(run.writes.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(run.writes[k].first, expected[k]) << "write " << k;
}

TEST(StatusTest, MatchesTheGoldenData) {
  for (const golden::Row& row : golden::Rows("status.jsonl")) {
    SCOPED_TRACE(row["name"].get<std::string>());
    const GridTexts texts = golden::Grid(row["grid"]);
    const SolveEnd end = row["end"] == "contradiction" ? SolveEnd::Contradiction : SolveEnd::Settled;
    EXPECT_EQ(StatusName(Classify(texts, end)), row["status"].get<std::string>());
    if (const auto digits = AsDigitSets(texts)) {
      EXPECT_EQ(Classify(*digits, end), Classify(texts, end));
    }
  }
}

}  // namespace
}  // namespace noralim
