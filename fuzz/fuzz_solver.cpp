// Fuzz target: the sweep loop on the general grid, with texts of any
// characters.
//
// The input is a stream of cell tokens, filling the cells in row-major order
// (a puzzle line is a valid input); cells left over are empty, bytes left over
// are unused:
//   '1'-'9'                that digit
//   letters                that letter
//   '~'                    a line break, "\r\n"
//   '(' bytes ')'          a text of several characters, one per byte up to
//                          the closing ')' or the end (see Character)
//   bytes 0x80-0xFF        a full-width digit
//   anything else          empty ('.', '0', '-', space...)
//
// For every input: the run ends, by settling or by the repeat rule, within
// SweepGuard's bound; Classify says what a direct reading of the final texts
// says; and a second run from the final texts of a settled run takes one
// sweep, changes nothing and makes the same writes as the first run's last
// sweep, while a second run from a cycle's end cycles too.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzzcheck.h"
#include "memorygrid.h"
#include "solve.h"
#include "status.h"

namespace {

using namespace noralim;
using fuzz::Require;

char32_t FullWidthDigit(std::uint8_t byte) { return static_cast<char32_t>(U'\uFF10' + byte % 10); }

// A byte inside '(' ')': ASCII as itself (digits, letters, CR, LF, NUL...);
// above, a full-width digit or a character outside the Basic Multilingual Plane.
char32_t Character(std::uint8_t byte) {
  if (byte < 0x80) return byte;
  return byte % 2 == 0 ? FullWidthDigit(byte) : static_cast<char32_t>(U'\U0001F600' + byte % 16);
}

bool IsLetter(std::uint8_t b) { return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z'); }

// The 81 texts by row-major position.
std::array<CellText, kCellCount> Decode(const std::uint8_t* data, std::size_t size) {
  std::array<CellText, kCellCount> cells{};
  std::size_t k = 0;
  for (CellText& cell : cells) {
    if (k == size) break;
    const std::uint8_t b = data[k++];
    if ((b >= '1' && b <= '9') || IsLetter(b)) {
      cell = CellText(1, b);
    } else if (b == '~') {
      cell = U"\r\n";
    } else if (b == '(') {
      while (k < size && data[k] != ')') cell.push_back(Character(data[k++]));
      if (k < size) ++k;
    } else if (b >= 0x80) {
      cell = CellText(1, FullWidthDigit(b));
    }
  }
  return cells;
}

// Box-major index - 1 of the cell at row r, column c (both 0 to 8), worked
// out here rather than taken from the solver's tables.
std::size_t Slot(int r, int c) { return static_cast<std::size_t>(27 * (r / 3) + 9 * (c / 3) + 3 * (r % 3) + c % 3); }

// What the texts say, read directly: an empty cell, or a one-character text
// twice in a row, column or box, is invalid; all single digits 1-9 is solved.
GridStatus Expected(const GridTexts& texts, SolveEnd end) {
  if (end == SolveEnd::Cycle) return GridStatus::Cycle;
  bool all_digits = true;
  for (const CellText& t : texts) {
    if (t.empty()) return GridStatus::Invalid;
    all_digits = all_digits && t.size() == 1 && t[0] >= U'1' && t[0] <= U'9';
  }
  for (int a = 0; a < kCellCount; ++a) {
    for (int b = a + 1; b < kCellCount; ++b) {
      const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
      const bool same_unit = ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3);
      const CellText& ta = texts[Slot(ra, ca)];
      if (same_unit && ta.size() == 1 && ta == texts[Slot(rb, cb)]) return GridStatus::Invalid;
    }
  }
  return all_digits ? GridStatus::Solved : GridStatus::Open;
}

struct Run {
  SolveResult result;
  GridTexts texts;
  std::vector<Write<CellText>> writes;
};

Run Solve(const GridTexts& start) {
  MemoryGrid grid(start);
  Run run;
  grid.RecordWrites(&run.writes);
  fuzz::SweepGuard window;
  run.result = RunSolve(static_cast<CellGrid&>(grid), static_cast<WindowServices&>(window));
  run.texts = grid.Texts();
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto rows = Decode(data, size);
  GridTexts start;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) start[Slot(r, c)] = rows[static_cast<std::size_t>(9 * r + c)];
  }

  const Run first = Solve(start);
  Require(first.result.sweeps >= 1, "a run makes at least one sweep");
  Require(Classify(first.texts, first.result.end) == Expected(first.texts, first.result.end),
          "Classify agrees with the final texts");

  const Run again = Solve(first.texts);
  if (first.result.end == SolveEnd::Settled) {
    Require(again.result == SolveResult{1, SolveEnd::Settled}, "a settled grid settles again in one sweep");
    Require(again.texts == first.texts, "a settled grid stays as it is");
    Require(again.writes.size() <= first.writes.size() &&
                std::equal(again.writes.begin(), again.writes.end(),
                           first.writes.end() - static_cast<std::ptrdiff_t>(again.writes.size())),
            "a settled grid gets the writes of the last sweep again");
  } else {
    Require(again.result.end == SolveEnd::Cycle && again.result.sweeps >= 3,
            "a cycle's end state cycles again, through at least two states");
  }
  return 0;
}
