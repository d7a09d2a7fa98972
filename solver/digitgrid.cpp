// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/digitgrid.h"

namespace noralim {

std::optional<DigitSet> ToDigitSet(const CellText& text) {
  unsigned bits = 0;
  char32_t previous = U'0';
  for (const char32_t c : text) {
    if (c <= previous || c > U'9') return std::nullopt;
    bits |= 1U << (c - U'1');
    previous = c;
  }
  return DigitSet::FromBits(static_cast<std::uint16_t>(bits));
}

CellText ToCellText(DigitSet set) {
  CellText out;
  for (int d = 1; d <= 9; ++d) {
    if ((set.Bits() & (1U << (d - 1))) != 0) out.push_back(static_cast<char32_t>(U'0' + d));
  }
  return out;
}

}  // namespace noralim
