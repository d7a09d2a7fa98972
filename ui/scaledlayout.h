// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window's layout: one fixed arrangement of 293 x 323 pixels, drawn at
// whatever size the window has as a whole, times one factor.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace noralim::ui {

// The size the fixed layout was made for, and the window's smallest.
inline constexpr QSize kBaseSize(293, 323);

// Cell i, 1 to 81, box-major, at the base size. A box is 98 px apart from the
// next, a cell 33 px square and 32 px from its neighbour inside a box:
// neighbours in a box share a frame line, and boxes stand one pixel apart.
[[nodiscard]] QRect BaseCellRect(int i);
// Button 0 "Calc" and 1 "Clear" at the base size, under the cells.
[[nodiscard]] QRect BaseButtonRect(int index);

// The base layout at one size of the window: every length times `factor`,
// the whole centred in the window.
struct Scaling {
  double factor = 1.0;
  QPoint origin;

  // The largest factor at which the base layout fits `window`, at least 1.
  [[nodiscard]] static Scaling For(QSize window);
  // A rectangle of the base layout as it is drawn: each edge scaled and
  // rounded on its own, so that edges shared at the base size stay shared.
  [[nodiscard]] QRect Map(const QRect& base) const;
  // A font of the base layout at this size: its points (or pixels) scaled.
  [[nodiscard]] QFont Map(QFont base) const;
};

}  // namespace noralim::ui
