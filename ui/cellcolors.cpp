// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/cellcolors.h"

#include <algorithm>
#include <cmath>

namespace noralim::ui {

namespace {

double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double Luminance(const QColor& color) {
  const QColor rgb = color.toRgb();
  return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) + 0.0722 * Channel(rgb.blueF());
}

QColor Mix(const QColor& a, const QColor& b, double share_of_b) {
  const auto mix = [&](double x, double y) { return x + (y - x) * share_of_b; };
  return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())), static_cast<float>(mix(a.greenF(), b.greenF())),
                          static_cast<float>(mix(a.blueF(), b.blueF())));
}

// The colour nearest to `wanted` in lightness, keeping its hue, that stands
// out from `background` by at least `ratio`.
QColor Readable(const QColor& wanted, const QColor& background, double ratio) {
  // Towards black on a light background, towards white on a dark one, in
  // small steps, so that the hue stays recognisable.
  const QColor end = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  QColor color = wanted.toRgb();
  for (int step = 1; step <= 20 && ContrastRatio(color, background) < ratio; ++step) {
    color = Mix(wanted.toRgb(), end, step / 20.0);
  }
  return color;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double one = Luminance(a);
  const double other = Luminance(b);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

CellColors ColorsFor(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Active, QPalette::Base);
  const QColor red = QColor::fromHsl(0, 200, 128);
  const QColor conflict_base = Mix(base, red, 0.22);
  const QColor highlight = Readable(palette.color(QPalette::Active, QPalette::Highlight), base, 3.0);
  QColor tint = highlight;  // translucent: the text shows through it
  tint.setAlphaF(0.3F);
  const QColor green = QColor::fromHsl(130, 200, 110);
  // The user's entries in a purple of their own, apart from the givens' text
  // colour and the runs' link colour (a blue in common palettes).
  const QColor purple = QColor::fromHsl(295, 170, 115);
  return {Readable(palette.color(QPalette::Active, QPalette::Link), base, 4.5),
          Readable(purple, base, 4.5),
          Readable(red, conflict_base, 4.5),
          conflict_base,
          highlight,
          tint,
          Readable(QColor::fromHsl(35, 230, 120), base, 3.0),
          Readable(green, base, 4.5),
          Readable(red, base, 3.0)};
}

}  // namespace noralim::ui
