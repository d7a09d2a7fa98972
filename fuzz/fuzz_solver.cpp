// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Fuzz target: the sweep loop on any grid.
//
// Each input byte makes one cell, in row-major order; cells left over are
// empty:
//   '1'-'9'       that digit
//   0x80-0xBF     a digit set: digits 1-6 from the byte's low six bits,
//                 7-9 from the low three bits of the next byte
//   0xF0-0xFF     one of sixteen texts that are no digit set (letters, line
//                 breaks, full-width digits, repeated digits)
//   anything else empty
//
// For every input: the run ends, by settling or at a contradiction (one that
// does not end shows as a timeout); no write empties a cell or changes a
// settled one; a run from the end of a settled run settles in one sweep that
// changes nothing and makes the writes of the first run's last sweep, and one
// from where a contradiction stopped a run ends invalid again; and for
// grids of digit sets the compact grid and the lane engine (every kernel) run
// exactly like the general one: the same writes, texts, sweeps and status,
// and the output lines made from masks are the ones made from texts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "boards/counting.h"
#include "boards/rating.h"
#include "cli/output.h"
#include "fuzz/fuzzcheck.h"
#include "solver/lanes.h"
#include "solver/solution.h"

namespace {

using namespace noralim;
using fuzz::Require;

constexpr const char32_t* kOddTexts[16] = {U"a",   U"x",  U"5\r\n", U"\r\n",       U"\uFF15",  U"55", U"91",
                                           U"1a2", U" ",  U"0",     U"\U0001F600", U"12\r\n3", U"#",  U"\uFF11\uFF12",
                                           U"aa",  U"9\n"};

GridTexts Decode(const std::uint8_t* data, std::size_t size) {
  GridTexts texts;
  std::size_t k = 0;
  for (int p = 0; p < kCellCount && k < size; ++p) {
    const std::uint8_t b = data[k++];
    CellText& cell = texts[static_cast<std::size_t>(CellAtPosition(p) - 1)];
    if (b >= '1' && b <= '9') {
      cell = CellText(1, b);
    } else if (b >= 0x80 && b < 0xC0) {
      const unsigned high = k < size ? data[k++] & 0x7U : 0U;
      cell = ToCellText(DigitSet::FromBits(static_cast<std::uint16_t>((b & 0x3FU) | high << 6)));
    } else if (b >= 0xF0) {
      cell = kOddTexts[b & 0xF];
    }
  }
  return texts;
}

// The rating counts as the counter does, rates exactly the grids with one
// solution, and that solution keeps to every cell's candidates.
void CheckRating(const DigitCells& givens) {
  const DigitCells candidates = OpenEmptyCells(givens);
  const Rating rating = Rate(candidates);
  const SolutionCount count = CountSolutions(candidates);
  Require(rating.solutions == count.solutions && rating.solution == count.solution, "the rating counts as the counter");
  Require(rating.level.has_value() == (rating.solutions == 1), "a grid is rated exactly when it has one solution");
  if (!count.solution) return;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const auto bits = (*count.solution)[k].Bits();
    Require(Length((*count.solution)[k]) == 1 && (bits & candidates[k].Bits()) == bits,
            "the solution is one of each cell's candidates");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const GridTexts start = Decode(data, size);
  const Solution first = SolveOnGeneralGrid(start, true);
  if (const auto digits = AsDigitSets(start)) {
    const Solution compact = SolveOnDigitGrid(*digits, true);
    Require(compact.result == first.result && compact.status == first.status, "both grids end alike");
    Require(compact.Texts() == first.Texts(), "both grids end in the same texts");
    Require(compact.writes == first.writes, "both grids make the same writes in the same order");
    for (const LaneKernel kernel : AvailableLaneKernels()) {
      LaneRun lanes;
      SolveInLanes(std::span(&*digits, 1), std::span(&lanes, 1), kernel);
      Require(lanes.result == first.result && lanes.cells == std::get<DigitCells>(compact.cells),
              "the lane engine ends like the compact grid");
    }
    const auto& cells = std::get<DigitCells>(compact.cells);
    std::string plain;
    std::string json;
    cli::AppendPlain(cells, first.status, first.result.sweeps, &plain);
    cli::AppendJson(7, "{\"x\":[1]}", cells, first.status, first.result.sweeps, &json);
    Puzzle puzzle{start, "{\"x\":[1]}", std::nullopt};
    Require(plain == cli::FormatPlain(first) && json == cli::FormatJson(7, puzzle, first, false),
            "the output lines from masks are the ones from texts");
    CheckRating(*digits);
  }
  for (const auto& [cell, text] : first.writes) {
    const CellText& given = start[static_cast<std::size_t>(cell - 1)];
    Require(!text.empty() && (given.size() != 1 || text == given), "no write empties a cell or changes a settled one");
  }
  const Solution again = SolveOnGeneralGrid(first.Texts(), true);
  if (first.result.end == SolveEnd::Settled) {
    Require(again.result == SolveResult{1, SolveEnd::Settled} && again.Texts() == first.Texts(),
            "a settled grid settles again in one sweep that changes nothing");
    Require(again.writes.size() <= first.writes.size() &&
                std::equal(again.writes.begin(), again.writes.end(), first.writes.end() - std::ssize(again.writes)),
            "a settled grid gets the writes of the last sweep again");
  } else {
    Require(first.status == GridStatus::Invalid && again.status == GridStatus::Invalid,
            "a contradiction is invalid, and stays so when run again");
  }
  return 0;
}
