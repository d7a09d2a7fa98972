// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "reader/commandline.h"
#include "reader/gridtext.h"
#include "reader/linereader.h"

namespace noralim {

namespace {

using Loaded = std::variant<Puzzle, Rejected>;

bool HasPuzzleLength(std::string_view operand) { return operand.size() == static_cast<std::size_t>(kCellCount); }
bool HasOnlyPuzzleCharacters(std::string_view operand) {
  return operand.find_first_not_of("123456789.0-") == std::string_view::npos;
}
// A JSON line starts with '[' or '{', which no file name given by hand does;
// a file of that name is still read when there is one.
bool LooksLikeJson(std::string_view operand) {
  const auto first = operand.find_first_not_of(" \t");
  return first != std::string_view::npos && (operand[first] == '[' || operand[first] == '{');
}

Rejected Problem(std::string_view where, const char* format, std::vector<std::string> args = {}) {
  return Rejected{std::string(where), format, std::move(args)};
}

// The line a FILE:LINE operand names, from the text after its last colon, or
// what is wrong with that text.
std::variant<long, Rejected> LineNumber(std::string_view text, std::string_view operand) {
  if (const auto number = ParseWholeNumber(text, 1, std::numeric_limits<long>::max())) return *number;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return Problem(operand, messages::kNotALineNumber, {std::string(text)});
  }
  if (text.find_first_not_of('0') == std::string_view::npos) return Problem(operand, messages::kLineFromOne);
  return Problem(operand, messages::kLineTooLarge);
}

Loaded FromRead(GridRead read, std::string_view name, std::size_t max_cell_characters) {
  if (auto* rejected = std::get_if<Rejected>(&read.result)) return std::move(*rejected);
  auto& puzzle = std::get<Puzzle>(read.result);
  if (!FitsCells(puzzle.texts, max_cell_characters)) {
    return Problem(LinePlace(name, read.line), messages::kCellTooLong, {std::to_string(max_cell_characters)});
  }
  return std::move(puzzle);
}

// The puzzle that starts on line `wanted` of the file, or, when wanted is 0,
// its first puzzle. An overlong line ends the reading there, so that no file,
// not even an endless one, is read past its first megabyte of a line.
Loaded FromFile(std::FILE* in, std::string_view name, long wanted, std::size_t max_cell_characters) {
  LineReader reader(in, LineReader::Overlong::Stop);
  GridReader grid(name, wanted != 0);
  std::string text;
  for (;;) {
    const LineReader::Status status = reader.Next(&text);
    if (status == LineReader::Status::End) break;
    if (status == LineReader::Status::Error) return Problem(name, messages::kReadError, {std::strerror(errno)});
    const long number = reader.LineNumber();
    if (status == LineReader::Status::TooLong) {
      if (grid.Complete()) break;  // no row is that long: the grid ended before it
      return Problem(LinePlace(name, number), messages::kLineTooLong, LineReader::TooLongArgs());
    }
    if (number < wanted) continue;
    if (auto read = grid.Add(text, number)) return FromRead(std::move(*read), name, max_cell_characters);
  }
  if (reader.LineNumber() < wanted) {
    return Problem(name, messages::kNoSuchLine, {std::to_string(wanted), std::to_string(reader.LineNumber())});
  }
  GridRead read = grid.Finish();
  if (std::holds_alternative<Skipped>(read.result)) return Problem(name, messages::kNoPuzzleInFile);
  return FromRead(std::move(read), name, max_cell_characters);
}

// A JSON line given as the operand itself; what is wrong with it is said
// about "puzzle".
Loaded FromJson(std::string_view operand, std::size_t max_cell_characters) {
  LineResult result = ReadLine(operand);
  if (auto* rejected = std::get_if<Rejected>(&result)) {
    rejected->where = "puzzle";
    return std::move(*rejected);
  }
  auto& puzzle = std::get<Puzzle>(result);
  if (!FitsCells(puzzle.texts, max_cell_characters)) {
    return Problem("puzzle", messages::kCellTooLong, {std::to_string(max_cell_characters)});
  }
  return std::move(puzzle);
}

}  // namespace

bool IsPuzzleLiteral(std::string_view operand) { return HasPuzzleLength(operand) && HasOnlyPuzzleCharacters(operand); }

bool FitsCells(const GridTexts& texts, std::size_t max_cell_characters) {
  return std::all_of(texts.begin(), texts.end(),
                     [&](const CellText& text) { return text.size() <= max_cell_characters; });
}

std::variant<Puzzle, Rejected> LoadPuzzle(std::string_view operand, std::size_t max_cell_characters) {
  if (IsPuzzleLiteral(operand)) {
    LineResult result = ReadLine(operand);
    if (auto* puzzle = std::get_if<Puzzle>(&result)) return std::move(*puzzle);
  }
  const std::string whole(operand);
  if (File file(std::fopen(whole.c_str(), "rb")); file) return FromFile(file.get(), operand, 0, max_cell_characters);
  const int open_error = errno;
  if (LooksLikeJson(operand)) return FromJson(operand, max_cell_characters);
  if (const auto colon = operand.rfind(':'); colon != std::string_view::npos && colon != 0) {
    const std::string path(operand.substr(0, colon));
    if (File file(std::fopen(path.c_str(), "rb")); file) {
      auto line = LineNumber(operand.substr(colon + 1), operand);
      if (auto* rejected = std::get_if<Rejected>(&line)) return std::move(*rejected);
      return FromFile(file.get(), operand.substr(0, colon), std::get<long>(line), max_cell_characters);
    }
  }
  // An operand that is no file but as long as a puzzle line, or made of
  // nothing but puzzle characters, is most likely a mistyped puzzle: say what
  // is wrong with it as a puzzle.
  if (HasPuzzleLength(operand) || HasOnlyPuzzleCharacters(operand)) {
    if (LineResult result = ReadLine(operand); std::holds_alternative<Rejected>(result)) {
      auto& rejected = std::get<Rejected>(result);
      rejected.where = "puzzle";
      return std::move(rejected);
    }
  }
  return Problem(operand, messages::kSystemError, {std::strerror(open_error)});
}

}  // namespace noralim
