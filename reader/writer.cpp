// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/writer.h"

#include <nlohmann/json.hpp>

namespace noralim {

namespace {

// The 81 texts in row-major order as JSON strings (UTF-8).
nlohmann::ordered_json CellsArray(const GridTexts& texts) {
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (int p = 0; p < kCellCount; ++p) cells.push_back(EncodeUtf8(texts[CellAtPosition(p) - 1]));
  return cells;
}

}  // namespace

std::optional<std::string> PuzzleLine(const GridTexts& texts) {
  std::string line(kCellCount, '.');
  for (int p = 0; p < kCellCount; ++p) {
    const CellText& t = texts[CellAtPosition(p) - 1];
    if (IsDigitValue(t)) {
      line[static_cast<std::size_t>(p)] = static_cast<char>(t[0]);
    } else if (!t.empty()) {
      return std::nullopt;
    }
  }
  return line;
}

std::string GridLine(const GridTexts& texts) {
  if (auto line = PuzzleLine(texts)) return *std::move(line);
  nlohmann::ordered_json object;
  object["cells"] = CellsArray(texts);
  return object.dump();
}

}  // namespace noralim
