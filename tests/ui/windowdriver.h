// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the window tests share: reading the cells, typing as a keyboard
// would, and the idle state.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

#include "reader/reader.h"
#include "solver/gridtexts.h"
#include "solver/solve.h"
#include "ui/form1.h"

namespace noralim::uitest {

inline constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
inline constexpr const char* kContradictory =
    "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

// The texts of a puzzle line or JSON line.
inline GridTexts Texts(const QString& line) { return std::get<Puzzle>(ReadLine(line.toStdString())).texts; }

inline GridTexts ReadAll(const ui::Form1& form) { return ReadTexts(form.Grid()); }

// "Calc" enabled and no busy pointer: the window's busy pointer is an
// application-wide override.
inline bool Idle(const ui::Form1& form) {
  return QGuiApplication::overrideCursor() == nullptr && form.cmdExec(kCalcButton)->isEnabled();
}

// The balloon that says a sentence under the window, shown or not.
inline QLabel* Balloon() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label;
  }
  return nullptr;
}

// The sentence under the window, or empty when none shows.
inline QString Said() {
  const QLabel* balloon = Balloon();
  return balloon != nullptr && balloon->isVisible() ? balloon->text() : QString();
}

// Types text key by key, each key carrying one character as a keyboard or
// an input method delivers it (a character outside the Basic Multilingual
// Plane is one key, not two halves).
inline void TypeInto(QWidget* cell, const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
  }
}

// Calls back from every cell's change notification, after the window's own
// handler, with the number of notifications so far.
inline void OnEveryChange(ui::Form1& form, QObject* context, const std::function<void(int)>& action) {
  auto count = std::make_shared<int>(0);
  for (CellIndex i = 1; i <= kCellCount; ++i) {
    QObject::connect(form.Text1(i), &QTextEdit::textChanged, context, [=] { action(++*count); });
  }
}

}  // namespace noralim::uitest
