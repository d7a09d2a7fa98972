// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A sentence shown just below the window, in the palette's tooltip colours,
// until it is dismissed: the window's layout stays as it is.
#pragma once

#include <QLabel>

namespace noralim::ui {

class Balloon final : public QLabel {
  Q_OBJECT

 public:
  // Shown under `window`, as wide as it.
  explicit Balloon(QWidget& window);
  void Say(const QString& sentence);

 private:
  QWidget& window_;
};

}  // namespace noralim::ui
