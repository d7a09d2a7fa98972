// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/gridtext.h"

#include <array>
#include <cstdint>

#include "reader/linereader.h"
#include "reader/linetext.h"

namespace noralim {

namespace {

constexpr std::size_t kCandidateLineLength = std::size_t{kCellCount} * kUnitSize;
// The longest first line that starts a grid although it does not read as a
// row: nearer to a row of nine cells, with blanks and borders between, than
// to a puzzle line of 81.
constexpr std::size_t kLongestRowGuess = 40;

bool IsDigit(char c) { return c >= '1' && c <= '9'; }
bool IsGridBlank(char c) { return c == '.' || c == '0' || c == '_' || c == 'x' || c == 'X'; }
bool IsCandidateBlank(char c) { return c == '.' || c == '0' || c == '-' || c == ' '; }
// What separates the fields of a row.
bool IsFieldBreak(char c) { return c == ' ' || c == '\t' || c == '|'; }

// Blank, a comment or a section header; `content` is trimmed.
bool IsSkipped(std::string_view content) {
  if (content.empty() || content.front() == '#' || content.front() == '!') return true;
  return content.size() > 1 && content[0] == '[' && content[1] >= 'A' && content[1] <= 'Z';
}

// A border between rows or boxes: "+-------+", "---+---+---", "*-----*".
bool IsBorder(std::string_view content) {
  return !content.empty() && content.find_first_not_of("-=+|* \t") == std::string_view::npos;
}

// A line of nine characters a cell; `column_offset` is where it starts in
// the line as typed.
std::variant<Puzzle, Rejected> ReadCandidateLine(std::string_view line, std::size_t column_offset) {
  Puzzle puzzle;
  for (std::size_t k = 0; k < kCandidateLineLength; ++k) {
    const char c = line[k];
    const auto place = static_cast<int>(k % kUnitSize) + 1;
    if (c == '0' + place) {
      puzzle.texts[kSlotOfPosition[k / kUnitSize]] += static_cast<char32_t>(c);
    } else if (IsDigit(c)) {
      return Rejected{{},
                      messages::kMisplacedDigit,
                      {std::string(1, c), std::to_string(column_offset + k + 1), std::to_string(place)}};
    } else if (!IsCandidateBlank(c)) {
      return UnexpectedCharacter(c, column_offset + k + 1);
    }
  }
  return puzzle;
}

}  // namespace

std::optional<GridRead> GridReader::Add(std::string_view line, long number) {
  line = WithoutCr(line);
  const std::string_view content = Trim(line);
  if (start_ == 0) return Begin(line, content, number);
  if (Complete()) {
    // After the ninth row, borders may follow; a line that reads as a row
    // means the grid has more than nine, and anything else ends it.
    if (IsBorder(content)) return std::nullopt;
    if (IsSkipped(content) || ReadRow(line)) return Finish();
    return At(Rejected{{}, messages::kTenthRow, {}}, number);
  }
  if (IsSkipped(content) || IsBorder(content)) return std::nullopt;
  if (auto rejected = ReadRow(line)) return At(std::move(*rejected), number);
  ++rows_;
  return std::nullopt;
}

// The first line of the puzzle, which decides its form. With
// first_line_starts_ it is the first line given: a line that is not skipped
// reads as the puzzle, is rejected or starts a grid, none of which comes
// back here.
std::optional<GridRead> GridReader::Begin(std::string_view line, std::string_view content, long number) {
  if (IsSkipped(content)) {
    if (first_line_starts_) return At(Rejected{{}, messages::kNoPuzzleOnLine, {}}, number);
    return std::nullopt;
  }
  const auto one_line = [&](std::variant<Puzzle, Rejected> read) -> GridRead {
    if (auto* rejected = std::get_if<Rejected>(&read)) return At(std::move(*rejected), number);
    return GridRead{std::move(std::get<Puzzle>(read)), number};
  };
  const bool json = content.front() == '[' || content.front() == '{';
  if (!json && content.size() != static_cast<std::size_t>(kCellCount)) {
    if (line.size() == kCandidateLineLength) return one_line(ReadCandidateLine(line, 0));
    if (content.size() == kCandidateLineLength) {
      return one_line(ReadCandidateLine(content, static_cast<std::size_t>(content.data() - line.data())));
    }
    start_ = number;
    if (IsBorder(content)) return std::nullopt;
    std::optional<Rejected> row = ReadRow(line);
    if (!row) {
      rows_ = 1;
      return std::nullopt;
    }
    if (content.find('|') != std::string_view::npos || content.size() <= kLongestRowGuess) {
      return At(std::move(*row), number);
    }
  }
  LineResult read = ReadLine(line);
  if (auto* rejected = std::get_if<Rejected>(&read)) return one_line(std::move(*rejected));
  return one_line(std::move(std::get<Puzzle>(read)));
}

bool StartsRows(std::string_view line) {
  line = WithoutCr(line);
  if (line.size() == static_cast<std::size_t>(kCellCount) || line.empty() || line[0] == '[' || line[0] == '{') {
    return false;
  }
  // A line the reader would read or reject on its own comes back at once.
  return !GridReader({}, true).Add(line, 1).has_value();
}

// Row rows_ of a grid into texts_.
std::optional<Rejected> GridReader::ReadRow(std::string_view line) {
  std::array<std::string_view, kUnitSize> fields;
  std::size_t field_count = 0;
  std::size_t characters = 0;
  for (std::size_t k = 0; k < line.size();) {
    if (IsFieldBreak(line[k])) {
      ++k;
      continue;
    }
    const std::size_t begin = k;
    for (; k < line.size() && !IsFieldBreak(line[k]); ++k) {
      if (!IsDigit(line[k]) && !IsGridBlank(line[k])) return UnexpectedCharacter(line[k], k + 1);
    }
    if (field_count < fields.size()) fields[field_count] = line.substr(begin, k - begin);
    ++field_count;
    characters += k - begin;
  }
  if (field_count == fields.size()) return ReadFields(line, fields);
  if (characters != static_cast<std::size_t>(kUnitSize)) {
    return Rejected{{}, messages::kCellCount, {std::to_string(kUnitSize), std::to_string(characters)}};
  }
  int column = 0;
  for (const char c : line) {
    if (!IsFieldBreak(c)) SetCell(column++, IsDigit(c) ? CellText(1, static_cast<char32_t>(c)) : CellText());
  }
  return std::nullopt;
}

// Nine fields, each a blank or the digits a cell may hold.
std::optional<Rejected> GridReader::ReadFields(std::string_view line,
                                               const std::array<std::string_view, kUnitSize>& fields) {
  for (int column = 0; column < kUnitSize; ++column) {
    const std::string_view field = fields[static_cast<std::size_t>(column)];
    unsigned mask = 0;
    for (std::size_t k = 0; k < field.size(); ++k) {
      if (IsGridBlank(field[k]) && field.size() > 1) {
        return UnexpectedCharacter(field[k], static_cast<std::size_t>(field.data() - line.data()) + k + 1);
      }
      if (IsDigit(field[k])) mask |= 1U << (field[k] - '1');
    }
    SetCell(column, ToCellText(DigitSet::FromBits(static_cast<std::uint16_t>(mask))));
  }
  return std::nullopt;
}

void GridReader::SetCell(int column, CellText text) {
  if (Complete()) return;  // a row past the ninth is only read to be refused
  const int position = rows_ * kUnitSize + column;
  texts_[kSlotOfPosition[static_cast<std::size_t>(position)]] = std::move(text);
}

GridRead GridReader::At(Rejected rejected, long number) const {
  rejected.where = LinePlace(name_, number);
  return GridRead{std::move(rejected), number};
}

GridRead GridReader::Finish() const {
  if (start_ == 0) return GridRead{Skipped{}, 0};
  if (Complete()) return GridRead{Puzzle{texts_, std::nullopt, std::nullopt}, start_};
  return At(Rejected{{}, messages::kRowCount, {std::to_string(rows_)}}, start_);
}

GridRead ReadGrid(std::string_view text, std::string_view name) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  GridReader reader(name);
  long number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (line.size() > LineReader::kMaxLineBytes) {
      if (reader.Complete()) return reader.Finish();  // no row is that long
      return GridRead{Rejected{LinePlace(name, number), messages::kLineTooLong, LineReader::TooLongArgs()}, number};
    }
    if (auto read = reader.Add(line, number)) return std::move(*read);
  }
  return reader.Finish();
}

}  // namespace noralim
