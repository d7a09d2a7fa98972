// What the window tests share: reading the cells, typing
// as a keyboard would, the idle state, and seeds taken from the environment.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cstdint>
#include <random>

#include "form1.h"
#include "geometry.h"

namespace noralim::uitest {

using Texts = std::array<CellText, kCellCount>;

inline Texts ReadAll(const ui::Form1& form) {
  Texts texts;
  for (CellIndex i = 1; i <= kCellCount; ++i) texts[static_cast<std::size_t>(i - 1)] = form.Grid().GetCellText(i);
  return texts;
}

// The puzzle line of the texts: each cell's digit, '.' for any other text.
inline QString Settled(const Texts& texts) {
  QString out;
  for (int p = 0; p < kCellCount; ++p) {
    const CellText& t = texts[static_cast<std::size_t>(CellAtPosition(p) - 1)];
    out += IsDigitValue(t) ? QString::fromUcs4(t.data(), 1) : QStringLiteral(".");
  }
  return out;
}

// No override cursor at all: the window's busy pointer is an override.
inline bool DefaultPointer() { return QGuiApplication::overrideCursor() == nullptr; }

inline bool Idle(const ui::Form1& form) { return DefaultPointer() && form.cmdExec(kCalcButton)->isEnabled(); }

// Types text key by key, one key event a character. QTest's character keys
// cover ASCII only; any other character comes as a key event carrying its
// text, one or two UTF-16 units, as a keyboard or input method delivers it
// (a character outside the Basic Multilingual Plane is one event, never two
// lone surrogate halves).
inline void TypeInto(QWidget* cell, const QString& text) {
  for (qsizetype k = 0; k < text.size(); ++k) {
    const QChar c = text.at(k);
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(cell, static_cast<char>(c.unicode()));
      continue;
    }
    const qsizetype units = c.isHighSurrogate() && k + 1 < text.size() && text.at(k + 1).isLowSurrogate() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, text.mid(k, units), Qt::NoModifier);
    k += units - 1;
  }
}

// Puts text on the clipboard and pastes it into the cell with Ctrl+V.
inline void PasteInto(QWidget* cell, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
}

// Types an 81-character row-major puzzle into an empty window, '.' skipped.
inline void TypePuzzle(ui::Form1& form, const QString& rows) {
  for (int p = 0; p < kCellCount; ++p) {
    const QChar c = rows.at(p);
    if (c != QLatin1Char('.')) TypeInto(form.Text1(CellAtPosition(p)), QString(c));
  }
}

// The seed in the named environment variable (decimal or 0x hex), else the
// fixed default, so that a failing script can be replayed.
inline std::uint64_t SeedFromEnvironment(const char* name, std::uint64_t fallback) {
  bool ok = false;
  const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok, 0);
  return ok ? value : fallback;
}

using Rng = std::mt19937_64;

inline int Uniform(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
inline bool Chance(Rng& rng, double p) { return std::bernoulli_distribution(p)(rng); }

// Contradictory givens, row-major, on which two grid states alternate from
// sweep to sweep, so that a run ends on the repeat.
inline constexpr const char* kCycling =
    "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

// 81 row-major characters, '.' for an empty cell: the givens of a relabelled,
// maybe transposed, solved grid. Now and then a few of them are replaced by
// any digit, which mostly makes the givens contradict each other.
inline QString RandomPuzzle(Rng& rng) {
  constexpr const char* kSolved = "849713625175269384236458971713982546524136798968574213452391867381627459697845132";
  std::array<int, 9> relabel{1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::shuffle(relabel.begin(), relabel.end(), rng);
  const bool transpose = Chance(rng, 0.5);
  std::array<int, kCellCount> positions{};
  for (int p = 0; p < kCellCount; ++p) positions[static_cast<std::size_t>(p)] = p;
  std::shuffle(positions.begin(), positions.end(), rng);
  const int givens = Uniform(rng, 22, 40);
  const int wrong = Chance(rng, 0.7) ? 0 : Uniform(rng, 1, 3);
  QString rows(kCellCount, QLatin1Char('.'));
  for (int k = 0; k < givens; ++k) {
    const int p = positions[static_cast<std::size_t>(k)];
    const int source = transpose ? (p % 9) * 9 + p / 9 : p;
    const int digit = k < wrong ? Uniform(rng, 1, 9) : relabel[static_cast<std::size_t>(kSolved[source] - '1')];
    rows[p] = QChar(static_cast<char16_t>(u'0' + digit));
  }
  return rows;
}

// A cell text for a failure message: line breaks shown, at most 80 units.
inline QString Show(const CellText& t) {
  QString s = QString::fromUcs4(t.data(), static_cast<qsizetype>(t.size()))
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"));
  return s.size() > 80 ? s.left(80) + QStringLiteral("...") : s;
}

}  // namespace noralim::uitest
