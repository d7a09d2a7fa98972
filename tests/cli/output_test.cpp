#include "output.h"

#include <gtest/gtest.h>

#include <string>

#include "reader.h"
#include "solution.h"

namespace noralim::cli {
namespace {

Puzzle Read(const std::string& line) { return std::get<Puzzle>(ReadLine(line)); }

TEST(OutputTest, PlainLineShowsDigitsStatusAndSweeps) {
  const Puzzle puzzle = Read(std::string(81, '.'));
  EXPECT_EQ(FormatPlain(SolvePuzzle(puzzle.texts, false)), std::string(81, '.') + " open 2");
}

TEST(OutputTest, PlainLineOfArbitraryTextsShowsOnlyDigits) {
  // A letter in cell 1 and a line break after a digit in cell 2 (row 1, column 2).
  std::string line = R"(["a","5\r\n","7")";
  for (int k = 3; k < 81; ++k) line += ",\"\"";
  const Solution solution = SolvePuzzle(Read(line + "]").texts, false);
  const std::string plain = FormatPlain(solution);
  EXPECT_EQ(plain.substr(0, 3), "..7");
  EXPECT_EQ(solution.Text(1), U"a");
}

TEST(OutputTest, TraceOfTheEmptyGridListsEveryWriteOfBothSweepsInPassOrder) {
  const Puzzle puzzle = Read(std::string(81, '.'));
  const Solution solution = SolvePuzzle(puzzle.texts, true);
  // Per unit number: the box writes its nine cells, then the column, then the
  // row; no hidden single and no settled cell, so 27 writes a unit number.
  ASSERT_EQ(solution.writes.size(), 2U * 9U * 27U);
  const int expected_start[27] = {1,  2,  3,  4,  5, 6, 7, 8,  9,  1,  4,  7,  28, 31,
                                  34, 55, 58, 61, 1, 2, 3, 10, 11, 12, 19, 20, 21};
  for (std::size_t k = 0; k < 27; ++k) EXPECT_EQ(solution.writes[k].first, expected_start[k]) << k;
  for (const auto& write : solution.writes) EXPECT_EQ(write.second, U"123456789");
}

TEST(OutputTest, JsonLineCarriesIdTextsAndTrace) {
  std::string cells = R"(["5\r\n","a")";
  for (int k = 2; k < 81; ++k) cells += R"(,"")";
  const Puzzle puzzle = Read(R"({"id":"p1","cells":)" + cells + "]}");
  const Solution solution = SolvePuzzle(puzzle.texts, true);
  const auto json = nlohmann::json::parse(FormatJson(4, puzzle, solution, true));
  EXPECT_EQ(json["line"], 4);
  EXPECT_EQ(json["id"], "p1");
  EXPECT_EQ(json["status"], "open");
  EXPECT_EQ(json["sweeps"], solution.result.sweeps);
  ASSERT_EQ(json["cells"].size(), 81U);
  EXPECT_EQ(json["cells"][0], "5\r\n");
  EXPECT_EQ(json["cells"][1], "a");
  EXPECT_EQ(json["cells"][2], "123456789");  // a settled "a" removes no digit
  ASSERT_EQ(json["writes"].size(), solution.writes.size());
  EXPECT_EQ(json["writes"][0], nlohmann::json::parse("[1, \"5\\r\\n\"]"));
  EXPECT_FALSE(nlohmann::json::parse(FormatJson(4, puzzle, solution, false)).contains("writes"));
}

}  // namespace
}  // namespace noralim::cli
