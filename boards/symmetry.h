// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Symmetries of a clue pattern, and the orbits of cells they make: a
// symmetric pattern takes or leaves each orbit whole.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace noralim {

enum class Symmetry : std::uint8_t {
  None,
  Central,       // a half turn about the centre
  Quarter,       // a quarter turn (and so also a half turn)
  Mirror,        // left to right
  Flip,          // top to bottom
  Diagonal,      // over the diagonal from the top left
  Antidiagonal,  // over the diagonal from the top right
  Fourway,       // mirror and flip together
};
inline constexpr int kSymmetryCount = 8;

// "none", "central", "quarter", "mirror", "flip", "diagonal", "antidiagonal", "fourway".
std::string_view SymmetryName(Symmetry symmetry);
std::optional<Symmetry> SymmetryNamed(std::string_view name);

// Cells of one orbit, row-major positions 0-80: one, two or four of them.
struct Orbit {
  std::array<std::uint8_t, 4> cells{};
  int size = 0;
};

// The orbits of the symmetry, every cell in exactly one, in order of their
// first cell (the one nearest the top left).
const std::vector<Orbit>& OrbitsOf(Symmetry symmetry);

}  // namespace noralim
