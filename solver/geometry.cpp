// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/geometry.h"

#include <stdexcept>
#include <string>

namespace noralim {

const UnitCells& Unit(UnitKind kind, UnitNumber n) {
  if (n < 1 || n > kUnitSize) {
    throw std::out_of_range("unit number " + std::to_string(n) + " is outside 1 to 9");
  }
  switch (kind) {
    case UnitKind::Box:
      return detail::kBoxes[n - 1];
    case UnitKind::Column:
      return detail::kColumns[n - 1];
    case UnitKind::Row:
      break;
  }
  return detail::kRows[n - 1];
}

}  // namespace noralim
