// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A sentence shown just below the window, in the palette's tooltip colours,
// until it is dismissed: the window's layout stays as it is.
#pragma once

#include <QLabel>

namespace noralim::ui {

// Follows the window: moves with it, hides while it is minimised or hidden
// and comes back with it, and always lies on the window's screen, above the
// window when there is no room below it.
class Balloon final : public QLabel {
  Q_OBJECT

 public:
  // Shown under `window`, as wide as it.
  explicit Balloon(QWidget& window);
  // Shows the sentence until Dismiss or the next Say.
  void Say(const QString& sentence);
  void Dismiss();

 protected:
  // On the window: its moves, resizes, showing and minimising.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shown where the window now is, when there is a sentence and the window
  // shows; hidden otherwise.
  void Follow();

  QWidget& window_;
  bool said_ = false;
};

}  // namespace noralim::ui
