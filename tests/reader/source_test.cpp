// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Finding a puzzle from an operand. What is said when there is none shows in
// tests/cli/window.t.
#include "reader/source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace noralim {
namespace {

TEST(LoadPuzzleTest, FindsALiteralPuzzleAFileOrALineOfAFile) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "noralim_source_test";
  std::filesystem::create_directories(dir);
  const std::string p = (dir / "p.txt").string();
  std::ofstream(p) << "# comment\n\n2" << std::string(80, '.') << "\n"
                   << std::string(80, '.') << "\n3" << std::string(80, '.') << "\n";
  std::ofstream(dir / "p.txt:4") << "4" << std::string(80, '.') << "\n";
  const struct {
    std::string operand;
    char32_t cell1;
  } cases[] = {{"1" + std::string(80, '.'), U'1'}, {p, U'2'}, {p + ":5", U'3'}, {p + ":4", U'4'}};
  for (const auto& c : cases) {
    const auto result = LoadPuzzle(c.operand, 1);
    ASSERT_TRUE(std::holds_alternative<Puzzle>(result)) << c.operand << ": " << Describe(std::get<Rejected>(result));
    EXPECT_EQ(std::get<Puzzle>(result).texts[0], CellText(1, c.cell1)) << c.operand;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace noralim
