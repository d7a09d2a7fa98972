// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/output.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>

namespace noralim::cli {

namespace {

// A cell of the plain output line: its digit, or '.' for anything else.
constexpr auto kPlainCharOfMask = [] {
  std::array<char, 512> chars{};
  for (unsigned m = 0; m < chars.size(); ++m) {
    const DigitSet cell = DigitSet::FromBits(static_cast<std::uint16_t>(m));
    chars[m] = IsDigitValue(cell) ? static_cast<char>('0' + DigitOf(cell)) : '.';
  }
  return chars;
}();

char PlainChar(const CellText& t) { return IsDigitValue(t) ? static_cast<char>(t[0]) : '.'; }

void AppendNumber(long n, std::string* out) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, n);
  out->append(digits, end);
}

void AppendStatusAndSweeps(GridStatus status, int sweeps, std::string* out) {
  *out += ' ';
  *out += StatusName(status);
  *out += ' ';
  AppendNumber(sweeps, out);
}

}  // namespace

void AppendPlainCells(const DigitCells& cells, std::string* out) {
  const std::size_t at = out->size();
  out->resize(at + kCellCount);
  char* line = out->data() + at;
  for (std::size_t p = 0; p < kSlotOfPosition.size(); ++p) {
    line[p] = kPlainCharOfMask[cells[kSlotOfPosition[p]].Bits() & 0x1FF];
  }
}

void AppendPlain(const DigitCells& cells, GridStatus status, int sweeps, std::string* out) {
  AppendPlainCells(cells, out);
  AppendStatusAndSweeps(status, sweeps, out);
}

std::string FormatPlain(const Solution& solution) {
  std::string out;
  out.reserve(kCellCount + 16);
  if (const auto* masks = std::get_if<DigitCells>(&solution.cells)) {
    AppendPlain(*masks, solution.status, solution.result.sweeps, &out);
    return out;
  }
  const auto& texts = std::get<GridTexts>(solution.cells);
  for (int p = 0; p < kCellCount; ++p) out.push_back(PlainChar(texts[CellAtPosition(p) - 1]));
  AppendStatusAndSweeps(solution.status, solution.result.sweeps, &out);
  return out;
}

void AppendJson(long line, const std::optional<std::string>& id, const DigitCells& cells, GridStatus status, int sweeps,
                std::string* out) {
  *out += "{\"line\":";
  AppendNumber(line, out);
  if (id) {
    *out += ",\"id\":";
    *out += *id;
  }
  *out += ",\"cells\":[";
  for (int p = 0; p < kCellCount; ++p) {
    if (p > 0) *out += ',';
    *out += '"';
    for (unsigned bits = cells[kSlotOfPosition[p]].Bits(); bits != 0; bits &= bits - 1) {
      out->push_back(static_cast<char>('1' + std::countr_zero(bits)));
    }
    *out += '"';
  }
  *out += R"(],"status":")";
  *out += StatusName(status);
  *out += R"(","sweeps":)";
  AppendNumber(sweeps, out);
  *out += '}';
}

std::string FormatJson(long line, const Puzzle& puzzle, const Solution& solution, bool trace) {
  nlohmann::ordered_json out;
  out["line"] = line;
  if (puzzle.id) out["id"] = nlohmann::ordered_json::parse(*puzzle.id);
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (int p = 0; p < kCellCount; ++p) cells.push_back(EncodeUtf8(solution.Text(CellAtPosition(p))));
  out["cells"] = std::move(cells);
  out["status"] = StatusName(solution.status);
  out["sweeps"] = solution.result.sweeps;
  if (trace) {
    nlohmann::ordered_json writes = nlohmann::ordered_json::array();
    for (const auto& [cell, text] : solution.writes) writes.push_back({cell, EncodeUtf8(text)});
    out["writes"] = std::move(writes);
  }
  return out.dump();
}

}  // namespace noralim::cli
