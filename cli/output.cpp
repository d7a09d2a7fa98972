#include "cli/output.h"

#include <nlohmann/json.hpp>

namespace noralim::cli {

namespace {

// A cell of the plain output line: its digit, or '.' for anything else.
char PlainChar(DigitSet s) { return IsDigitValue(s) ? static_cast<char>('0' + DigitOf(s)) : '.'; }
char PlainChar(const CellText& t) { return IsDigitValue(t) ? static_cast<char>(t[0]) : '.'; }

}  // namespace

std::string FormatPlain(const Solution& solution) {
  std::string out;
  out.reserve(kCellCount + 16);
  std::visit(
      [&out](const auto& cells) {
        for (int p = 0; p < kCellCount; ++p) out.push_back(PlainChar(cells[CellAtPosition(p) - 1]));
      },
      solution.cells);
  out += ' ';
  out += StatusName(solution.status);
  out += ' ';
  out += std::to_string(solution.result.sweeps);
  return out;
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
