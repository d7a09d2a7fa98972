// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/reader.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "reader/linetext.h"

namespace noralim {

namespace {

constexpr int kMaxJsonDepth = 32;

LineResult ReadPuzzleLine(std::string_view line, std::size_t column_offset) {
  Puzzle puzzle;
  for (std::size_t k = 0; k < line.size(); ++k) {
    const char c = line[k];
    const bool empty = c == '.' || c == '0' || c == '-';
    if (!empty && (c < '1' || c > '9')) {
      return UnexpectedCharacter(c, column_offset + k + 1);
    }
    if (!empty && k < static_cast<std::size_t>(kCellCount)) {
      puzzle.texts[CellAtPosition(static_cast<int>(k)) - 1] = CellText(1, static_cast<char32_t>(c));
    }
  }
  if (line.size() != static_cast<std::size_t>(kCellCount)) {
    return Rejected{{}, messages::kCellCount, {std::to_string(kCellCount), std::to_string(line.size())}};
  }
  return puzzle;
}

// Nesting depth of a JSON text, outside strings. Checked before parsing so
// that no input can make the parser or the value's destructor recurse deeply.
int NestingDepth(std::string_view text) {
  int depth = 0;
  int deepest = 0;
  bool in_string = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (in_string) {
      if (c == '\\') {
        ++k;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return deepest;
}

// The parser reports a syntax error as parse_error and a number too large
// for a double as out_of_range; both are what is wrong with the line.
// The parser's message quotes the bytes it last read as they are; a message
// goes to a terminal as one line of printable ASCII, so any other byte is
// written as \xHH.
std::string Printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
      out += buffer;
    }
  }
  return out;
}

Rejected ParseError(const nlohmann::json::exception& e) {
  const std::string_view what = e.what();
  const auto close = what.find("] ");
  return Rejected{
      {}, messages::kInvalidJson, {Printable(close == std::string_view::npos ? what : what.substr(close + 2))}};
}

LineResult ReadCells(const nlohmann::json& cells, Puzzle puzzle) {
  if (!cells.is_array()) return Rejected{{}, messages::kNotAnArray, {}};
  if (cells.size() != static_cast<std::size_t>(kCellCount)) {
    return Rejected{{}, messages::kCellCount, {std::to_string(kCellCount), std::to_string(cells.size())}};
  }
  for (int p = 0; p < kCellCount; ++p) {
    const nlohmann::json& cell = cells[static_cast<std::size_t>(p)];
    if (!cell.is_string()) return Rejected{{}, messages::kCellNotString, {std::to_string(p + 1)}};
    auto text = DecodeUtf8(cell.get_ref<const std::string&>());
    if (!text) return Rejected{{}, messages::kCellNotUtf8, {std::to_string(p + 1)}};
    puzzle.texts[CellAtPosition(p) - 1] = std::move(*text);
  }
  return puzzle;
}

LineResult ReadJsonLine(std::string_view line) {
  if (NestingDepth(line) > kMaxJsonDepth) {
    return Rejected{{}, messages::kJsonTooDeep, {std::to_string(kMaxJsonDepth)}};
  }
  nlohmann::json value;
  try {
    value = nlohmann::json::parse(line);
  } catch (const nlohmann::json::exception& e) {
    return ParseError(e);
  }
  if (value.is_array()) return ReadCells(value, Puzzle{});
  Puzzle puzzle;
  if (const auto id = value.find("id"); id != value.end()) puzzle.id = id->dump();
  if (const auto seed = value.find("seed"); seed != value.end()) puzzle.seed = seed->dump();
  const auto cells = value.find("cells");
  if (cells == value.end()) return Rejected{{}, messages::kNoCells, {}};
  return ReadCells(*cells, std::move(puzzle));
}

}  // namespace

std::string Describe(const Rejected& rejected) {
  std::string text = rejected.where;
  if (!text.empty()) text += ": ";
  text += FormatMessage(rejected.format, rejected.args);
  return text;
}

std::string LinePlace(std::string_view name, long line) {
  std::string place(name);
  place += ':';
  place += std::to_string(line);
  return place;
}

Rejected UnexpectedCharacter(char c, std::size_t column) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) {
    return Rejected{{}, messages::kUnexpectedCharacter, {std::string(1, c), std::to_string(column)}};
  }
  char hex[4];
  std::snprintf(hex, sizeof hex, "%02X", byte);
  return Rejected{{}, messages::kUnexpectedByte, {hex, std::to_string(column)}};
}

std::optional<DigitCells> ReadPuzzleMasks(std::string_view line) {
  // The mask of each byte of a puzzle line: 0 for an empty cell, one digit's
  // bit for a given, kNotAPuzzleCharacter for anything else.
  static constexpr std::uint16_t kNotAPuzzleCharacter = 0xFFFF;
  static constexpr auto kMaskOfByte = [] {
    std::array<std::uint16_t, 256> masks{};
    masks.fill(kNotAPuzzleCharacter);
    masks['.'] = masks['0'] = masks['-'] = 0;
    for (int d = 1; d <= 9; ++d) masks['0' + d] = static_cast<std::uint16_t>(1U << (d - 1));
    return masks;
  }();
  line = Trim(WithoutCr(line));
  if (line.size() != static_cast<std::size_t>(kCellCount)) return std::nullopt;
  DigitCells cells;
  for (int p = 0; p < kCellCount; ++p) {
    const std::uint16_t mask = kMaskOfByte[static_cast<unsigned char>(line[static_cast<std::size_t>(p)])];
    if (mask == kNotAPuzzleCharacter) return std::nullopt;
    cells[kSlotOfPosition[p]] = DigitSet::FromBits(mask);
  }
  return cells;
}

LineResult ReadLine(std::string_view line) {
  line = WithoutCr(line);
  const std::string_view content = Trim(line);
  if (content.empty() || content.front() == '#') return Skipped{};
  if (content.front() == '[' || content.front() == '{') return ReadJsonLine(content);
  return ReadPuzzleLine(content, static_cast<std::size_t>(content.data() - line.data()));
}

}  // namespace noralim
