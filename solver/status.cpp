// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/status.h"

#include <array>
#include <cstdint>

namespace noralim {

namespace {

// The digits 1 to 9 a text holds, as a 9-bit mask.
unsigned DigitsIn(const CellText& text) {
  unsigned digits = 0;
  for (const char32_t c : text) {
    if (c >= U'1' && c <= U'9') digits |= 1U << (c - U'1');
  }
  return digits;
}

}  // namespace

GridStatus Classify(const GridTexts& texts, SolveEnd end) {
  if (end == SolveEnd::Contradiction) return GridStatus::Invalid;
  bool solved = true;
  for (const CellText& t : texts) {
    if (t.empty()) return GridStatus::Invalid;
    solved = solved && IsDigitValue(t);
  }
  for (const UnitKind kind : kUnitKinds) {
    for (UnitNumber n = 1; n <= kUnitSize; ++n) {
      unsigned digits = 0;
      for (const CellIndex c : Unit(kind, n)) digits |= DigitsIn(texts[static_cast<std::size_t>(c - 1)]);
      if (digits != 0x1FF) return GridStatus::Invalid;
    }
  }
  bool repeat = false;
  ForEachRepeat(texts, [&](UnitKind /*kind*/, UnitNumber /*n*/, CellIndex /*a*/, CellIndex /*b*/) {
    repeat = true;
    return true;
  });
  if (repeat) return GridStatus::Invalid;
  return solved ? GridStatus::Solved : GridStatus::Open;
}

GridStatus Classify(const DigitCells& cells, SolveEnd end) {
  // The cell slots of the 27 units, for loops that keep everything in registers.
  static constexpr auto kUnitSlots = [] {
    std::array<std::array<std::uint8_t, kUnitSize>, std::size_t{3} * kUnitSize> slots{};
    for (std::size_t u = 0; u < slots.size(); ++u) {
      const auto& unit = u < 9 ? detail::kBoxes[u] : u < 18 ? detail::kColumns[u - 9] : detail::kRows[u - 18];
      for (std::size_t k = 0; k < unit.size(); ++k) slots[u][k] = static_cast<std::uint8_t>(unit[k] - 1);
    }
    return slots;
  }();
  if (end == SolveEnd::Contradiction) return GridStatus::Invalid;
  // The settled value of each cell, or 0; computed without branches, as
  // whether a cell is settled is as good as random.
  std::array<unsigned, kCellCount> values{};
  bool empty = false;
  bool solved = true;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const unsigned bits = cells[k].Bits();
    values[k] = (bits & (bits - 1)) == 0 ? bits : 0;
    empty = empty || bits == 0;
    solved = solved && values[k] != 0;
  }
  if (empty) return GridStatus::Invalid;
  // A unit holds a value twice when its values have fewer bits together than
  // it has settled cells.
  // Every digit needs a place in every unit.
  for (const auto& unit : kUnitSlots) {
    unsigned together = 0;
    unsigned places = 0;
    int settled = 0;
    for (const std::uint8_t slot : unit) {
      together |= values[slot];
      places |= cells[slot].Bits();
      settled += values[slot] != 0 ? 1 : 0;
    }
    if (static_cast<int>(Length(DigitSet::FromBits(static_cast<std::uint16_t>(together)))) != settled ||
        places != kAllDigits.Bits()) {
      return GridStatus::Invalid;
    }
  }
  return solved ? GridStatus::Solved : GridStatus::Open;
}

std::string_view StatusName(GridStatus status) {
  switch (status) {
    case GridStatus::Invalid:
      return "invalid";
    case GridStatus::Solved:
      return "solved";
    case GridStatus::Open:
      break;
  }
  return "open";
}

}  // namespace noralim
