#include "geometry.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <tuple>

namespace noralim {
namespace {

struct Place {
  CellIndex cell;
  int row, column, box;
};

class CellPlaceTest : public ::testing::TestWithParam<Place> {};

TEST_P(CellPlaceTest, IndexMapsToRowColumnAndBoxBothWays) {
  const Place& p = GetParam();
  EXPECT_EQ(RowOf(p.cell), p.row);
  EXPECT_EQ(ColumnOf(p.cell), p.column);
  EXPECT_EQ(BoxOf(p.cell), p.box);
  EXPECT_EQ(CellAt(p.row, p.column), p.cell);
}

INSTANTIATE_TEST_SUITE_P(Landmarks, CellPlaceTest,
                         ::testing::Values(Place{1, 1, 1, 1}, Place{9, 3, 3, 1}, Place{10, 1, 4, 2}, Place{28, 4, 1, 4},
                                           Place{41, 5, 5, 5}, Place{55, 7, 1, 7}, Place{73, 7, 7, 9},
                                           Place{81, 9, 9, 9}));

TEST(UnitsTest, EveryCellLiesInExactlyOneUnitOfEachKindAndMatchesItsPlace) {
  for (const UnitKind kind : kUnitKinds) {
    std::multiset<CellIndex> seen;
    for (UnitNumber n = 1; n <= 9; ++n) {
      const UnitCells& cells = Unit(kind, n);
      for (const CellIndex i : cells) {
        seen.insert(i);
        const int place = kind == UnitKind::Box ? BoxOf(i) : kind == UnitKind::Column ? ColumnOf(i) : RowOf(i);
        EXPECT_EQ(place, n) << "cell " << i;
      }
      EXPECT_TRUE(std::is_sorted(cells.begin(), cells.end()));
    }
    for (CellIndex i = 1; i <= 81; ++i) EXPECT_EQ(seen.count(i), 1U) << "cell " << i;
  }
}

TEST(UnitsTest, TablesAgreeWithTheStartAndOffsetRules) {
  const int column_offsets[9] = {0, 3, 6, 27, 30, 33, 54, 57, 60};
  const int row_offsets[9] = {0, 1, 2, 9, 10, 11, 18, 19, 20};
  const int row_starts[9] = {1, 4, 7, 28, 31, 34, 55, 58, 61};
  for (int n = 1; n <= 9; ++n) {
    const int s = n <= 3 ? n : n <= 6 ? n + 6 : n + 12;
    for (int k = 0; k < 9; ++k) {
      EXPECT_EQ(Unit(UnitKind::Box, static_cast<UnitNumber>(n))[k], 9 * n - 8 + k);
      EXPECT_EQ(Unit(UnitKind::Column, static_cast<UnitNumber>(n))[k], s + column_offsets[k]);
      EXPECT_EQ(Unit(UnitKind::Row, static_cast<UnitNumber>(n))[k], row_starts[n - 1] + row_offsets[k]);
    }
  }
}

TEST(UnitsTest, UnitNumbersOutsideOneToNineAreRejected) {
  for (const UnitKind kind : kUnitKinds) {
    for (const UnitNumber n : {UnitNumber{0}, UnitNumber{10}, UnitNumber{-1}}) {
      EXPECT_THROW(std::ignore = Unit(kind, n), std::out_of_range);
    }
  }
}

}  // namespace
}  // namespace noralim
