// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Fuzz target: any bytes as a puzzle file, through the line splitter, the
// line reader and the writers, and as a whole text through the grid reader.
//
// For every input:
//  - the splitter's lines, each followed by a line feed, give back the input
//    (plus a line feed when the last line had none), numbered 1, 2, 3...;
//  - every line is skipped, accepted, or rejected with a message of one line
//    of printable ASCII;
//  - an accepted line's texts and id come back unchanged when its --json
//    output line and its GridLine are read again;
//  - the grid reader rejects a text with a message of printable ASCII naming
//    a line of the text, or reads a puzzle that its GridLine and, for texts
//    of digits, its line of 729 candidates give back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "cli/output.h"
#include "fuzz/fuzzcheck.h"
#include "reader/gridtext.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "reader/writer.h"

namespace {

using namespace noralim;
using fuzz::Require;

void CheckMessage(const Rejected& rejected) {
  const std::string message = Describe(rejected);
  Require(!message.empty(), "a rejection says what is wrong");
  for (const char c : message) Require(c >= 0x20 && c < 0x7F, "a rejection is printable ASCII");
}

void CheckLine(const std::string& text) {
  const LineResult result = ReadLine(text);
  if (const auto* rejected = std::get_if<Rejected>(&result)) CheckMessage(*rejected);
  const auto* puzzle = std::get_if<Puzzle>(&result);
  if (puzzle == nullptr) return;
  Solution shown;
  shown.cells = puzzle->texts;
  const LineResult json = ReadLine(cli::FormatJson(1, *puzzle, shown, false));
  const auto* from_json = std::get_if<Puzzle>(&json);
  Require(from_json != nullptr && from_json->texts == puzzle->texts && from_json->id == puzzle->id,
          "the --json output line reads back as the same texts and id");
  const LineResult grid = ReadLine(GridLine(puzzle->texts));
  Require(std::holds_alternative<Puzzle>(grid) && std::get<Puzzle>(grid).texts == puzzle->texts,
          "GridLine reads back as the same texts");
}

// The texts as a line of 729 candidates, when each is an ascending set of
// digits.
std::optional<std::string> CandidateLine(const GridTexts& texts) {
  std::string line(std::size_t{kCellCount} * kUnitSize, '.');
  for (std::size_t p = 0; p < kSlotOfPosition.size(); ++p) {
    char32_t last = U'0';
    for (const char32_t c : texts[kSlotOfPosition[p]]) {
      if (c <= last || c > U'9') return std::nullopt;
      line[p * kUnitSize + (c - U'1')] = static_cast<char>(c);
      last = c;
    }
  }
  return line;
}

void CheckGrid(std::string_view text, long lines) {
  const GridRead read = ReadGrid(text, "-");
  if (const auto* rejected = std::get_if<Rejected>(&read.result)) {
    CheckMessage(*rejected);
    Require(read.line >= 1 && read.line <= lines && rejected->where == LinePlace("-", read.line),
            "a rejection names a line of the text");
  }
  const auto* puzzle = std::get_if<Puzzle>(&read.result);
  if (puzzle == nullptr) return;
  const GridRead again = ReadGrid(GridLine(puzzle->texts), "-");
  Require(std::holds_alternative<Puzzle>(again.result) && std::get<Puzzle>(again.result).texts == puzzle->texts,
          "GridLine reads back through the grid reader as the same texts");
  if (const auto line = CandidateLine(puzzle->texts)) {
    const GridRead candidates = ReadGrid(*line, "-");
    Require(
        std::holds_alternative<Puzzle>(candidates.result) && std::get<Puzzle>(candidates.result).texts == puzzle->texts,
        "the line of 729 candidates reads back as the same texts");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> copy(data, data + size);
  std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
  Require(stream != nullptr, "fmemopen");
  LineReader reader(stream);
  std::string joined;
  bool whole = true;  // no line was too long to keep
  long number = 0;
  for (std::string line;;) {
    const LineReader::Status status = reader.Next(&line);
    if (status == LineReader::Status::End) break;
    Require(status != LineReader::Status::Error, "reading memory never fails");
    Require(reader.LineNumber() == ++number, "lines are numbered from 1 without gaps");
    whole = whole && status == LineReader::Status::Line;
    joined += line + '\n';
    if (status == LineReader::Status::Line) CheckLine(line);
  }
  std::fclose(stream);
  std::string input(reinterpret_cast<const char*>(data), size);
  // A byte-order mark at the start of the input is no part of the first line.
  if (input.starts_with("\xEF\xBB\xBF")) input.erase(0, 3);
  Require(!whole || joined == input || joined == input + "\n", "the lines make up the input");
  CheckGrid(std::string_view(reinterpret_cast<const char*>(data), size), number);
  return 0;
}
