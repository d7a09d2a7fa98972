// Fuzz target: the compact grid against the general one, on grids of
// ascending digit sets.
//
// The input is a stream of cell tokens, filling the cells in row-major order
// (a puzzle line is a valid input); cells left over are empty, bytes left over
// are unused:
//   '1'-'9'            that digit
//   '(' bytes ')'      the set of the digits among the bytes up to the closing
//                      ')' or the end; other bytes are ignored
//   bytes 0x80-0xFF    digits 1-7 from the byte's low seven bits, 8 and 9
//                      from the top two bits of the next byte (so that a
//                      pair of bytes reaches every set)
//   anything else      empty ('.', '0', '-', space...)
//
// For every input, RunSolve on DigitGrid and on MemoryGrid from the same texts
// ends alike (sweeps, how), in the same texts with the same status, after the
// same writes in the same order; and the command line's SolvePuzzle, which
// takes the compact grid for these texts, gives the general grid's texts,
// status, writes and plain output line.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "digitgrid.h"
#include "fuzzcheck.h"
#include "memorygrid.h"
#include "output.h"
#include "solution.h"
#include "solve.h"
#include "status.h"

namespace {

using namespace noralim;
using fuzz::Require;

std::array<DigitSet, kCellCount> Decode(const std::uint8_t* data, std::size_t size) {
  std::array<DigitSet, kCellCount> rows{};
  std::size_t k = 0;
  for (DigitSet& cell : rows) {
    if (k == size) break;
    const std::uint8_t b = data[k++];
    unsigned bits = 0;
    if (b >= '1' && b <= '9') {
      bits = 1U << (b - '1');
    } else if (b == '(') {
      for (; k < size && data[k] != ')'; ++k) {
        if (data[k] >= '1' && data[k] <= '9') bits |= 1U << (data[k] - '1');
      }
      if (k < size) ++k;
    } else if (b >= 0x80) {
      bits = b & 0x7FU;
      if (k < size) bits |= (unsigned{data[k++]} << 1) & 0x180U;
    }
    cell = DigitSet::FromBits(static_cast<std::uint16_t>(bits));
  }
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto rows = Decode(data, size);
  DigitCells cells{};
  GridTexts texts;
  for (int p = 0; p < kCellCount; ++p) {
    const auto k = static_cast<std::size_t>(CellAtPosition(p) - 1);
    cells[k] = rows[static_cast<std::size_t>(p)];
    texts[k] = ToCellText(cells[k]);
    Require(ToDigitSet(texts[k]) == cells[k], "a set's text converts back to the set");
  }

  DigitGrid fast(cells);
  std::vector<Write<DigitSet>> fast_writes;
  fast.RecordWrites(&fast_writes);
  fuzz::SweepGuard fast_window;
  const SolveResult fast_result = RunSolve(fast, fast_window);

  MemoryGrid general(texts);
  std::vector<Write<CellText>> general_writes;
  general.RecordWrites(&general_writes);
  fuzz::SweepGuard general_window;
  const SolveResult general_result =
      RunSolve(static_cast<CellGrid&>(general), static_cast<WindowServices&>(general_window));

  Require(fast_result == general_result, "both grids end alike");
  Require(fast_writes.size() == general_writes.size(), "both grids make as many writes");
  for (std::size_t k = 0; k < fast_writes.size(); ++k) {
    Require(fast_writes[k].first == general_writes[k].first, "both grids write the same cells in the same order");
    Require(ToCellText(fast_writes[k].second) == general_writes[k].second, "both grids write the same texts");
  }
  for (std::size_t k = 0; k < cells.size(); ++k) {
    Require(ToCellText(fast.Cells()[k]) == general.Texts()[k], "both grids end in the same texts");
  }
  const GridStatus status = Classify(general.Texts(), general_result.end);
  Require(Classify(fast.Cells(), fast_result.end) == status, "both grids' texts get the same status");

  const cli::Solution solution = cli::SolvePuzzle(texts, true);
  Require(solution.result == general_result && solution.status == status, "SolvePuzzle ends like the general grid");
  Require(solution.writes == general_writes, "SolvePuzzle traces the general grid's writes");
  for (CellIndex i = 1; i <= kCellCount; ++i) {
    Require(solution.Text(i) == general.Texts()[static_cast<std::size_t>(i - 1)], "SolvePuzzle ends in the same texts");
  }
  cli::Solution shown;
  shown.cells = general.Texts();
  shown.result = general_result;
  shown.status = status;
  Require(cli::FormatPlain(solution) == cli::FormatPlain(shown), "the plain line reads the same from masks and texts");
  return 0;
}
