// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "bench/maskbaseline.h"

#include "solver/geometry.h"

namespace noralim::bench {

namespace {

constexpr std::uint16_t kFull = 0x1FF;

bool Settled(std::uint16_t m) { return m != 0 && (m & (m - 1)) == 0; }

void Box(MaskCells& g, int n) {
  const UnitCells& box = Unit(UnitKind::Box, static_cast<UnitNumber>(n));
  for (const CellIndex k : box) {
    std::uint16_t w = g[k - 1] == 0 ? kFull : g[k - 1];
    for (const CellIndex i : box) {
      if (i != k && Settled(g[i - 1])) w = static_cast<std::uint16_t>(w & ~g[i - 1]);
    }
    g[k - 1] = w;
  }
  for (int d = 0; d < 9; ++d) {
    const auto bit = static_cast<std::uint16_t>(1U << d);
    int count = 0;
    CellIndex last = 0;
    for (const CellIndex i : box) {
      if ((g[i - 1] & bit) != 0) {
        ++count;
        last = i;
      }
    }
    if (count == 1) g[last - 1] = bit;
  }
}

void Line(MaskCells& g, const UnitCells& cells) {
  for (const CellIndex t : cells) {
    std::uint16_t w = g[t - 1] == 0 ? kFull : g[t - 1];
    for (const CellIndex c : cells) {
      if (Settled(g[c - 1])) w = static_cast<std::uint16_t>(w & ~g[c - 1]);
    }
    if (!Settled(g[t - 1])) g[t - 1] = w;
  }
}

}  // namespace

int BaselineSolve(MaskCells& cells) {
  for (int sweeps = 1;; ++sweeps) {
    const MaskCells snapshot = cells;
    for (int n = 1; n <= 9; ++n) {
      Box(cells, n);
      Line(cells, Unit(UnitKind::Column, static_cast<UnitNumber>(n)));
      Line(cells, Unit(UnitKind::Row, static_cast<UnitNumber>(n)));
    }
    if (cells == snapshot || sweeps >= 100000) return sweeps;
  }
}

}  // namespace noralim::bench
