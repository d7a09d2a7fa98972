// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/scaledlayout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace noralim::ui {

namespace {

constexpr int kBoxStep = 98;
constexpr int kCellStep = 32;
constexpr int kCellSize = 33;

}  // namespace

QRect BaseCellRect(int i) {
  const int b = (i - 1) / 9;
  const int p = (i - 1) % 9;
  return {kBoxStep * (b % 3) + kCellStep * (p % 3), kBoxStep * (b / 3) + kCellStep * (p / 3), kCellSize, kCellSize};
}

QRect BaseButtonRect(int index) {
  static constexpr std::array<QRect, 2> kButtons = {QRect(0, 296, 147, 25), QRect(150, 296, 139, 25)};
  return kButtons.at(static_cast<std::size_t>(index));
}

Scaling Scaling::For(QSize window) {
  const double factor = std::max(1.0, std::min(static_cast<double>(window.width()) / kBaseSize.width(),
                                               static_cast<double>(window.height()) / kBaseSize.height()));
  const auto free = [factor](int room, int base) {
    return std::max(0, (room - static_cast<int>(std::lround(base * factor))) / 2);
  };
  return {factor, QPoint(free(window.width(), kBaseSize.width()), free(window.height(), kBaseSize.height()))};
}

QRect Scaling::Map(const QRect& base) const {
  const auto at = [this](int x) { return static_cast<int>(std::lround(x * factor)); };
  // Edges between pixels: the left at x, the right at x + width.
  const QPoint top_left(at(base.left()), at(base.top()));
  const QPoint bottom_right(at(base.left() + base.width()), at(base.top() + base.height()));
  return {origin + top_left, origin + bottom_right - QPoint(1, 1)};
}

QFont Scaling::Map(QFont base) const {
  if (base.pointSizeF() > 0) {
    base.setPointSizeF(base.pointSizeF() * factor);
  } else if (base.pixelSize() > 0) {
    base.setPixelSize(static_cast<int>(std::lround(base.pixelSize() * factor)));
  }
  return base;
}

}  // namespace noralim::ui
