#include "reader.h"

#include <gtest/gtest.h>

#include <string>

namespace noralim {
namespace {

std::string Empty81() { return {std::string(81, '.')}; }

std::string JsonCells(const std::string& first, int count = 81) {
  std::string out = "[" + first;
  for (int k = 1; k < count; ++k) out += ",\"\"";
  return out + "]";
}

struct RejectCase {
  const char* name;
  std::string line;
  const char* message;
};

class RejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectTest, SaysWhatIsWrong) {
  const LineResult result = ReadLine(GetParam().line);
  ASSERT_TRUE(std::holds_alternative<Rejected>(result));
  EXPECT_EQ(std::get<Rejected>(result).message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectTest,
    ::testing::Values(RejectCase{"ShortLine", std::string(80, '.'), "expected 81 cells, got 80"},
                      RejectCase{"LongLine", std::string(82, '1'), "expected 81 cells, got 82"},
                      RejectCase{"Letter", std::string(11, '.') + "x" + std::string(69, '.'),
                                 "unexpected character 'x' at column 12"},
                      RejectCase{"ColumnCountsLeadingBlanks", "  " + std::string(3, '.') + "?",
                                 "unexpected character '?' at column 6"},
                      RejectCase{"BinaryByte", std::string("\x01", 1) + std::string(80, '.'),
                                 "unexpected character byte 0x01 at column 1"},
                      RejectCase{"NonAsciiDigit", "\xEF\xBC\x95" + std::string(80, '.'),
                                 "unexpected character byte 0xEF at column 1"},
                      RejectCase{"BrokenJson", "[\"1\",",
                                 "invalid JSON: parse error at line 1, column 6: syntax error while parsing value - "
                                 "unexpected end of input; expected '[', '{', or a literal"},
                      RejectCase{"TooFewJsonCells", JsonCells("\"1\"", 80), "expected 81 cells, got 80"},
                      RejectCase{"NumberCell", JsonCells("1"), "cell 1 is not a string"},
                      RejectCase{"ObjectWithoutCells", "{\"id\": 1}", "JSON object has no \"cells\""},
                      RejectCase{"CellsNotAnArray", "{\"cells\": \"123\"}", "expected an array of 81 strings"},
                      RejectCase{"DeepNesting", std::string(100000, '[') + std::string(100000, ']'),
                                 "invalid JSON: nested deeper than 32 levels"},
                      RejectCase{"NumberTooLargeForADouble", "[1e400]",
                                 "invalid JSON: number overflow parsing '1e400'"},
                      RejectCase{"IdTooLargeForADouble", "{\"id\": -1e999, \"cells\": []}",
                                 "invalid JSON: number overflow parsing '-1e999'"},
                      RejectCase{"RawBytesInBrokenJsonAreEscaped", "[\xC3\x7F",
                                 "invalid JSON: parse error at line 1, column 2: syntax error while parsing value - "
                                 "invalid literal; last read: '[\\xC3'"},
                      RejectCase{"DeleteInBrokenJsonIsEscaped", "[\x7F",
                                 "invalid JSON: parse error at line 1, column 2: syntax error while parsing value - "
                                 "invalid literal; last read: '[\\x7F'"}),
    [](const ::testing::TestParamInfo<RejectCase>& info_) { return std::string(info_.param.name); });

TEST(ReaderTest, InvalidUtf8InAJsonStringIsRejected) {
  const LineResult result = ReadLine(JsonCells("\"\xC3\x28\""));
  ASSERT_TRUE(std::holds_alternative<Rejected>(result));
  EXPECT_NE(std::get<Rejected>(result).message.find("invalid JSON"), std::string::npos);
}

TEST(ReaderTest, BlankAndCommentLinesAreSkipped) {
  for (const char* line : {"", "   ", "\t", "\r", "# a comment", "  # indented"}) {
    EXPECT_TRUE(std::holds_alternative<Skipped>(ReadLine(line))) << line;
  }
}

TEST(ReaderTest, PuzzleLineIsRowMajorWithThreeEmptyMarks) {
  std::string line = Empty81();
  line[0] = '5';   // row 1, column 1: cell 1
  line[3] = '0';   // empty
  line[9] = '-';   // empty
  line[80] = '9';  // row 9, column 9: cell 81
  line[27] = '7';  // row 4, column 1: cell 28
  const LineResult result = ReadLine(line + "\r");
  ASSERT_TRUE(std::holds_alternative<Puzzle>(result));
  const GridTexts& texts = std::get<Puzzle>(result).texts;
  EXPECT_EQ(texts[0], U"5");
  EXPECT_EQ(texts[80], U"9");
  EXPECT_EQ(texts[27], U"7");
  int filled = 0;
  for (const CellText& t : texts) filled += t.empty() ? 0 : 1;
  EXPECT_EQ(filled, 3);
}

TEST(ReaderTest, JsonLinesKeepEveryTextAndTheId) {
  std::string cells = "[\"5\\r\\n\",\"a\",\"\xEF\xBC\x95\",\"12\"";
  for (int k = 4; k < 81; ++k) cells += ",\"\"";
  cells += "]";
  const LineResult result = ReadLine(R"({"id": ["x", 2], "other": 0, "cells": )" + cells + "}");
  ASSERT_TRUE(std::holds_alternative<Puzzle>(result));
  const auto& puzzle = std::get<Puzzle>(result);
  EXPECT_EQ(puzzle.texts[0], U"5\r\n");
  EXPECT_EQ(puzzle.texts[1], U"a");
  EXPECT_EQ(puzzle.texts[2], U"\uFF15");
  EXPECT_EQ(puzzle.texts[9], U"12");  // row 1, column 4 is cell 10
  ASSERT_TRUE(puzzle.id.has_value());
  EXPECT_EQ(puzzle.id->dump(), "[\"x\",2]");
  EXPECT_TRUE(std::holds_alternative<Puzzle>(ReadLine(cells)));
}

}  // namespace
}  // namespace noralim
