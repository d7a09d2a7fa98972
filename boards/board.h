// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Sets of cells as bitboards, the representation of the solution counter and
// of the technique ladder. Internal to boards/; the public functions take
// and give DigitCells.
//
// A Board is a set of cells: three 27-bit bands in the first three 32-bit
// lanes of one 16-byte vector (GCC vector extensions; one SSE2 or NEON
// register), the fourth lane always zero. Cells go by row-major position
// 9 * (row - 1) + (column - 1); band b holds rows 3b+1 to 3b+3:
//
//              column 1 2 3   4 5 6   7 8 9
//   row 3b+1:  bit    0 1 2 | 3 4 5 | 6 7 8
//   row 3b+2:         9 . . | . . . | . . 17
//   row 3b+3:        18 . . | . . . | . . 26
//
// A grid is nine boards, one per digit: the cells that can still take it.
// Why: every row and every box lies inside one band at the same bits in each
// lane, so "the cells of this digit alone in their box (or row)" is a dozen
// shifts and masks done on the three bands at once, and the candidates of one
// digit in one unit are a shift and a mask away; a column is the same bits of
// all three lanes. The one thing boards make slow, the candidates of one
// cell, is built per round only where the ladder needs it (UnitTables).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <optional>

#include "solver/digitgrid.h"
#include "solver/geometry.h"

namespace noralim::board {

using Board = std::uint32_t __attribute__((vector_size(16)));
using Lanes = std::array<std::uint32_t, 4>;  // a board as constant data

inline constexpr std::uint32_t kBand = 0x7FFFFFF;
inline constexpr std::uint16_t kNine = 0x1FF;  // nine bits: the digits, or the places of a unit
inline constexpr Board kAll = {kBand, kBand, kBand, 0};

// One 16-byte load, where building the vector lane by lane takes four loads
// and three shuffles.
inline Board Load(const Lanes& lanes) {
  Board b;
  std::memcpy(&b, lanes.data(), sizeof b);
  return b;
}

// Whether the board holds any cell: the vector as two 64-bit halves, which
// is two moves out of the register instead of three lane extractions.
inline bool Any(Board b) {
  using Halves = std::uint64_t __attribute__((vector_size(16)));
  const auto h = reinterpret_cast<Halves>(b);
  return (h[0] | h[1]) != 0;
}

// Calls f(position) for each cell of b, in ascending position. Bands 1
// and 2 make one 64-bit word, in which a bit's number is its cell's position.
template <class F>
void ForEachCell(Board b, F&& f) {
  for (std::uint64_t bits = b[0] | std::uint64_t{b[1]} << 27; bits != 0; bits &= bits - 1) f(std::countr_zero(bits));
  for (std::uint32_t bits = b[2]; bits != 0; bits &= bits - 1) f(54 + std::countr_zero(bits));
}

// The number of cells of a board: each lane's bits counted in parallel
// (no population-count instruction on the baseline target), then the
// lanes' bytes summed.
inline int Count(Board b) {
  b -= (b >> 1) & 0x55555555U;
  b = (b & 0x33333333U) + ((b >> 2) & 0x33333333U);
  b = (b + (b >> 4)) & 0x0F0F0F0FU;
  b += b >> 8;
  b += b >> 16;
  b &= 0x3FU;
  return static_cast<int>(b[0] + b[1] + b[2] + b[3]);
}

// The lowest position of a board that holds a cell.
inline int FirstCell(Board b) {
  for (int lane = 0; lane < 3; ++lane) {
    if (b[lane] != 0) return 27 * lane + std::countr_zero(b[lane]);
  }
  return -1;
}

// Set bits of a 9-bit mask (no population-count instruction on the baseline target).
inline int Count9(unsigned mask) { return noralim::detail::kDigitCounts[mask & kNine]; }

// The 27 units, numbered 0-8 for boxes 1-9, 9-17 for columns, 18-26 for
// rows (the order of kUnitKinds), each as its nine positions in unit order.
inline constexpr int kUnits = 27;
constexpr int UnitIndex(UnitKind kind, int n0) { return 9 * static_cast<int>(kind) + n0; }

namespace layout {
constexpr Lanes CellLanes(int pos) {
  Lanes lanes{};
  lanes[static_cast<std::size_t>(pos / 27)] = 1U << (pos % 27);
  return lanes;
}

constexpr Lanes Union(const Lanes& a, const Lanes& b) { return {a[0] | b[0], a[1] | b[1], a[2] | b[2], 0}; }

struct Tables {
  std::array<std::array<std::uint8_t, 9>, kUnits> unit_positions{};
  std::array<Lanes, kUnits> unit{};
  std::array<Lanes, kCellCount> cell{};
  std::array<Lanes, kCellCount> peers{};
  std::array<std::array<std::uint8_t, 3>, kCellCount> units_of{};  // box, column and row unit of a position
  std::array<std::uint8_t, kCellCount> position_of_slot{};         // kSlotOfPosition turned round
};

constexpr Tables MakeTables() {
  Tables t{};
  for (int pos = 0; pos < kCellCount; ++pos) {
    t.cell[pos] = CellLanes(pos);
    t.position_of_slot[kSlotOfPosition[pos]] = static_cast<std::uint8_t>(pos);
  }
  for (const UnitKind kind : kUnitKinds) {
    const auto& units = kind == UnitKind::Box      ? noralim::detail::kBoxes
                        : kind == UnitKind::Column ? noralim::detail::kColumns
                                                   : noralim::detail::kRows;
    for (int n = 0; n < 9; ++n) {
      const int u = UnitIndex(kind, n);
      for (int p = 0; p < 9; ++p) {
        const int pos = t.position_of_slot[units[n][p] - 1];
        t.unit_positions[u][p] = static_cast<std::uint8_t>(pos);
        t.unit[u] = Union(t.unit[u], t.cell[pos]);
        t.units_of[pos][static_cast<std::size_t>(kind)] = static_cast<std::uint8_t>(u);
      }
    }
  }
  for (int pos = 0; pos < kCellCount; ++pos) {
    for (const std::uint8_t u : t.units_of[pos]) t.peers[pos] = Union(t.peers[pos], t.unit[u]);
    t.peers[pos][static_cast<std::size_t>(pos / 27)] &= ~(1U << (pos % 27));
  }
  return t;
}
inline constexpr Tables kTables = MakeTables();
}  // namespace layout

inline Board CellBoard(int pos) { return Load(layout::kTables.cell[pos]); }
inline Board PeerBoard(int pos) { return Load(layout::kTables.peers[pos]); }
inline Board UnitBoard(int u) { return Load(layout::kTables.unit[u]); }
inline int UnitPosition(int u, int p) { return layout::kTables.unit_positions[u][p]; }
inline int UnitOf(int pos, UnitKind kind) { return layout::kTables.units_of[pos][static_cast<std::size_t>(kind)]; }
inline CellIndex CellOfPosition(int pos) { return static_cast<CellIndex>(kSlotOfPosition[pos] + 1); }
inline int PositionOfCell(CellIndex cell) { return layout::kTables.position_of_slot[cell - 1]; }

// The cells of unit u at the places set in `places` (bit p: the unit's p-th cell).
inline Board PlacesBoard(int u, unsigned places) {
  Board b = {};
  for (; places != 0; places &= places - 1) b |= CellBoard(UnitPosition(u, std::countr_zero(places)));
  return b;
}

// The candidates: digit d's board at index d - 1.
using Grid = std::array<Board, 9>;

// Cells that hold at least one and at least two digits: a bitwise counter
// over the nine boards.
struct Coverage {
  Board once = {};
  Board twice = {};
};
inline Coverage Cover(const Grid& g) {
  Coverage c;
  for (const Board b : g) {
    c.twice |= c.once & b;
    c.once |= b;
  }
  return c;
}
inline Board Settled(const Coverage& c) { return c.once & ~c.twice; }

// The cells of x that are the only cell of x in their box, row or column,
// and whether x has a cell in every unit. Each works on the three bands at
// once; ColumnCounts folds a band's three rows onto its nine columns:
//
//   once  = row 1 | row 2 | row 3            (the band has the column)
//   twice = (row 1 & row 2) | ((row 1 | row 2) & row 3)   (two rows or three)
inline Coverage ColumnCounts(Board x) {
  const Board r1 = x & kNine;
  const Board r2 = (x >> 9) & kNine;
  const Board r3 = x >> 18;
  return {r1 | r2 | r3, (r1 & r2) | ((r1 | r2) & r3)};
}

// The nine column bits of a band, spread back over its three rows.
inline Board OverRows(Board columns) { return columns | columns << 9 | columns << 18; }

// A box is three columns of a band: each column count shifted onto the box's
// first column (bits 0, 3 and 6) and counted again:
//
//   columns  8 7 6 | 5 4 3 | 2 1 0   ->   box 3 at bit 6, box 2 at bit 3, box 1 at bit 0
inline constexpr std::uint32_t kFirsts = 0x49;  // bits 0, 3, 6
inline Coverage BoxCounts(const Coverage& columns) {
  const Board a = columns.once & kFirsts;
  const Board b = (columns.once >> 1) & kFirsts;
  const Board e = (columns.once >> 2) & kFirsts;
  return {a | b | e, ((columns.twice | columns.twice >> 1 | columns.twice >> 2) & kFirsts) | (a & b) | ((a | b) & e)};
}

// The box bits of a band (kFirsts), spread back over the boxes' cells.
inline Board OverBoxes(Board boxes) { return OverRows(boxes | boxes << 1 | boxes << 2); }

inline Board AloneInBox(Board x) {
  const Coverage box = BoxCounts(ColumnCounts(x));
  return x & OverBoxes(box.once & ~box.twice);
}

// A row has one cell when its nine bits r are not zero and r & (r - 1) is.
inline Board AloneInRow(Board x) {
  Board alone = {};
  for (int shift = 0; shift < 27; shift += 9) {
    const Board r = (x >> shift) & kNine;
    alone |= (r & reinterpret_cast<Board>((r & (r - 1)) == 0)) << shift;
  }
  return alone;
}

// A column's count over the three bands: each band's counts, and the same
// counts rotated by one and by two lanes (lane 3, zero, stays in place).
inline Coverage ColumnCountsOverBands(const Coverage& c) {
  const Board o1 = __builtin_shufflevector(c.once, c.once, 1, 2, 0, 3);
  const Board o2 = __builtin_shufflevector(c.once, c.once, 2, 0, 1, 3);
  const Board t1 = __builtin_shufflevector(c.twice, c.twice, 1, 2, 0, 3);
  const Board t2 = __builtin_shufflevector(c.twice, c.twice, 2, 0, 1, 3);
  return {c.once | o1 | o2, c.twice | t1 | t2 | (c.once & o1) | ((c.once | o1) & o2)};
}

inline Board AloneInColumn(Board x) {
  const Coverage c = ColumnCountsOverBands(ColumnCounts(x));
  return x & OverRows(c.once & ~c.twice);
}

// The fields of a band's three rows: the low eight bits of each, the ninth
// of each, and the first of each.
namespace band_rows {
inline constexpr std::uint32_t kLow = 0xFF | 0xFF << 9 | 0xFF << 18;
inline constexpr std::uint32_t kTop = 1U << 8 | 1U << 17 | 1U << 26;
inline constexpr std::uint32_t kOnes = 1U | 1U << 9 | 1U << 18;
}  // namespace band_rows

// The rows of each band that hold a cell of x, as bit 8 of their fields. A
// row field of a band is non-zero when adding 0xFF to its low eight bits
// carries into its ninth (or that bit is set already):
//
//   field  [8 | 7 ... 0]  + 0xFF  ->  bit 8 set  <=>  field != 0
inline Board RowsHolding(Board x) { return (((x & band_rows::kLow) + band_rows::kLow) | x) & band_rows::kTop; }

// The cells of the rows whose field has bit 0 set.
inline Board OverRowStarts(Board starts) {
  Board fill = starts | starts << 1;
  fill |= fill << 2;
  fill |= fill << 4;
  return fill | starts << 8;
}

// Whether x has a cell in every box and column (from their counts) and in
// every row.
inline bool Everywhere(Board x, const Coverage& box, const Coverage& column) {
  constexpr Board kBands = {~0U, ~0U, ~0U, 0};
  return !Any(((box.once ^ kFirsts) | (column.once ^ kNine) | (RowsHolding(x) ^ band_rows::kTop)) & kBands);
}

// Whether x has a cell in every unit: false for a digit of a grid that has
// no solution.
inline bool InEveryUnit(Board x) {
  const Coverage band = ColumnCounts(x);
  return Everywhere(x, BoxCounts(band), ColumnCountsOverBands(band));
}

// What Propagate places: hidden singles of boxes or of all units; and
// whether it looks for digits with no place left in a unit, which only ends
// a dead grid sooner (worth it in a search, where branches die all the time;
// the ladder's grids seldom die).
enum class Singles : std::uint8_t { Boxes, AllUnits, AllUnitsChecked };

// The cells of x alone in their box, and unless kSingles is Boxes also those
// alone in their row or column; with AllUnitsChecked, `everywhere` false
// when some unit has no cell of x (the cells are then of no use).
//
// Rows without AloneInRow's three rounds: a row field is non-zero as in
// Everywhere, and subtracting 1 from every field at once, x & (x - 1 per
// field) clears each field's lowest bit, leaving the fields of rows with
// one cell zero. That is exact when every row of the band has a cell of x.
// An empty field borrows from the next field up (the band's next row),
// which can then hide that row's lone cell, though it never makes a row of
// two cells look like one: the row term may miss a single only when x has
// an empty row, a digit with no place in a row, which happens on grids with
// no solution alone.
template <Singles kSingles>
Board HiddenSingles(Board x, bool& everywhere) {
  using band_rows::kOnes;
  const Coverage band = ColumnCounts(x);
  const Coverage box = BoxCounts(band);
  const Board box_one = box.once & ~box.twice;
  const Coverage column = ColumnCountsOverBands(band);
  if constexpr (kSingles == Singles::AllUnitsChecked) everywhere = Everywhere(x, box, column);
  const Board alone = x & OverBoxes(box_one);
  if constexpr (kSingles == Singles::Boxes) return alone;
  const Board rest = x & (x - kOnes);
  const Board many = RowsHolding(rest) >> 8;  // bit 0 of each row with two or more
  return alone | (x & OverRows(column.once & ~column.twice)) | (x & ~OverRowStarts(many));
}

// A 9x9 bit matrix turned over its diagonal: out[c] bit r = in[r] bit c.
// Rows 0-7, four to a 64-bit word as 16-bit fields, give their low bytes
// (columns 0-7) to one word, row r in byte r, which three exchanges of ever
// larger blocks across the diagonal turn over (Hacker's Delight, 7-3: 1x1
// blocks 7 bits apart, 2x2 blocks 14 apart, 4x4 blocks 28 apart):
//
//   byte r, bit c  ->  byte c, bit r
//
// Their bit 8 (column 8) is gathered into row 8 by one multiplication per
// word: bit 16r times 2^(45 - 15r) lands on 45 + r and no other product
// reaches bits 45-48 or meets another. Row 8 is spread back over bit 8 of
// the output fields the same way (bit c times 2^(8 + 15c) lands on 16c + 8).
inline std::uint64_t LowBytes(std::uint64_t fields) {  // the low byte of each 16-bit field, packed
  std::uint64_t t = fields & 0x00FF00FF00FF00FFULL;
  t = (t | t >> 8) & 0x0000FFFF0000FFFFULL;
  return (t | t >> 16) & 0xFFFFFFFFULL;
}
inline unsigned NinthBits(std::uint64_t fields) {  // bit 8 of each 16-bit field, packed
  return static_cast<unsigned>((((fields >> 8) & 0x0001000100010001ULL) * 0x0000200040008001ULL) >> 45) & 0xFU;
}
inline std::uint64_t Fields(std::uint64_t bytes, unsigned ninth) {  // four bytes and four ninth bits as 16-bit fields
  std::uint64_t t = bytes & 0xFFFFFFFFULL;
  t = (t | t << 16) & 0x0000FFFF0000FFFFULL;
  t = (t | t << 8) & 0x00FF00FF00FF00FFULL;
  return t | ((ninth & 0xFU) * 0x0020004000800100ULL & 0x0100010001000100ULL);
}
inline std::array<std::uint16_t, 9> Transpose9ByWords(const std::array<std::uint16_t, 9>& in) {
  std::uint64_t w[2];
  std::memcpy(w, in.data(), sizeof w);
  std::uint64_t x = LowBytes(w[0]) | LowBytes(w[1]) << 32;
  std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
  x ^= t ^ (t << 28);
  const std::uint64_t out_words[2] = {Fields(x, in[8]), Fields(x >> 32, in[8] >> 4U)};
  std::array<std::uint16_t, 9> out{};
  std::memcpy(out.data(), out_words, sizeof out_words);
  out[8] = static_cast<std::uint16_t>(NinthBits(w[0]) | NinthBits(w[1]) << 4 | (in[8] & 0x100U));
  return out;
}

// The same. With SSE2 column by column: rows 0-7 in one vector and row 8 in
// another, each row shifted so that its column 8 is its lane's sign bit;
// packed to bytes with signed saturation, which keeps the signs, they give
// column 8 of all nine rows to one movemask, and doubling every lane brings
// the next column down to the sign bit.
inline std::array<std::uint16_t, 9> Transpose9(const std::array<std::uint16_t, 9>& in) {
#if defined(__SSE2__)
  __m128i rows = _mm_slli_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in.data())), 7);
  __m128i last = _mm_slli_epi16(_mm_cvtsi32_si128(in[8]), 7);
  std::array<std::uint16_t, 9> out{};
  for (int c = 8; c >= 0; --c) {
    out[static_cast<std::size_t>(c)] = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_packs_epi16(rows, last)));
    rows = _mm_add_epi16(rows, rows);
    last = _mm_add_epi16(last, last);
  }
  return out;
#else
  return Transpose9ByWords(in);
#endif
}

// The grid of 81 box-major masks; an empty mask is an empty cell. Row by
// row: the row's nine masks (bit d: digit d + 1) turned over are the nine
// digits' places in the row, its field in each digit's band. No branch on
// what a cell holds, which no predictor guesses.
inline Grid FromCellsByRows(const DigitCells& cells) {
  Grid g{};
  for (int r = 0; r < 9; ++r) {
    std::array<std::uint16_t, 9> masks{};
    for (int c = 0; c < 9; ++c) masks[c] = static_cast<std::uint16_t>(cells[kSlotOfPosition[9 * r + c]].Bits() & kNine);
    const std::array<std::uint16_t, 9> places = Transpose9(masks);
    for (int d = 0; d < 9; ++d) g[d][r / 3] |= std::uint32_t{places[d]} << (9 * (r % 3));
  }
  return g;
}

// The same grid. With SSE2 band by band: the band's 27 masks in row order,
// then each digit's bit of 16 masks at once, shifted to the sign bit,
// packed to bytes and gathered by movemask.
inline Grid FromCells(const DigitCells& cells) {
#if defined(__SSE2__)
  Grid g{};
  for (int lane = 0; lane < 3; ++lane) {
    alignas(16) std::array<std::uint16_t, 32> band{};
    for (int i = 0; i < 27; ++i) band[i] = cells[kSlotOfPosition[27 * lane + i]].Bits();
    const auto* vectors = reinterpret_cast<const __m128i*>(band.data());
    const __m128i m0 = _mm_load_si128(vectors);
    const __m128i m1 = _mm_load_si128(vectors + 1);
    const __m128i m2 = _mm_load_si128(vectors + 2);
    const __m128i m3 = _mm_load_si128(vectors + 3);
    for (int d = 0; d < 9; ++d) {
      const __m128i count = _mm_cvtsi32_si128(15 - d);
      const __m128i low = _mm_packs_epi16(_mm_sll_epi16(m0, count), _mm_sll_epi16(m1, count));
      const __m128i high = _mm_packs_epi16(_mm_sll_epi16(m2, count), _mm_sll_epi16(m3, count));
      g[d][lane] = static_cast<std::uint32_t>(_mm_movemask_epi8(low)) |
                   static_cast<std::uint32_t>(_mm_movemask_epi8(high)) << 16;
    }
  }
  return g;
#else
  return FromCellsByRows(cells);
#endif
}

// Back to 81 box-major masks, row by row as FromCellsByRows.
inline DigitCells ToCells(const Grid& g) {
  DigitCells cells{};
  for (int r = 0; r < 9; ++r) {
    std::array<std::uint16_t, 9> places{};
    for (int d = 0; d < 9; ++d) places[d] = static_cast<std::uint16_t>(g[d][r / 3] >> (9 * (r % 3)) & kNine);
    const std::array<std::uint16_t, 9> masks = Transpose9(places);
    for (int c = 0; c < 9; ++c) cells[kSlotOfPosition[9 * r + c]] = DigitSet::FromBits(masks[c]);
  }
  return cells;
}

// A grid being narrowed by propagation.
struct Node {
  Grid cand{};
  Board done = {};         // settled cells whose digit has gone from their peers
  unsigned stale = kNine;  // digits that lost a cell since their hidden singles were placed
  // Digits that lost a cell since the owner last took this: the rating,
  // when it closes its grid. Propagate sets it with `stale`, only ever
  // adding bits.
  unsigned lost = kNine;
};

// Settled cells clear their digit from their peers, and digits alone in a
// box (or in any unit) go there, until neither changes anything, or until
// every cell of `until` is settled. False on a contradiction: an empty cell,
// or (AllUnitsChecked) a digit with no place in a unit.
bool Propagate(Node& n, Singles singles, Board until = kAll);

// The open cell of a node closed by Propagate with the fewest candidates,
// the first of them.
int FewestCandidates(const Node& n);

// Digit board x without what pointing and claiming remove from it, in rows
// and in columns, and what they remove in turn within a band once those
// candidates have gone.
Board WithoutLocked(Board x);

// Propagates, and takes pointing and claiming, until neither changes
// anything: the best start for CountUpToTwo. False on a contradiction.
bool CloseUnderLocked(Node& n);

// The number of solutions of the node's grid, 0, 1 or 2 for two or more, by
// search; the one solution, when there is exactly one, in *solution. The
// node's `done` and `stale` must be true of its grid: a node Propagate has
// closed needs no more work before the first split.
int CountUpToTwo(const Node& start, Grid* solution);

// A solution of the node's grid other than `known`, in *other; false when
// there is none. The node as for CountUpToTwo. When every solution other
// than `known` differs from it in some cell of `differ_in` (the grid is a
// puzzle with one solution, `known`, whose clues in differ_in were taken
// away), one search for each cell of differ_in not yet settled, with its
// known digit taken from it and the cells before it kept to theirs: each
// narrower than one over the whole grid, and ended by the first solution
// it finds.
bool AnotherSolution(const Node& start, const Grid& known, Grid* other, Board differ_in = kAll);

// The same with the one solution as cells: what CountSolutions and the
// rating of a grid the ladder leaves open give.
inline int CountUpToTwo(const Node& start, std::optional<DigitCells>* solution) {
  Grid found{};
  const int count = CountUpToTwo(start, &found);
  if (count == 1) solution->emplace(ToCells(found));
  return count;
}

}  // namespace noralim::board
