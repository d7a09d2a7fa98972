#include "passes.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "memorygrid.h"
#include "testgrids.h"

namespace noralim {
namespace {

using testing::T;
using Texts = std::array<const char*, 9>;

// A grid whose unit `cells` holds the given texts, everything else empty.
MemoryGrid WithUnit(const UnitCells& cells, const Texts& texts) {
  MemoryGrid grid;
  for (int k = 0; k < 9; ++k) grid.SetCellText(cells[k], T(texts[k]));
  return grid;
}

void ExpectUnit(const MemoryGrid& grid, const UnitCells& cells, const Texts& expected) {
  for (int k = 0; k < 9; ++k) EXPECT_EQ(grid.GetCellText(cells[k]), T(expected[k])) << "position " << k;
}

struct PassCase {
  const char* name;
  Texts before;
  Texts after;
};

std::string CaseName(const ::testing::TestParamInfo<PassCase>& info) { return info.param.name; }

#define F "123456789"

class BoxPassTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(BoxPassTest, OnePassOverBoxOne) {
  const UnitCells& box = Unit(UnitKind::Box, 1);
  MemoryGrid grid = WithUnit(box, GetParam().before);
  SolveBox(grid, 1);
  ExpectUnit(grid, box, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BoxPassTest,
    ::testing::Values(
        PassCase{"AllEmpty", {"", "", "", "", "", "", "", "", ""}, {F, F, F, F, F, F, F, F, F}},
        PassCase{"OneGiven",
                 {"5", "", "", "", "", "", "", "", ""},
                 {"5", "12346789", "12346789", "12346789", "12346789", "12346789", "12346789", "12346789", "12346789"}},
        PassCase{"LastCellForced",
                 {"1", "2", "3", "4", "5", "6", "7", "8", ""},
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        PassCase{"CandidateNarrowedToSettled",
                 {"12", "1", "", "", "", "", "", "", ""},
                 {"2", "1", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789"}},
        PassCase{"HiddenSingleWithoutElimination",
                 {"19", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789"},
                 {"1", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789", "23456789"}},
        PassCase{"DigitWithNoPlaceIsWrittenNowhere",
                 {"12", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789"},
                 {"1", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789"}},
        PassCase{"EarlierCellNotNarrowedByLaterSettling",
                 {"37", "23", "2", "456789", "456789", "456789", "456789", "456789", "456789"},
                 {"37", "3", "2", "456789", "456789", "456789", "456789", "456789", "456789"}},
        PassCase{"TwoCopiesKeepTheHigherIndex",
                 {"5", "", "", "", "5", "", "", "", ""},
                 {"", "12346789", "12346789", "12346789", "5", "12346789", "12346789", "12346789", "12346789"}},
        PassCase{"ThreeCopiesKeepTheLast",
                 {"5", "", "", "", "5", "", "", "", "5"},
                 {"", "12346789", "12346789", "12346789", "", "12346789", "12346789", "12346789", "5"}},
        PassCase{
            "LetterIsSettledButPlacesNoDigit", {"a", "", "", "", "", "", "", "", ""}, {"a", F, F, F, F, F, F, F, F}},
        PassCase{"DigitAndLineBreakIsACandidateString",
                 {"5\r\n", "1", "2", "3", "4", "6", "7", "8", "9"},
                 {"5", "1", "2", "3", "4", "6", "7", "8", "9"}},
        PassCase{"LineBreakTextIsNotEliminatedFrom",
                 {"5\r\n", "", "", "", "", "", "", "", ""},
                 {"5\r\n", F, F, F, F, F, F, F, F}}),
    CaseName);

class ColumnPassTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(ColumnPassTest, OnePassOverColumnFour) {
  const UnitCells& column = Unit(UnitKind::Column, 4);
  MemoryGrid grid = WithUnit(column, GetParam().before);
  SolveColumn(grid, 4);
  ExpectUnit(grid, column, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ColumnPassTest,
    ::testing::Values(
        PassCase{"AllEmpty", {"", "", "", "", "", "", "", "", ""}, {F, F, F, F, F, F, F, F, F}},
        PassCase{"MissingDigit",
                 {"1", "2", "3", "4", "", "6", "7", "8", "9"},
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        PassCase{"SettledTopToBottom",
                 {"12", "", "", "", "2", "", "", "", "13"},
                 {"1", "3456789", "3456789", "3456789", "2", "3456789", "3456789", "3456789", "3"}},
        PassCase{"LaterSettlingNotSeenAbove",
                 {"13", "", "", "", "2", "", "", "", "12"},
                 {"13", "13456789", "13456789", "13456789", "2", "13456789", "13456789", "13456789", "1"}},
        PassCase{"EqualDigitsAreNotWritten",
                 {"4", "", "4", "", "", "", "", "", ""},
                 {"4", "12356789", "4", "12356789", "12356789", "12356789", "12356789", "12356789", "12356789"}},
        PassCase{"EmptiedWhenEveryCandidateGoes",
                 {"37", "3", "", "7", "", "", "", "", ""},
                 {"", "3", "1245689", "7", "1245689", "1245689", "1245689", "1245689", "1245689"}},
        PassCase{"NonDigitRemovesItself", {"x", "x12", "", "", "", "", "", "", ""}, {"x", "12", F, F, F, F, F, F, F}},
        PassCase{"LineBreakSurvives",
                 {"5\r\n", "5", "", "", "", "", "", "", ""},
                 {"\r\n", "5", "12346789", "12346789", "12346789", "12346789", "12346789", "12346789", "12346789"}}),
    CaseName);

class RowPassTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(RowPassTest, OnePassOverRowOne) {
  const UnitCells& row = Unit(UnitKind::Row, 1);
  MemoryGrid grid = WithUnit(row, GetParam().before);
  SolveRow(grid, 1);
  ExpectUnit(grid, row, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RowPassTest,
    ::testing::Values(
        PassCase{"LeftToRight",
                 {"12", "2", "", "", "", "", "", "", ""},
                 {"1", "2", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789"}},
        PassCase{"SettlingOnTheRightNotSeenOnTheLeft",
                 {"2", "", "12", "", "", "", "", "", ""},
                 {"2", "13456789", "1", "3456789", "3456789", "3456789", "3456789", "3456789", "3456789"}},
        PassCase{"RepeatedDigitLosesEveryCopy",
                 {"5", "5515", "", "", "", "", "", "", ""},
                 {"5", "1", "2346789", "2346789", "2346789", "2346789", "2346789", "2346789", "2346789"}}),
    CaseName);

#undef F

TEST(PassWritesTest, EveryPassWritesExactlyWhereAndWhatItShould) {
  std::vector<Write<CellText>> writes;
  MemoryGrid box =
      WithUnit(Unit(UnitKind::Box, 1), {"37", "23", "2", "456789", "456789", "456789", "456789", "456789", "456789"});
  box.RecordWrites(&writes);
  SolveBox(box, 1);
  const std::vector<Write<CellText>> box_writes = {
      {1, T("37")},     {2, T("3")},      {3, T("2")},      {4, T("456789")}, {5, T("456789")},
      {6, T("456789")}, {7, T("456789")}, {8, T("456789")}, {9, T("456789")}, {3, T("2")}};
  EXPECT_EQ(writes, box_writes);

  writes.clear();
  MemoryGrid row = WithUnit(Unit(UnitKind::Row, 1), {"12", "2", "", "", "", "", "", "", ""});
  row.RecordWrites(&writes);
  SolveRow(row, 1);
  std::vector<Write<CellText>> row_writes = {{1, T("1")}};
  for (const int i : {3, 10, 11, 12, 19, 20, 21}) row_writes.emplace_back(static_cast<CellIndex>(i), T("3456789"));
  EXPECT_EQ(writes, row_writes);
}

TEST(PassWritesTest, OutOfRangeUnitFailsBeforeAnyWrite) {
  for (const UnitNumber n : {UnitNumber{0}, UnitNumber{10}}) {
    std::vector<Write<CellText>> writes;
    MemoryGrid grid;
    grid.RecordWrites(&writes);
    EXPECT_THROW(SolveBox(grid, n), std::out_of_range);
    EXPECT_THROW(SolveColumn(grid, n), std::out_of_range);
    EXPECT_THROW(SolveRow(grid, n), std::out_of_range);
    EXPECT_TRUE(writes.empty());
  }
}

TEST(PassWritesTest, EditInsideANotificationIsSeenByTheNextTarget) {
  // The user types "9" into cell 21 while the row pass writes cell 1: the
  // pass reads the new text and removes 9 from every later target.
  MemoryGrid grid;
  grid.SetChangeHandler([&grid](CellIndex i) {
    if (i == 1) grid.SetCellText(21, T("9"));
  });
  SolveRow(grid, 1);
  EXPECT_EQ(grid.GetCellText(1), T("123456789"));
  EXPECT_EQ(grid.GetCellText(2), T("12345678"));
  EXPECT_EQ(grid.GetCellText(21), T("9"));
}

}  // namespace
}  // namespace noralim
