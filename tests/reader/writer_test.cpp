#include "writer.h"

#include <gtest/gtest.h>

#include "reader.h"

namespace noralim {
namespace {

GridTexts WithCell(CellIndex i, CellText text) {
  GridTexts texts;
  texts[static_cast<std::size_t>(i - 1)] = std::move(text);
  return texts;
}

TEST(WriterTest, DigitsAndEmptyCellsMakeAPuzzleLineInRowMajorOrder) {
  // Cell 10 is row 1, column 4: the fourth character of the line.
  GridTexts texts = WithCell(10, U"7");
  texts[0] = DigitText(1);
  std::string expected(81, '.');
  expected[0] = '1';
  expected[3] = '7';
  EXPECT_EQ(PuzzleLine(texts), expected);
  EXPECT_EQ(GridLine(texts), *PuzzleLine(texts));
}

struct RoundTripCase {
  const char* name;
  CellText text;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Whatever a cell holds, the line read back gives the very same texts.
TEST_P(RoundTripTest, ReadsBackTheSameTexts) {
  const GridTexts texts = WithCell(40, GetParam().text);
  const std::string line = GridLine(texts);
  const bool digits_only = GetParam().text.empty() || IsDigitValue(GetParam().text);
  EXPECT_EQ(PuzzleLine(texts).has_value(), digits_only);
  EXPECT_EQ(line.front() == '{', !digits_only) << line;
  const LineResult result = ReadLine(line);
  ASSERT_TRUE(std::holds_alternative<Puzzle>(result)) << line;
  EXPECT_EQ(std::get<Puzzle>(result).texts, texts);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RoundTripTest,
    ::testing::Values(RoundTripCase{"Empty", U""}, RoundTripCase{"Digit", U"9"},
                      RoundTripCase{"CandidateString", U"1357"}, RoundTripCase{"Zero", U"0"},
                      RoundTripCase{"Letter", U"x"}, RoundTripCase{"LineBreak", U"5\r\n"},
                      RoundTripCase{"FullWidthDigit", U"\uFF15"}, RoundTripCase{"QuoteAndBackslash", U"\"\\"},
                      RoundTripCase{"OutsideTheBasicPlane", U"\U0001F600"}, RoundTripCase{"Hash", U"#"}),
    [](const ::testing::TestParamInfo<RoundTripCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace noralim
