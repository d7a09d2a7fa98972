// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Finding a puzzle from an operand: a puzzle line, a JSON line, a file or a
// line of a file. What is said when there is none shows in
// tests/cli/window.t.
#include "reader/source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "reader/writer.h"

namespace noralim {
namespace {

TEST(LoadPuzzleTest, FindsALiteralPuzzleAFileOrALineOfAFile) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "noralim_source_test";
  std::filesystem::create_directories(dir);
  const std::string p = (dir / "p.txt").string();
  std::ofstream(p) << "# comment\n\n2" << std::string(80, '.') << "\n"
                   << std::string(80, '.') << "\n3" << std::string(80, '.') << "\n";
  std::ofstream(dir / "p.txt:4") << "4" << std::string(80, '.') << "\n";
  std::string cells = R"({"cells": ["5")";
  for (int k = 1; k < kCellCount; ++k) cells += R"(, "")";
  cells += "]}";
  const std::string empty80(80, '.');
  const struct {
    std::string operand;
    std::string line;
  } cases[] = {{"1" + empty80, "1" + empty80},
               {"1" + std::string(80, '-'), "1" + empty80},
               {p, "2" + empty80},
               {p + ":5", "3" + empty80},
               {p + ":4", "4" + empty80},
               {cells, "5" + empty80}};
  for (const auto& c : cases) {
    const auto result = LoadPuzzle(c.operand, 1);
    ASSERT_TRUE(std::holds_alternative<Puzzle>(result)) << c.operand << ": " << Describe(std::get<Rejected>(result));
    EXPECT_EQ(GridLine(std::get<Puzzle>(result).texts), c.line) << c.operand;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace noralim
