#include "digitgrid.h"

#include <gtest/gtest.h>

#include <random>

#include "memorygrid.h"
#include "solve.h"
#include "status.h"
#include "testgrids.h"

namespace noralim {
namespace {

using testing::T;

TEST(DigitSetTest, ConvertsExactlyTheAscendingDigitSets) {
  EXPECT_EQ(ToDigitSet(T("")), DigitSet());
  EXPECT_EQ(ToDigitSet(T("123456789")), kAllDigits);
  EXPECT_EQ(ToCellText(*ToDigitSet(T("139"))), T("139"));
  for (const char* other : {"31", "11", "0", "a", "5\r\n", "５", "1 2"}) {
    EXPECT_FALSE(ToDigitSet(T(other)).has_value()) << other;
  }
}

// A random grid of ascending digit sets: mostly empty cells and givens, some
// candidate strings, so that runs settle, stay open, clash and cycle.
std::array<DigitSet, kCellCount> RandomGrid(std::mt19937& rng) {
  std::array<DigitSet, kCellCount> cells{};
  const auto givens = 5 + rng() % 35;
  for (std::mt19937::result_type k = 0; k < givens; ++k) {
    cells[rng() % 81] = DigitSet::Of(static_cast<int>(1 + rng() % 9));
  }
  for (auto k = rng() % 6; k > 0; --k) cells[rng() % 81] = DigitSet::FromBits(static_cast<std::uint16_t>(rng() % 512));
  return cells;
}

TEST(DigitGridTest, RunsExactlyLikeTheGeneralGrid) {
  std::mt19937 rng(20261207);
  std::array<int, 4> statuses{};
  for (int round = 0; round < 3000; ++round) {
    // The first grids are a known cycling one and a solvable one; the rest are random.
    const auto cells = round == 0   ? testing::DigitsFromRows(testing::kCycling)
                       : round == 1 ? testing::DigitsFromRows(testing::kTwentyEight)
                                    : RandomGrid(rng);
    GridTexts texts;
    for (std::size_t k = 0; k < cells.size(); ++k) texts[k] = ToCellText(cells[k]);

    DigitGrid fast(cells);
    std::vector<Write<DigitSet>> fast_writes;
    fast.RecordWrites(&fast_writes);
    MemoryGrid general(texts);
    std::vector<Write<CellText>> general_writes;
    general.RecordWrites(&general_writes);
    NullWindowServices window;

    const SolveResult fast_result = RunSolve(fast, window);
    const SolveResult general_result = RunSolve(general, window);
    ASSERT_EQ(fast_result, general_result) << "round " << round;
    ASSERT_EQ(fast_writes.size(), general_writes.size()) << "round " << round;
    for (std::size_t k = 0; k < fast_writes.size(); ++k) {
      ASSERT_EQ(fast_writes[k].first, general_writes[k].first) << "round " << round << " write " << k;
      ASSERT_EQ(ToCellText(fast_writes[k].second), general_writes[k].second) << "round " << round << " write " << k;
    }
    GridTexts fast_texts;
    for (std::size_t k = 0; k < cells.size(); ++k) fast_texts[k] = ToCellText(fast.Cells()[k]);
    ASSERT_EQ(fast_texts, general.Texts()) << "round " << round;
    const GridStatus status = Classify(general.Texts(), general_result.end);
    ASSERT_EQ(Classify(fast.Cells(), fast_result.end), status) << "round " << round;
    ++statuses[static_cast<std::size_t>(status)];
  }
  // The sample must reach every kind of ending to mean anything.
  for (const int count : statuses) EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace noralim
