// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Golden data: table rows kept as JSON lines under tests/data/, one object a
// line, each with a "name" that failure messages show.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "reader/reader.h"
#include "solver/gridtexts.h"

namespace noralim::golden {

using Row = nlohmann::json;

inline std::vector<Row> Rows(const std::string& file) {
  std::ifstream in(std::string(NORALIM_TEST_DATA) + "/" + file);
  if (!in) throw std::runtime_error("cannot read tests/data/" + file);
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) rows.push_back(Row::parse(line));
  }
  return rows;
}

// A grid written as a puzzle line or as an array of 81 texts, row-major.
inline GridTexts Grid(const Row& grid) {
  const LineResult line = ReadLine(grid.is_string() ? grid.get<std::string>() : grid.dump());
  return std::get<Puzzle>(line).texts;
}

inline CellText Text(const Row& text) { return DecodeUtf8(text.get<std::string>()).value(); }

}  // namespace noralim::golden
