#include "output.h"

namespace noralim::cli {

std::string FormatPlain(const Solution& solution) {
  std::string out;
  out.reserve(kCellCount + 16);
  for (int p = 0; p < kCellCount; ++p) {
    const CellText& t = solution.texts[CellAtPosition(p) - 1];
    out.push_back(IsDigitValue(t) ? static_cast<char>(t[0]) : '.');
  }
  out += ' ';
  out += StatusName(solution.status);
  out += ' ';
  out += std::to_string(solution.result.sweeps);
  return out;
}

std::string FormatJson(long line, const Puzzle& puzzle, const Solution& solution, bool trace) {
  nlohmann::ordered_json out;
  out["line"] = line;
  if (puzzle.id) out["id"] = *puzzle.id;
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (int p = 0; p < kCellCount; ++p) cells.push_back(EncodeUtf8(solution.texts[CellAtPosition(p) - 1]));
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
