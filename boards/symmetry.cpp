// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "boards/symmetry.h"

namespace noralim {

namespace {

constexpr std::array<std::string_view, kSymmetryCount> kNames = {"none", "central",  "quarter",      "mirror",
                                                                 "flip", "diagonal", "antidiagonal", "fourway"};

// The row-major position a cell goes to under each map that generates the
// symmetry (none for None; two for Fourway, one for the others).
std::vector<int> Images(Symmetry symmetry, int position) {
  const int r = position / 9;
  const int c = position % 9;
  const auto at = [](int row, int column) { return 9 * row + column; };
  switch (symmetry) {
    case Symmetry::None:
      return {};
    case Symmetry::Central:
      return {at(8 - r, 8 - c)};
    case Symmetry::Quarter:
      return {at(c, 8 - r)};
    case Symmetry::Mirror:
      return {at(r, 8 - c)};
    case Symmetry::Flip:
      return {at(8 - r, c)};
    case Symmetry::Diagonal:
      return {at(c, r)};
    case Symmetry::Antidiagonal:
      return {at(8 - c, 8 - r)};
    case Symmetry::Fourway:
      break;
  }
  return {at(r, 8 - c), at(8 - r, c)};
}

std::vector<Orbit> MakeOrbits(Symmetry symmetry) {
  std::vector<Orbit> orbits;
  std::array<bool, 81> seen{};
  for (int start = 0; start < 81; ++start) {
    if (seen[start]) continue;
    Orbit orbit;
    // The closure of the start cell under the generating maps.
    std::vector<int> pending = {start};
    seen[start] = true;
    while (!pending.empty()) {
      const int cell = pending.back();
      pending.pop_back();
      orbit.cells[static_cast<std::size_t>(orbit.size++)] = static_cast<std::uint8_t>(cell);
      for (const int image : Images(symmetry, cell)) {
        if (!seen[image]) {
          seen[image] = true;
          pending.push_back(image);
        }
      }
    }
    orbits.push_back(orbit);
  }
  return orbits;
}

}  // namespace

std::string_view SymmetryName(Symmetry symmetry) { return kNames[static_cast<std::size_t>(symmetry)]; }

std::optional<Symmetry> SymmetryNamed(std::string_view name) {
  for (std::size_t k = 0; k < kNames.size(); ++k) {
    if (kNames[k] == name) return static_cast<Symmetry>(k);
  }
  return std::nullopt;
}

const std::vector<Orbit>& OrbitsOf(Symmetry symmetry) {
  static const std::array<std::vector<Orbit>, kSymmetryCount> kOrbits = [] {
    std::array<std::vector<Orbit>, kSymmetryCount> all;
    for (int s = 0; s < kSymmetryCount; ++s) all[s] = MakeOrbits(static_cast<Symmetry>(s));
    return all;
  }();
  return kOrbits[static_cast<std::size_t>(symmetry)];
}

}  // namespace noralim
