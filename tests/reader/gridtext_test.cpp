// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// One puzzle from a text in each form people copy a grid in
// (tests/data/grids.jsonl), read as the clipboard's text and as a file given
// to the window, whole and from the line the puzzle starts on: the same
// puzzle, or the same message naming the same line.
#include "reader/gridtext.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "reader/linereader.h"
#include "reader/source.h"
#include "reader/writer.h"
#include "tests/support/golden.h"

namespace noralim {
namespace {

// A cell may hold as much as any row of the golden data puts in it.
constexpr std::size_t kLongest = 1000;

// A read as the table writes it: the grid's line, the message, or "skipped".
template <typename Result>
std::string Shown(const Result& result) {
  if (const auto* puzzle = std::get_if<Puzzle>(&result)) return GridLine(puzzle->texts);
  if (const auto* rejected = std::get_if<Rejected>(&result)) return Describe(*rejected);
  return "skipped";
}

// The table's message about "text" as said about the file.
std::string AboutFile(std::string expected, const std::string& file) {
  if (expected.starts_with("text:")) expected.replace(0, 4, file);
  return expected;
}

TEST(GridTextTest, ReadsEveryFormFromTheClipboardAndFromAFile) {
  const std::string file = (std::filesystem::path(::testing::TempDir()) / "noralim_gridtext_test.txt").string();
  for (const golden::Row& row : golden::Rows("grids.jsonl")) {
    const std::string name = row["name"];
    const std::string text = row["text"];
    const std::string expected = row["read"];
    std::ofstream(file, std::ios::binary) << text;
    const GridRead read = ReadGrid(text, "text");
    EXPECT_EQ(Shown(read.result), expected) << name;
    if (std::holds_alternative<Rejected>(read.result)) {
      EXPECT_TRUE(expected.starts_with(LinePlace("text", read.line) + ":")) << name << ": line " << read.line;
    } else {
      EXPECT_EQ(read.line, row.value("line", 0L)) << name;
    }
    EXPECT_EQ(Shown(LoadPuzzle(file, kLongest)), AboutFile(row.value("file", expected), file)) << name;
    if (row.contains("line")) {
      EXPECT_EQ(Shown(LoadPuzzle(file + ":" + std::to_string(read.line), kLongest)), expected)
          << name << ", from its line";
    }
    if (row.contains("then")) {
      const std::string operand = file + ":" + std::to_string(row["then"]["line"].get<long>());
      EXPECT_EQ(Shown(LoadPuzzle(operand, kLongest)), row["then"]["read"]) << name << ", the next puzzle";
    }
  }
  std::filesystem::remove(file);
  // A line longer than any line of a file is taken.
  const std::string overlong(LineReader::kMaxLineBytes + 1, '.');
  EXPECT_EQ(Shown(ReadGrid("\n" + overlong, "text").result), "text:2: line longer than 1048576 bytes");
  // After a grid's nine rows, such a line only ends the grid.
  std::string nine;
  for (int row = 0; row < 9; ++row) nine += "123456789\n";
  EXPECT_EQ(Shown(ReadGrid(nine + overlong, "text").result),
            GridLine(std::get<Puzzle>(ReadGrid(nine, "").result).texts));
}

}  // namespace
}  // namespace noralim
