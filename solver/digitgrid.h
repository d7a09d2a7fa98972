// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A compact grid for texts that can only ever be ascending digit sets.
//
// A text made of the digits 1-9, each at most once and in ascending order, is
// fully described by which digits it holds: a 9-bit mask, bit d-1 for digit d.
// Empty is 0, the full candidate string is 0x1FF, the length is the number of
// set bits. Such texts are closed under everything the passes do (they only
// remove single characters and refill empty cells with "123456789"), so a grid
// that starts from them runs with masks alone and gives the same texts, in
// the same writes, as the general grid. Any other text (a letter, a repeated
// digit, a line break) has no mask and needs CellGrid.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/celltext.h"
#include "solver/textgrid.h"

namespace noralim {

class DigitSet {
 public:
  constexpr DigitSet() = default;
  static constexpr DigitSet FromBits(std::uint16_t bits) { return DigitSet(bits); }
  static constexpr DigitSet Of(int digit) { return DigitSet(static_cast<std::uint16_t>(1U << (digit - 1))); }

  [[nodiscard]] constexpr std::uint16_t Bits() const { return bits_; }
  friend constexpr bool operator==(DigitSet, DigitSet) = default;

 private:
  constexpr explicit DigitSet(std::uint16_t bits) : bits_(bits) {}
  std::uint16_t bits_ = 0;
};

inline constexpr DigitSet kAllDigits = DigitSet::FromBits(0x1FF);

namespace detail {
// Set bits of every 9-bit mask. A table, because without a target that has a
// population-count instruction std::popcount compiles to a dozen operations,
// and the passes ask for a length on nearly every read.
inline constexpr auto kDigitCounts = [] {
  std::array<std::uint8_t, 512> counts{};
  for (unsigned m = 0; m < counts.size(); ++m) counts[m] = static_cast<std::uint8_t>(std::popcount(m));
  return counts;
}();
}  // namespace detail

constexpr std::size_t Length(DigitSet s) { return detail::kDigitCounts[s.Bits() & 0x1FF]; }
// Removing a one-digit text clears its bit; the passes remove nothing else.
constexpr DigitSet RemoveAll(DigitSet w, DigitSet t) {
  return DigitSet::FromBits(static_cast<std::uint16_t>(w.Bits() & ~t.Bits()));
}
// Holds for the one-digit texts the passes look for.
constexpr bool ContainsText(DigitSet s, DigitSet t) { return s.Bits() != 0 && (s.Bits() & t.Bits()) == t.Bits(); }
// Every one-digit set is a digit value; there is no other one-character text.
constexpr bool IsDigitValue(DigitSet s) { return Length(s) == 1; }
// The digit of a one-digit set.
constexpr int DigitOf(DigitSet s) { return std::countr_zero(s.Bits()) + 1; }

template <>
struct TextConstants<DigitSet> {
  static constexpr DigitSet Full() { return kAllDigits; }
  static constexpr DigitSet Digit(int d) { return DigitSet::Of(d); }
};

// The mask of an ascending digit set text, or nullopt for any other text.
std::optional<DigitSet> ToDigitSet(const CellText& text);
CellText ToCellText(DigitSet set);

// A grid's masks by cell index - 1.
using DigitCells = std::array<DigitSet, kCellCount>;

class DigitGrid {
 public:
  using Text = DigitSet;

  DigitGrid() = default;
  explicit DigitGrid(const DigitCells& cells) : cells_(cells) {}

  [[nodiscard]] DigitSet GetCellText(CellIndex i) const { return cells_[static_cast<std::size_t>(i - 1)]; }
  void SetCellText(CellIndex i, DigitSet text) {
    cells_[static_cast<std::size_t>(i - 1)] = text;
    if (trace_ != nullptr) trace_->emplace_back(i, text);
  }

  // Records every later SetCellText call into *trace (nullptr: none).
  void RecordWrites(std::vector<Write<DigitSet>>* trace) { trace_ = trace; }
  [[nodiscard]] const DigitCells& Cells() const { return cells_; }

 private:
  DigitCells cells_{};
  std::vector<Write<DigitSet>>* trace_ = nullptr;
};

}  // namespace noralim
